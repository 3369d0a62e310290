#include "ulinsys.h"

#include "platform/qt/keyboard_order.h"
#include "ui/window_texts.h"

#include "platform/qt/fixed_window.h"
#include "platform/services.h"
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

namespace tools {

namespace {

// One grid cell with its grid line; the window is n·kCellW + 120 wide and n·kCellH + 164
// high, frame included.
constexpr int kCellW = 81;
constexpr int kCellH = 21;
constexpr int kExtraW = 120;
constexpr int kExtraH = 164;
constexpr int kMargin = 8;
constexpr int kCaptionAbove = 17; // captions sit this far above their edits

QTableWidget* grid(const char* name, const char* hint, bool editable)
{
    auto* g = new QTableWidget;
    g->setObjectName(name);
    g->setToolTip(QString::fromUtf8(hint));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->horizontalHeader()->setMinimumSectionSize(1);
    g->verticalHeader()->setMinimumSectionSize(1);
    g->horizontalHeader()->setDefaultSectionSize(kCellW);
    g->verticalHeader()->setDefaultSectionSize(kCellH);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                                     | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                               : QAbstractItemView::NoEditTriggers);
    g->setTabKeyNavigation(true);
    // Cells are one line high: a long number is cut with an ellipsis, not wrapped at its point.
    g->setWordWrap(false);
    return g;
}

void setCell(QTableWidget* g, int row, int column, const std::string& text)
{
    QTableWidgetItem* item = g->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->setItem(row, column, item);
    }
    item->setText(QString::fromStdString(text));
}

constexpr const char* kUntrustedCzech = "Soustava je špatně podmíněná: zobrazené číslice řešení nemusí platit.";

std::string cell(const QTableWidget* g, int row, int column)
{
    const QTableWidgetItem* item = g->item(row, column);
    return item ? item->text().toStdString() : std::string();
}

} // namespace

Tlinsys::Tlinsys(platform::Services& services, QWidget* parent) : QDialog(parent), m_services(services), m_engine(services), m_untrustedText(kUntrustedCzech)
{
    platform::makeFixedWindow(this);
    setObjectName("linsys");
    setWindowTitle(QString::fromUtf8(" Soustava lineárních rovnic"));

    aaa = grid("aaa", "matice soustavy", true);
    bbb = grid("bbb", "pravá strana", true);
    xxx = grid("xxx", "řešení", false);
    pocet = new QSpinBox;
    pocet->setObjectName("pocet");
    pocet->setToolTip(QString::fromUtf8("počet rovnic"));
    pocet->setRange(kMinEquations, kMaxEquations);
    pocet->setValue(m_engine.size());
    pocet->findChild<QLineEdit*>()->setReadOnly(true); // changed only by its arrows
    determ = new QLineEdit;
    determ->setObjectName("determ");
    determ->setReadOnly(true);
    hodnost = new QLineEdit;
    hodnost->setObjectName("hodnost");
    hodnost->setReadOnly(true);
    determLabel = new QLabel(QString::fromUtf8("&Determinant matice :"));
    hodnostLabel = new QLabel(QString::fromUtf8("&Hodnost matice :"));
    determLabel->setBuddy(determ);
    hodnostLabel->setBuddy(hodnost);
    VyrBut = new QPushButton(QString::fromUtf8("&Vyřeš"));
    VyrBut->setObjectName("VyrBut");
    VyrBut->setDefault(true);
    ZavBut = new QPushButton(QString::fromUtf8("&Zavři"));
    ZavBut->setObjectName("ZavBut");
    ZavBut->setAutoDefault(false);
    for (QWidget* w : std::initializer_list<QWidget*>{aaa, bbb, xxx, pocet, determ, hodnost, determLabel,
                                                       hodnostLabel, VyrBut, ZavBut})
        w->setParent(this);
    // Tab in the reading order; each grid is left past its last cell (or with Ctrl+Tab).
    platform::chainTabOrder({aaa, bbb, xxx, determ, hodnost, pocet, VyrBut, ZavBut});
    for (QTableWidget* g : {aaa, bbb, xxx})
        platform::leaveByKeyboard(g);

    connect(pocet, &QSpinBox::valueChanged, this, &Tlinsys::pocetChange);
    connect(VyrBut, &QPushButton::clicked, this, &Tlinsys::VyrButClick);
    connect(ZavBut, &QPushButton::clicked, this, &Tlinsys::ZavButClick);

    resizeGrids(m_engine.size());
    showState();
}

