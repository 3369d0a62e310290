#include "ustatm.h"

#include "platform/qt/keyboard_order.h"
#include "ui/window_texts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace tools {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The table shows datar's row 0 as its column headers and column 0 as its row headers, so
// data columns 1 and 2 are the widget's columns 0 and 1.
int dataColumn(int widgetColumn) { return widgetColumn + 1; }

} // namespace

Tstatm::Tstatm(platform::Services& services, QWidget* parent) : QDialog(parent), m_engine(services)
{
    setObjectName("statm");
    setWindowTitle(QString::fromUtf8(" Statistika"));

    toolBar = new QToolBar;
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto tool = [this](const char* name, const char* text, const char* hint, auto handler) {
        QAction* a = toolBar->addAction(QString::fromUtf8(text));
        a->setIconText(a->text()); // the button shows the mnemonic and takes its Alt key
        a->setObjectName(name);
        a->setToolTip(QString::fromUtf8(hint));
        connect(a, &QAction::triggered, this, handler);
        // Framed buttons: a row of flat words does not read as a tool bar. They are the window's
        // commands, so Tab reaches them as it reaches any button.
        if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(a))) {
            button->setAutoRaise(false);
            button->setFocusPolicy(Qt::TabFocus);
        }
        return a;
    };
    ImpxBut = tool("ImpxBut", "&Import X", "Importovat X", [this] { import(Column::X); });
    ImpyBut = tool("ImpyBut", "Imp&ort Y", "Importovat Y", [this] { import(Column::Y); });
    toolBar->addSeparator();
    PridBut = tool("PridBut", "&Přidat", "přidat řádek", [this] { PridButClick(); });
    UberBut = tool("UberBut", "U&brat", "ubrat řádek", [this] { UberButClick(); });
    VymBut = tool("VymBut", "Vy&mazat", "vymazat vše", [this] { VymButClick(); });
    toolBar->addSeparator();
    VypBut = tool("VypBut", "&Vypočti X", "vypočti X", [this] { VypButClick(); });
    VztahBut = tool("VztahBut", "V&ypočti X ~ Y", "vypočti X ~ Y", [this] { VztahButClick(); });

    datar = new QTableWidget(0, 2);
    datar->setObjectName("datar");
    datar->setToolTip(QString::fromUtf8("data"));
    datar->horizontalHeader()->setSectionsMovable(true);
    datar->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    datar->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    datar->verticalHeader()->setSectionsMovable(true);
    datar->verticalHeader()->setDefaultSectionSize(22);
    // Cells are one line high: a long number is cut with an ellipsis, not wrapped at its point.
    datar->setWordWrap(false);
    datar->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                           | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);

    vystup = new QPlainTextEdit;
    vystup->setObjectName("vystup");
    vystup->setToolTip(QString::fromUtf8("výsledky"));
    vystup->setReadOnly(true);
    vystup->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    vystup->setLineWrapMode(QPlainTextEdit::NoWrap);
    vystup->setTabChangesFocus(true); // nothing is typed into the results

    auto* splitter = new QSplitter;
    splitter->addWidget(datar);
    splitter->addWidget(vystup);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({230, 290});

    ZavBut = new QPushButton(QString::fromUtf8("&Zavřít"));
    ZavBut->setObjectName("ZavBut");
    ZavBut->setAutoDefault(false);
    connect(ZavBut, &QPushButton::clicked, this, &Tstatm::ZavButClick);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ZavBut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    resize(560, 380);

    // The reading order: the tool bar's buttons, the table, the results, Close.
    platform::leaveByKeyboard(datar);
    std::vector<QWidget*> order;
    for (QAction* a : toolBar->actions())
        if (QWidget* button = toolBar->widgetForAction(a); button && !a->isSeparator())
            order.push_back(button);
    order.insert(order.end(), {datar, vystup, ZavBut});
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(datar->horizontalHeader(), &QHeaderView::sectionMoved, this, &Tstatm::datarColumnMoved);
    connect(datar->verticalHeader(), &QHeaderView::sectionMoved, this, &Tstatm::datarRowMoved);
    connect(datar, &QTableWidget::cellChanged, this, &Tstatm::cellEdited);

    showTable();
}

