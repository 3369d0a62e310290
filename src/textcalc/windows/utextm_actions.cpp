// The window's actions with their configurable shortcuts, its menus and its main tool bar.
#include "textcalc/windows/utextm.h"

#include "ui/language.h"
#include "ui/shortcuttext.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace textcalc {

namespace {

// A tool-bar picture drawn from a few characters, so the bars need no image files.
enum GlyphStyle { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

QIcon glyphIcon(const QString& glyph, QColor colour, int style = Plain)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(glyph.size() > 1 ? 11 : 16);
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    font.setUnderline(style & Underline);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

// A sign's colour for the tool bar's background: `light` on a light palette, `dark` on a dark one
// (a dark theme's bar would swallow black letters and dark blue).
QColor signColour(const QPalette& palette, QColor light, QColor dark)
{
    return palette.color(QPalette::Button).lightness() < 128 ? dark : light;
}

// Four lines, flush left or centred: the alignment buttons.
QIcon alignmentIcon(bool centred, QColor colour)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(colour, 2));
    const int widths[4] = {16, 10, 16, 8};
    for (int i = 0; i < 4; ++i) {
        const int x = centred ? 10 - widths[i] / 2 : 2;
        p.drawLine(x, 4 + 4 * i, x + widths[i], 4 + 4 * i);
    }
    return QIcon(pixmap);
}

// Small line drawings for the commands no font has a sign for.
QIcon drawnIcon(void (*draw)(QPainter&))
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(Qt::white);
    draw(p);
    return QIcon(pixmap);
}

void drawPrinter(QPainter& p)
{
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 14, 10, 7));
}

void drawCopy(QPainter& p)
{
    p.drawRect(QRectF(4, 3, 10, 13));
    p.drawRect(QRectF(10, 8, 10, 13));
}

void drawPaste(QPainter& p)
{
    p.setBrush(QColor(205, 170, 110));
    p.drawRoundedRect(QRectF(4, 4, 14, 17), 2, 2);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(8, 2, 6, 4));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 10, 10, 12));
}

void drawLens(QPainter& p)
{
    p.drawEllipse(QRectF(3, 3, 12, 12));
    p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20, 20));
}

} // namespace

