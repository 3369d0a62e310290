// The format tool bar: font name and size, size steps, text colour, alignment, bold, italic,
// underline and the copy-font mode with its brush cursor.
#include "textcalc/windows/utextm.h"

#include "textcalc/number/qt/qt_colour.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

namespace textcalc {

namespace {

// The swatch menu's colours cl0 … cl7: black, red, blue, navy, fuchsia, green, lime, yellow.
constexpr Colour swatchColours[8] = {{0, 0, 0},     {255, 0, 0}, {0, 0, 255}, {0, 0, 128},
                                     {255, 0, 255}, {0, 128, 0}, {0, 255, 0}, {255, 255, 0}};

QPixmap swatch(const QColor& colour, int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, width - 1, height - 1);
    return pixmap;
}

// The copy-font mode's cursor: a paint brush, handle up-right, bristles at the hot spot.
QCursor brushCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 90, 40));
    p.drawPolygon(QPolygonF({QPointF(30, 2), QPointF(31, 4), QPointF(16, 19), QPointF(13, 16)}));
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(QPolygonF({QPointF(13, 16), QPointF(16, 19), QPointF(12, 23), QPointF(9, 20)}));
    QPainterPath bristles;
    bristles.moveTo(9, 20);
    bristles.cubicTo(4, 21, 3, 26, 1, 31);
    bristles.cubicTo(6, 29, 11, 28, 12, 23);
    bristles.closeSubpath();
    p.setBrush(QColor(30, 30, 160));
    p.drawPath(bristles);
    return QCursor(pixmap, 1, 31);
}

} // namespace

void TTextm::createFormatBar()
{
    formatBar = new QToolBar(QString::fromUtf8("Panel formátu"));
    formatBar->setObjectName("formatBar");
    formatBar->setMovable(false);
    formatBar->setIconSize(QSize(20, 20));
    addToolBarBreak();
    addToolBar(formatBar);
    formatBar->toggleViewAction()->setVisible(false);
    addFontControls();
    addColourControls();
    formatBar->addSeparator();
    addAlignmentControls();
    formatBar->addSeparator();
    addStyleControls();
    connect(formtul, &QAction::toggled, this, [this](bool on) {
        formatBar->setVisible(on);
        vypln();
    });
}

// Font name and size boxes and the buttons that step the size.
void TTextm::addFontControls()
{
    FontName = new QFontComboBox;
    FontName->setObjectName("FontName");
    FontName->setToolTip(QString::fromUtf8("Písmo"));
    FontName->setMaximumWidth(170);
    connect(FontName, &QFontComboBox::textActivated, this, [this](const QString& family) {
        QTextCharFormat f;
        f.setFontFamilies({family});
        setSelectionFormat(f);
        kalkul->setFocus();
    });
    formatBar->addWidget(FontName);

    velikost = new QComboBox;
    velikost->setObjectName("velikost");
    velikost->setEditable(true);
    velikost->setToolTip(QString::fromUtf8("Velikost písma"));
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        velikost->addItem(QString::number(size));
    velikost->setMinimumContentsLength(3);
    velikost->setInsertPolicy(QComboBox::NoInsert);
    connect(velikost, &QComboBox::textActivated, this, [this](const QString& text) {
        bool ok = false;
        const double size = text.toDouble(&ok);
        if (ok && size >= 1 && size <= 1638) {
            QTextCharFormat f;
            f.setFontPointSize(size);
            setSelectionFormat(f);
        }
        kalkul->setFocus();
    });
    formatBar->addWidget(velikost);

    auto stepButton = [this](QToolButton*& b, const char* name, const char* text, const char* hint, int step) {
        b = new QToolButton;
        b->setObjectName(name);
        b->setText(QString::fromUtf8(text));
        b->setToolTip(QString::fromUtf8(hint));
        connect(b, &QToolButton::clicked, this, [this, step] {
            const double current = kalkul->textCursor().charFormat().fontPointSize();
            QTextCharFormat f;
            f.setFontPointSize(std::max(1.0, (current > 0 ? current : 12) + step));
            setSelectionFormat(f);
            kalkul->setFocus();
        });
        formatBar->addWidget(b);
    };
    stepButton(IncButton, "IncButton", "A+", "Zvětšit písmo", 1);
    stepButton(DecButton, "DecButton", "A−", "Zmenšit písmo", -1);
}

