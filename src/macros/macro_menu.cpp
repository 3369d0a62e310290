#include "macro_menu.h"

#include "macros/bitmap_icon.h"
#include "macros/macro_host.h"
#include "ui/language.h"
#include "umacros.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace macros {

namespace {

QIcon pictureOf(const MenuEntry& entry)
{
    return entry.picture.empty() ? QIcon() : bitmapIcon(QString::fromStdString(entry.picture.string()));
}

// The language's caption replaces the macro file's; both are kept with the item.
void remember(QAction* item, const MenuEntry& entry)
{
    item->setProperty("macroName", QString::fromStdString(entry.name));
    item->setProperty("macroCaption", QString::fromStdString(entry.caption));
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
            remember(action, entry);
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
            remember(sub->menuAction(), entry);
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

void captionMacroMenu(QMenu* menu, const ui::Language& language)
{
    for (QAction* item : menu->actions()) {
        if (item->property("macroName").isValid())
            item->setText(QString::fromStdString(language.macroCaption(
                item->property("macroName").toString().toStdString(),
                item->property("macroCaption").toString().toStdString())));
        if (item->menu())
            captionMacroMenu(item->menu(), language);
    }
}

} // namespace macros