void TTextm::createActions()
{
    auto make = [this](QAction*& a, const char* name, const char* caption) {
        a = new QAction(QString::fromUtf8(caption), this);
        a->setObjectName(name);
        a->setToolTip(a->text());
        return a;
    };
    make(ANew, "ANew", "Nový");
    make(AOpen, "AOpen", "Otevřít...");
    make(ASave, "ASave", "Uložit");
    make(saveas, "saveas", "Uložit jako...");
    make(APrint, "APrint", "Tisknout...");
    make(AClose, "AClose", "Zavřít");
    make(AUndo, "AUndo", "Zpět");
    make(ARedo, "ARedo", "Znovu");
    make(ACut, "ACut", "Vyjmout");
    make(ACopy, "ACopy", "Kopírovat");
    make(APaste, "APaste", "Vložit");
    make(ASelall, "ASelall", "Vybrat vše");
    make(AFind, "AFind", "Najít, nahradit...");
    make(AInscol, "AInscol", "Vložit barvu...");
    make(AExecl, "AExecl", "Provést řádek");
    make(AExecg, "AExecg", "Provést skupinu");
    make(AStop, "AStop", "Zastavit");
    make(AClear, "AClear", "Smazat všechny objekty");
    make(ADecim, "ADecim", "Převést na desetinné číslo");
    make(ABold, "ABold", "Tučně");
    make(AItalic, "AItalic", "Kurzíva");
    make(AUnder, "AUnder", "Podtrženo");
    make(output, "output", "Provádět všechny výpisy");
    make(nextline, "nextline", "Přesouvat na další řádek");
    make(FontBut, "FontBut", "Font výstupů");
    make(hlavtul, "hlavtul", "Hlavní panel nástrojů");
    make(formtul, "formtul", "Panel formátu");
    make(infoshow, "infoshow", "Stavový řádek");
    for (QAction* a : {ABold, AItalic, AUnder, output, nextline, hlavtul, formtul, infoshow})
        a->setCheckable(true);
    AStop->setShortcut(Qt::Key_Escape);
    ARedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    AStop->setEnabled(false);

    connect(ANew, &QAction::triggered, this, &TTextm::anewExecute);
    connect(AOpen, &QAction::triggered, this, &TTextm::aopenExecute);
    connect(ASave, &QAction::triggered, this, &TTextm::asaveExecute);
    connect(saveas, &QAction::triggered, this, &TTextm::Ulozjako);
    connect(APrint, &QAction::triggered, this, &TTextm::APrintExecute);
    connect(AClose, &QAction::triggered, this, &QWidget::close);
    connect(AUndo, &QAction::triggered, kalkul, &QTextEdit::undo);
    connect(ARedo, &QAction::triggered, kalkul, &QTextEdit::redo);
    connect(ACut, &QAction::triggered, kalkul, &QTextEdit::cut);
    connect(ACopy, &QAction::triggered, kalkul, &QTextEdit::copy);
    connect(APaste, &QAction::triggered, this, &TTextm::pasteChecked);
    connect(ASelall, &QAction::triggered, kalkul, &QTextEdit::selectAll);
    connect(AInscol, &QAction::triggered, this, &TTextm::AInscolExecute);
    connect(AExecl, &QAction::triggered, this, [this] { Calcul(false); });
    connect(AExecg, &QAction::triggered, this, [this] { Calcul(true); });
    connect(AStop, &QAction::triggered, this, &TTextm::stopRun);
    connect(AClear, &QAction::triggered, this, &TTextm::AClearExecute);
    connect(ADecim, &QAction::triggered, this, &TTextm::ADecimExecute);
    connect(FontBut, &QAction::triggered, this, &TTextm::FontButClick);
}

// The pictures cost a look-up in the icon theme or a font each: a window that is never shown
// does without them.
void TTextm::createActionIcons()
{
    const QStyle* s = style();
    const QColor text = palette().color(QPalette::ButtonText);
    const QColor run = signColour(palette(), QColor(0, 120, 0), QColor(90, 210, 90));
    const QColor font = signColour(palette(), QColor(0, 0, 200), QColor(120, 160, 255));
    const std::pair<QAction*, QIcon> icons[] = {
        {ANew, s->standardIcon(QStyle::SP_FileIcon)},
        {AOpen, s->standardIcon(QStyle::SP_DialogOpenButton)},
        {ASave, s->standardIcon(QStyle::SP_DialogSaveButton)},
        {APrint, drawnIcon(drawPrinter)},
        {AUndo, glyphIcon(QString::fromUtf8("↶"), text)},
        {ARedo, glyphIcon(QString::fromUtf8("↷"), text)},
        {ACut, glyphIcon(QString::fromUtf8("✂"), text)},
        {ACopy, drawnIcon(drawCopy)},
        {APaste, drawnIcon(drawPaste)},
        {AFind, drawnIcon(drawLens)},
        {AExecl, glyphIcon(QString::fromUtf8("▶"), run)},
        {AExecg, glyphIcon(QString::fromUtf8("▶▶"), run)},
        {AStop, glyphIcon(QString::fromUtf8("■"), QColor(220, 0, 0))},
        {ABold, glyphIcon("B", text, Bold)},
        {AItalic, glyphIcon("I", text, Bold | Italic)},
        {AUnder, glyphIcon("U", text, Underline)},
        {output, glyphIcon(QString::fromUtf8("≡"), text)},
        {nextline, glyphIcon(QString::fromUtf8("↵"), text)},
        {FontBut, glyphIcon("F", font, Bold)},
        {doleva, alignmentIcon(false, text)},
        {nastred, alignmentIcon(true, text)},
    };
    for (const auto& [action, icon] : icons)
        action->setIcon(icon);
}