// The colour button: a click applies the last colour, its menu the swatches and "Jiná...".
void TTextm::addColourControls()
{
    colourMenu = new QMenu(this);
    colourMenu->setObjectName("colourMenu");
    // Menu icons are square; a swatch 45 x 14 pixels needs a button of its own.
    for (int k = 0; k < 8; ++k) {
        const QColor colour = toQColor(swatchColours[k]);
        auto* button = new QToolButton;
        button->setAutoRaise(true);
        button->setIconSize(QSize(45, 14));
        button->setIcon(QIcon(swatch(colour, 45, 14)));
        auto* item = new QWidgetAction(colourMenu);
        item->setObjectName(QString("cl%1").arg(k));
        item->setDefaultWidget(button);
        colourMenu->addAction(item);
        connect(button, &QToolButton::clicked, item, [this, item] {
            colourMenu->close();
            item->trigger();
        });
        connect(item, &QAction::triggered, this, [this, colour] { applyColour(colour); });
    }
    colourMenu->addSeparator();
    othercolor = colourMenu->addAction(QString::fromUtf8("Jiná..."));
    othercolor->setObjectName("othercolor");
    connect(othercolor, &QAction::triggered, this, [this] {
        if (const auto colour = colourDialog(m_lastColour))
            applyColour(*colour);
    });
    ColButton = new QToolButton;
    ColButton->setObjectName("ColButton");
    ColButton->setToolTip(QString::fromUtf8("Barva písma"));
    ColButton->setMenu(colourMenu);
    ColButton->setPopupMode(QToolButton::MenuButtonPopup);
    ColButton->setIcon(QIcon(swatch(m_lastColour, 20, 14)));
    connect(ColButton, &QToolButton::clicked, this, [this] { applyColour(m_lastColour); });
    formatBar->addWidget(ColButton);
}

void TTextm::addAlignmentControls()
{
    doleva = new QAction(QIcon(), QString::fromUtf8("Zarovnat vlevo"), this);
    nastred = new QAction(QIcon(), QString::fromUtf8("Na střed"), this);
    doleva->setObjectName("doleva");
    nastred->setObjectName("nastred");
    auto* alignment = new QActionGroup(this);
    for (QAction* a : {doleva, nastred}) {
        a->setCheckable(true);
        alignment->addAction(a);
    }
    connect(doleva, &QAction::triggered, this, [this] {
        kalkul->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        posun();
    });
    connect(nastred, &QAction::triggered, this, [this] {
        kalkul->setAlignment(Qt::AlignHCenter);
        posun();
    });
    formatBar->addActions({doleva, nastred});
}

// Copy-font mode, bold, italic and underline.
void TTextm::addStyleControls()
{
    CopFontBut = new QAction(QIcon(QPixmap::fromImage(brushCursor().pixmap().toImage().scaled(20, 20))),
                             QString::fromUtf8("Kopírovat formát"), this);
    CopFontBut->setObjectName("CopFontBut");
    CopFontBut->setCheckable(true);
    connect(CopFontBut, &QAction::toggled, this, &TTextm::setCopyFontMode);
    formatBar->addAction(CopFontBut);
    formatBar->addSeparator();

    ABold->setCheckable(true);
    connect(ABold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        setSelectionFormat(f);
    });
    connect(AItalic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        setSelectionFormat(f);
    });
    connect(AUnder, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        setSelectionFormat(f);
    });
    formatBar->addActions({ABold, AItalic, AUnder});
}

// Merges `format` into the selection (or into what the caret types next).
void TTextm::setSelectionFormat(const QTextCharFormat& format)
{
    m_applyingFormat = true;
    kalkul->mergeCurrentCharFormat(format);
    m_applyingFormat = false;
    posun();
}

void TTextm::applyColour(const QColor& colour)
{
    m_lastColour = colour;
    ColButton->setIcon(QIcon(swatch(colour, 20, 14)));
    QTextCharFormat f;
    f.setForeground(colour);
    setSelectionFormat(f);
    kalkul->setFocus();
}

// The buffer takes the selection's style, size, colour and font name; the brush cursor shows
// that the next selections will get them.
void TTextm::setCopyFontMode(bool on)
{
    if (on) {
        const QTextCharFormat current = kalkul->textCursor().charFormat();
        *m_fontBuffer = QTextCharFormat();
        m_fontBuffer->setFontFamilies(current.fontFamilies().toStringList());
        m_fontBuffer->setFontPointSize(current.fontPointSize());
        m_fontBuffer->setFontWeight(current.fontWeight());
        m_fontBuffer->setFontItalic(current.fontItalic());
        m_fontBuffer->setFontUnderline(current.fontUnderline());
        m_fontBuffer->setForeground(current.foreground());
        kalkul->viewport()->setCursor(brushCursor());
    } else {
        kalkul->viewport()->setCursor(Qt::IBeamCursor);
    }
}

void TTextm::FontButClick()
{
    if (const auto chosen = fontDialog({m_outputFont, m_outputColour})) {
        m_outputFont = chosen->font;
        m_outputColour = chosen->colour;
    }
}

} // namespace textcalc