void Tlinsys::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void Tlinsys::FormShow()
{
    determLabel->move(determ->x(), determ->y() - kCaptionAbove);
    hodnostLabel->move(hodnost->x(), hodnost->y() - kCaptionAbove);
    determLabel->adjustSize();
    hodnostLabel->adjustSize();
}

void Tlinsys::pocetChange(int count)
{
    pull();
    const int old = m_size;
    m_engine.pocetChange(count);
    const int n = m_engine.size();
    const QPoint corner = frameGeometry().topLeft();
    move(corner.x() - (n - old) * kCellW, corner.y() - (n - old) * kCellH);
    resizeGrids(n);
    showState();
}

// Lays the window out for n equations; the frame size counts into the outer size when the
// window system has told us it.
void Tlinsys::resizeGrids(int n)
{
    m_size = n;
    aaa->setRowCount(n);
    aaa->setColumnCount(n);
    bbb->setRowCount(n);
    bbb->setColumnCount(1);
    xxx->setRowCount(1);
    xxx->setColumnCount(n);

    const int frame = 2 * aaa->frameWidth();
    const int gridW = n * kCellW + frame, gridH = n * kCellH + frame;
    aaa->setGeometry(kMargin, kMargin, gridW, gridH);
    bbb->setGeometry(kMargin + gridW + kMargin, kMargin, kCellW + frame, gridH);
    const int xxxY = kMargin + gridH + 6;
    xxx->setGeometry(kMargin, xxxY, gridW, kCellH + frame);

    const int editY = xxxY + kCellH + frame + 4 + kCaptionAbove;
    const int editH = 22;
    const int hodnostX = kMargin + 150;
    determ->setGeometry(kMargin, editY, 140, editH);
    hodnost->setGeometry(hodnostX, editY, 50, editH);
    FormShow();

    setOuterSize(n * kCellW + kExtraW, n * kCellH + kExtraH);
    const int buttonY = editY + editH + 8;
    const int buttonW = 75;
    ZavBut->setGeometry(width() - kMargin - buttonW, buttonY, buttonW, 25);
    VyrBut->setGeometry(ZavBut->x() - 6 - buttonW, buttonY, buttonW, 25);
    pocet->setGeometry(kMargin, buttonY, 50, 25);
}

void Tlinsys::setOuterSize(int outerWidth, int outerHeight)
{
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(outerWidth - frame.width(), outerHeight - frame.height());
}

void Tlinsys::pull()
{
    for (int i = 0; i < m_size; ++i) {
        for (int j = 0; j < m_size; ++j)
            m_engine.aaa[i][j] = cell(aaa, i, j);
        m_engine.bbb[i] = cell(bbb, i, 0);
    }
}

void Tlinsys::showState()
{
    const int n = m_engine.size();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            setCell(aaa, i, j, m_engine.aaa[i][j]);
        setCell(bbb, i, 0, m_engine.bbb[i]);
        setCell(xxx, 0, i, m_engine.xxx[i]);
    }
    determ->setText(QString::fromStdString(m_engine.determ));
    hodnost->setText(QString::fromStdString(m_engine.hodnost));
    const QSignalBlocker block(pocet);
    pocet->setValue(n);
}

void Tlinsys::VyrButClick()
{
    pull();
    const bool solved = m_engine.VyrButClick();
    showState();
    if (solved && m_engine.untrusted)
        m_services.message(platform::MessageKind::Warning, m_untrustedText);
}

// The texts of the language file; the defaults are the Czech texts.
void Tlinsys::popis(const ui::Language& language)
{
    using ui::TextRole;
    ui::applyTexts(language, {
        {this, TextRole::Title, "linea", "Soustava lineárních rovnic"},
        {aaa, TextRole::Name, "matrix", "matice soustavy"},
        {bbb, TextRole::Name, "right", "pravá strana"},
        {xxx, TextRole::Name, "solution", "řešení"},
        {pocet, TextRole::Name, "count", "počet rovnic"},
        {determLabel, TextRole::Text, "determ", "&Determinant matice :"},
        {hodnostLabel, TextRole::Text, "rank", "&Hodnost matice :"},
        {VyrBut, TextRole::Text, "solve", "&Vyřeš"},
        {ZavBut, TextRole::Text, "close", "&Zavřít"},
    });
    m_untrustedText = language.text("untrusted", kUntrustedCzech);
}

} // namespace tools
