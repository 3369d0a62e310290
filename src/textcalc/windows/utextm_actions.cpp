// The window's actions with their configurable shortcuts, its menus and its main tool bar.
#include "textcalc/windows/utextm.h"

#include "ui/shortcuttext.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>

namespace textcalc {

namespace {

// A tool-bar picture drawn from a few characters, so the bars need no image files.
enum GlyphStyle { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

QIcon glyphIcon(const QString& glyph, QColor colour = QColor(40, 40, 40), int style = Plain)
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
    auto make = [this](QAction*& a, const char* name, const char* caption, const QIcon& icon = {}) {
        a = new QAction(icon, QString::fromUtf8(caption), this);
        a->setObjectName(name);
        a->setToolTip(a->text());
        return a;
    };
    const QStyle* s = style();
    make(ANew, "ANew", "Nový", s->standardIcon(QStyle::SP_FileIcon));
    make(AOpen, "AOpen", "Otevřít...", s->standardIcon(QStyle::SP_DialogOpenButton));
    make(ASave, "ASave", "Uložit", s->standardIcon(QStyle::SP_DialogSaveButton));
    make(saveas, "saveas", "Uložit jako...");
    make(APrint, "APrint", "Tisknout...", drawnIcon(drawPrinter));
    make(AClose, "AClose", "Zavřít");
    make(AUndo, "AUndo", "Zpět", glyphIcon(QString::fromUtf8("↶")));
    make(ACut, "ACut", "Vyjmout", glyphIcon(QString::fromUtf8("✂")));
    make(ACopy, "ACopy", "Kopírovat", drawnIcon(drawCopy));
    make(APaste, "APaste", "Vložit", drawnIcon(drawPaste));
    make(ASelall, "ASelall", "Vybrat vše");
    make(AFind, "AFind", "Najít, nahradit...", drawnIcon(drawLens));
    make(AInscol, "AInscol", "Vložit barvu...");
    make(AExecl, "AExecl", "Provést řádek", glyphIcon(QString::fromUtf8("▶"), QColor(0, 120, 0)));
    make(AExecg, "AExecg", "Provést skupinu", glyphIcon(QString::fromUtf8("▶▶"), QColor(0, 120, 0)));
    make(AStop, "AStop", "Zastavit", glyphIcon(QString::fromUtf8("■"), QColor(200, 0, 0)));
    make(AClear, "AClear", "Smazat všechny objekty");
    make(ADecim, "ADecim", "Převést na desetinné číslo");
    make(ABold, "ABold", "Tučně", glyphIcon("B", Qt::black, Bold));
    make(AItalic, "AItalic", "Kurzíva", glyphIcon("I", Qt::black, Bold | Italic));
    make(AUnder, "AUnder", "Podtrženo", glyphIcon("U", Qt::black, Underline));
    make(output, "output", "Provádět všechny výpisy", glyphIcon(QString::fromUtf8("≡")));
    make(nextline, "nextline", "Přesouvat na další řádek", glyphIcon(QString::fromUtf8("↵")));
    make(FontBut, "FontBut", "Font výstupů", glyphIcon("F", QColor(0, 0, 200), Bold));
    make(hlavtul, "hlavtul", "Hlavní panel nástrojů");
    make(formtul, "formtul", "Panel formátu");
    make(infoshow, "infoshow", "Stavový řádek");
    for (QAction* a : {ABold, AItalic, AUnder, output, nextline, hlavtul, formtul, infoshow})
        a->setCheckable(true);
    AStop->setShortcut(Qt::Key_Escape);
    AStop->setEnabled(false);

    connect(ANew, &QAction::triggered, this, &TTextm::anewExecute);
    connect(AOpen, &QAction::triggered, this, &TTextm::aopenExecute);
    connect(ASave, &QAction::triggered, this, &TTextm::asaveExecute);
    connect(saveas, &QAction::triggered, this, &TTextm::Ulozjako);
    connect(APrint, &QAction::triggered, this, &TTextm::APrintExecute);
    connect(AClose, &QAction::triggered, this, &QWidget::close);
    connect(AUndo, &QAction::triggered, kalkul, &QTextEdit::undo);
    connect(ACut, &QAction::triggered, kalkul, &QTextEdit::cut);
    connect(ACopy, &QAction::triggered, kalkul, &QTextEdit::copy);
    connect(APaste, &QAction::triggered, kalkul, &QTextEdit::paste);
    connect(ASelall, &QAction::triggered, kalkul, &QTextEdit::selectAll);
    connect(AInscol, &QAction::triggered, this, &TTextm::AInscolExecute);
    connect(AExecl, &QAction::triggered, this, [this] { Calcul(false); });
    connect(AExecg, &QAction::triggered, this, [this] { Calcul(true); });
    connect(AStop, &QAction::triggered, this, &TTextm::stopRun);
    connect(AClear, &QAction::triggered, this, &TTextm::AClearExecute);
    connect(ADecim, &QAction::triggered, this, &TTextm::ADecimExecute);
    connect(FontBut, &QAction::triggered, this, &TTextm::FontButClick);
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
    miedit->addAction(AUndo);
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
}

void TTextm::createToolBars()
{
    hlavniBar = addToolBar(QString::fromUtf8("Hlavní panel nástrojů"));
    hlavniBar->setObjectName("hlavniBar");
    hlavniBar->setMovable(false);
    hlavniBar->setIconSize(QSize(20, 20));
    hlavniBar->addActions({ANew, AOpen, ASave, APrint});
    hlavniBar->addSeparator();
    hlavniBar->addActions({ACut, ACopy, APaste, AUndo, AFind});
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
}

} // namespace textcalc
