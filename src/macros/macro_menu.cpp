#include "macro_menu.h"

#include "macros/macro_host.h"
#include "umacros.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QPixmap>

namespace macros {

namespace {

// Only a real bitmap becomes the picture; a file of another format under the .bmp name is not
// loaded.
QIcon pictureOf(const MenuEntry& entry)
{
    if (entry.picture.empty())
        return {};
    QImage image;
    if (!image.load(QString::fromStdString(entry.picture.string()), "BMP"))
        return {};
    return QIcon(QPixmap::fromImage(image));
}

void addEntries(QMenu* menu, const std::vector<MenuEntry>& entries, MacroHost& host, keypad::Engine& engine,
                Tmacros& window)
{
    for (const MenuEntry& entry : entries) {
        const QString caption = QString::fromStdString(entry.caption);
        const QString name = QString::fromStdString(entry.name);
        if (entry.runsMacro || entry.children.empty()) {
            // An entry that has no children is a plain item; only a leaf runs a macro.
            QAction* action = menu->addAction(pictureOf(entry), caption);
            action->setObjectName(name);
            if (!entry.runsMacro)
                continue;
            const std::string macro = entry.name;
            QObject::connect(action, &QAction::triggered, menu, [&host, &engine, &window, macro] {
                if (host.macroclick(macro, engine))
                    window.showMacro();
            });
        } else {
            QMenu* sub = menu->addMenu(pictureOf(entry), caption);
            sub->setObjectName(name);
            addEntries(sub, entry.children, host, engine, window);
        }
    }
}

} // namespace

void addMacroMenu(QMenu* hlavni, MacroHost& host, keypad::Engine& engine, Tmacros& window, QObject* owner)
{
    std::vector<std::string> taken;
    if (owner) {
        taken.push_back(owner->objectName().toStdString());
        for (const QObject* child : owner->findChildren<QObject*>())
            if (!child->objectName().isEmpty())
                taken.push_back(child->objectName().toStdString());
    }
    addEntries(hlavni, host.menu(taken), host, engine, window);
}

} // namespace macros
