#include "umacros.h"

#include "macros/macro_host.h"
#include "platform/qt/fixed_window.h"
#include "ui/language.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int gridWidth = 320;
constexpr int captionWidth = 160;
constexpr int rowHeight = 21;

QTableWidget* makeGrid(const char* name, QWidget* parent)
{
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setColumnWidth(0, captionWidth);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFixedWidth(gridWidth);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

} // namespace

Tmacros::Tmacros(macros::MacroHost& host, keypad::Engine& engine, QWidget* parent)
    : QDialog(parent), m_host(host), m_engine(engine)
{
    platform::makeFixedWindow(this);
    setObjectName(QStringLiteral("macros"));
    inpdata = makeGrid("inpdata", this);
    results = makeGrid("results", this);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Hints a language file may replace (keys "input" and "output").
    inpdata->setToolTip(QStringLiteral("Vstupy"));
    results->setToolTip(QStringLiteral("Výstupy"));

    VypBut = new QPushButton(QStringLiteral("Vypočti"), this);
    VypBut->setObjectName(QStringLiteral("VypBut"));
    VypBut->setDefault(true);
    VypBut->setAutoDefault(true);
    ZavBut = new QPushButton(QStringLiteral("Zavřít"), this);
    ZavBut->setObjectName(QStringLiteral("ZavBut"));
    ZavBut->setAutoDefault(false);
    connect(VypBut, &QPushButton::clicked, this, &Tmacros::Macrize);
    connect(ZavBut, &QPushButton::clicked, this, &QWidget::hide);

    auto* grids = new QHBoxLayout;
    grids->addWidget(inpdata, 0, Qt::AlignTop);
    grids->addWidget(results, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(VypBut);
    buttons->addWidget(ZavBut);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(grids);
    layout->addStretch();
    layout->addLayout(buttons);
}

void Tmacros::fill(QTableWidget* grid, int height, bool valuesEditable, bool inputs)
{
    const macros::MacroWindowState& w = m_host.window();
    const auto& rows = inputs ? w.inputs : w.results;
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    grid->setFixedHeight(height);
    for (int r = 0; r < grid->rowCount(); ++r) {
        const auto& row = rows[static_cast<size_t>(r)];
        const std::string key = w.name + (inputs ? ".incap" : ".outcap") + std::to_string(r + 1);
        auto* caption = new QTableWidgetItem(QString::fromStdString(rowCaption(key, row.caption)));
        caption->setFlags(Qt::ItemIsEnabled);
        grid->setItem(r, 0, caption);
        auto* value = new QTableWidgetItem(QString::fromStdString(row.value));
        value->setFlags(valuesEditable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                       : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(r, 1, value);
    }
}

std::string Tmacros::rowCaption(const std::string& key, const std::string& fileCaption) const
{
    return m_language ? " " + m_language->macroRowCaption(key, fileCaption.substr(1)) : fileCaption;
}

void Tmacros::showMacro()
{
    const macros::MacroWindowState& w = m_host.window();
    // The stored texts start with a blank, which the translated ones get as well.
    setWindowTitle(QString::fromStdString(
        " " + (m_language ? m_language->macroCaption(w.name, w.caption.substr(1)) : w.caption.substr(1))));
    fill(inpdata, w.inputsHeight, true, true);
    fill(results, w.resultsHeight, false, false);
    setFixedSize(2 * gridWidth + 30, w.height);
    show();
    raise();
    activateWindow();
    if (inpdata->rowCount() > 0)
        inpdata->setCurrentCell(0, 1);
}

void Tmacros::Macrize()
{
    // A cell still being edited holds its text in its editor; moving the current cell away
    // commits it (Enter while editing would otherwise compute with the old value).
    const QModelIndex current = inpdata->currentIndex();
    inpdata->setCurrentItem(nullptr);
    inpdata->setCurrentIndex(current);
    std::vector<std::string> texts;
    for (int r = 0; r < inpdata->rowCount(); ++r) {
        const QTableWidgetItem* item = inpdata->item(r, 1);
        texts.push_back(item ? item->text().toStdString() : std::string());
    }
    if (!m_host.Macrize(texts, m_engine))
        return;
    const macros::MacroWindowState& w = m_host.window();
    for (int r = 0; r < results->rowCount(); ++r)
        results->item(r, 1)->setText(QString::fromStdString(w.results[static_cast<size_t>(r)].value));
}