void TTextm::createMenus()
{
    misheet = menuBar()->addMenu(QString::fromUtf8("Soubor"));
    misheet->setObjectName("misheet");
    misheet->addActions({ANew, AOpen, ASave, saveas});
    misheet->addSeparator();
    misheet->addAction(APrint);
    misheet->addSeparator();
    misheet->addAction(AClose);

    miedit = menuBar()->addMenu(QString::fromUtf8("Úpravy"));
    miedit->setObjectName("miedit");
    miedit->addActions({AUndo, ARedo});
    miedit->addSeparator();
    miedit->addActions({ACut, ACopy, APaste, ASelall});
    miedit->addSeparator();
    miedit->addActions({AFind, AInscol});

    miaction = menuBar()->addMenu(QString::fromUtf8("Výpočet"));
    miaction->setObjectName("miaction");
    miaction->addActions({AExecl, AExecg, AStop});
    miaction->addSeparator();
    miaction->addActions({ADecim, AClear});

    menuBar()->addMenu(picturePage->obrazekMenu);

    miview = menuBar()->addMenu(QString::fromUtf8("Zobrazit"));
    miview->setObjectName("miview");
    miview->addActions({hlavtul, formtul, infoshow});
    miview->addSeparator();
    miview->addActions({AZoomIn, AZoomOut, AZoomReset});
}

void TTextm::createToolBars()
{
    hlavniBar = addToolBar(QString::fromUtf8("Hlavní panel nástrojů"));
    hlavniBar->setObjectName("hlavniBar");
    hlavniBar->setMovable(false);
    hlavniBar->setIconSize(QSize(20, 20));
    hlavniBar->addActions({ANew, AOpen, ASave, APrint});
    hlavniBar->addSeparator();
    hlavniBar->addActions({ACut, ACopy, APaste, AUndo, ARedo, AFind});
    hlavniBar->addSeparator();
    hlavniBar->addActions({AExecl, AExecg, AStop});
    hlavniBar->addSeparator();
    hlavniBar->addActions({output, nextline, FontBut});
    hlavniBar->toggleViewAction()->setVisible(false);

    // The view items show or hide their bar and lay the page control out again.
    auto bar = [this](QAction* item, QWidget* target) {
        connect(item, &QAction::toggled, this, [this, target](bool on) {
            target->setVisible(on);
            vypln();
        });
    };
    bar(hlavtul, hlavniBar);
}

// Each shortcut of the section replaces the action's default; empty or unknown texts give none.
void TTextm::applyShortcuts()
{
    for (size_t i = 0; i < settings::textShortcutKeys.size(); ++i) {
        auto* a = findChild<QAction*>(settings::textShortcutKeys[i].action);
        if (!a)
            continue; // the picture's actions arrive with its page
        const std::string& text = i < m_settings.textShortcuts.size() ? m_settings.textShortcuts[i]
                                                                      : std::string(settings::textShortcutKeys[i].text);
        const auto key = ui::parseShortcut(text);
        a->setShortcut(key ? QKeySequence(*key) : QKeySequence());
    }
    // Ctrl+F finds here as everywhere else, beside the configurable key, unless a key of the
    // section gave it to another action.
    const QKeySequence ctrlF(Qt::CTRL | Qt::Key_F);
    const QList<QAction*> actions = findChildren<QAction*>();
    if (std::none_of(actions.begin(), actions.end(), [&](QAction* a) { return a->shortcuts().contains(ctrlF); }))
        AFind->setShortcuts(AFind->shortcuts() << ctrlF);
    showShortcutsInToolTips();
}

// A command's tool tip is its caption with its keys: "Otevřít (Ctrl+O)".
void TTextm::showShortcutsInToolTips()
{
    for (QAction* a : findChildren<QAction*>()) {
        QString caption = QString::fromStdString(ui::withoutMnemonic(a->text().toStdString()));
        if (caption.endsWith("..."))
            caption.chop(3);
        QStringList keys;
        for (const QKeySequence& key : a->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        a->setToolTip(keys.isEmpty() ? caption : caption + " (" + keys.join(", ") + ")");
    }
}

} // namespace textcalc