void Tstatm::showTable()
{
    const QSignalBlocker block(datar);
    const auto& rows = m_engine.datar;
    const int n = static_cast<int>(rows.size()) - 1;
    datar->setRowCount(n);
    datar->setHorizontalHeaderLabels({q(rows[0][1]), q(rows[0][2])});
    QStringList numbers;
    for (int r = 1; r <= n; ++r) {
        numbers << q(rows[static_cast<size_t>(r)][0]);
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* item = datar->item(r - 1, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                datar->setItem(r - 1, c, item);
            }
            item->setText(q(rows[static_cast<size_t>(r)][static_cast<size_t>(dataColumn(c))]));
        }
    }
    datar->setVerticalHeaderLabels(numbers);
}

void Tstatm::showOutput()
{
    QStringList lines;
    for (const std::string& line : m_engine.vystup)
        lines << q(line);
    vystup->setPlainText(lines.join('\n'));
    vystup->setFocus();
    vystup->moveCursor(QTextCursor::Start);
}

void Tstatm::cellEdited(int row, int column)
{
    const QTableWidgetItem* item = datar->item(row, column);
    m_engine.datar[static_cast<size_t>(row) + 1][static_cast<size_t>(dataColumn(column))] =
        item ? item->text().toStdString() : std::string();
}

// A header drag only moves the view's section; the data itself moves in the engine and the
// view goes back to its plain order, so what is shown is what is computed.
void Tstatm::datarColumnMoved(int, int oldVisual, int newVisual)
{
    {
        const QSignalBlocker block(datar->horizontalHeader());
        datar->horizontalHeader()->moveSection(newVisual, oldVisual);
    }
    m_engine.datarColumnMoved(dataColumn(oldVisual), dataColumn(newVisual));
    showTable();
}

void Tstatm::datarRowMoved(int, int oldVisual, int newVisual)
{
    {
        const QSignalBlocker block(datar->verticalHeader());
        datar->verticalHeader()->moveSection(newVisual, oldVisual);
    }
    m_engine.datarRowMoved(oldVisual + 1, newVisual + 1);
    showTable();
}

void Tstatm::import(Column target)
{
    m_engine.import(target);
    showTable();
}

void Tstatm::PridButClick()
{
    m_engine.PridButClick();
    showTable();
}

void Tstatm::UberButClick()
{
    m_engine.UberButClick();
    showTable();
}

void Tstatm::VymButClick()
{
    m_engine.VymButClick();
    showTable();
}

void Tstatm::VypButClick()
{
    m_engine.VypButClick();
    showOutput();
}

void Tstatm::VztahButClick()
{
    m_engine.VztahButClick();
    showOutput();
}

// The texts of the language file; the defaults are the Czech texts.
void Tstatm::popis(const ui::Language& language)
{
    using ui::TextRole;
    ui::applyTexts(language, {
        {this, TextRole::Title, "stat", "Statistika"},
        {PridBut, TextRole::Text, "addbut", "&Přidat"},
        {UberBut, TextRole::Text, "delbut", "U&brat"},
        {VymBut, TextRole::Text, "delallbut", "Vy&mazat"},
        {VypBut, TextRole::Text, "analyzexbut", "&Vypočti X"},
        {VztahBut, TextRole::Text, "analyzexybut", "V&ypočti X ~ Y"},
        {ZavBut, TextRole::Text, "close", "&Zavřít"},
        {VypBut, TextRole::ToolTip, "analyzex", "vypočti X"},
        {VztahBut, TextRole::ToolTip, "analyzexy", "vypočti X ~ Y"},
        {PridBut, TextRole::ToolTip, "addrow", "přidat řádek"},
        {UberBut, TextRole::ToolTip, "delrow", "ubrat řádek"},
        {VymBut, TextRole::ToolTip, "delall", "vymazat vše"},
        {ImpxBut, TextRole::ToolTip, "import", "Importovat", " X"},
        {ImpyBut, TextRole::ToolTip, "import", "Importovat", " Y"},
        {datar, TextRole::Name, "data", "data"},
        {toolBar->findChild<QToolButton*>("qt_toolbar_ext_button"), TextRole::Name, "moretools", "Další nástroje"},
        {vystup, TextRole::Name, "results", "výsledky"},
    });
}

} // namespace tools
