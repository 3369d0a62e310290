#include "umacros.h"

#include "macros/macro_host.h"
#include "platform/qt/fixed_window.h"
#include "ui/language.h"
#include "ui/window_texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int gridWidth = 320;
constexpr int captionWidth = 160;
// Each grid row is 21 pixels high; a grid adds its frame, the window its caption, buttons and
// margins around the taller grid.
constexpr int rowHeight = 21;
constexpr int gridFrame = 5;
constexpr int windowFrame = 107;

int gridHeight(size_t rows)
{
    return static_cast<int>(rows) * rowHeight + gridFrame;
}

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

void Tmacros::fill(QTableWidget* grid, bool valuesEditable, bool inputs)
{
    const macros::MacroWindowState& w = m_host.window();
    const auto& rows = inputs ? w.inputs : w.results;
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    grid->setFixedHeight(gridHeight(rows.size()));
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
    fill(inpdata, true, true);
    fill(results, false, false);
    const size_t rows = std::max(w.inputs.size(), w.results.size());
    setFixedSize(2 * gridWidth + 30, static_cast<int>(rows) * rowHeight + windowFrame);
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

// The texts of the language file (the defaults are the Czech texts); the language also gives
// the macro captions the window shows.
void Tmacros::popis(const ui::Language& language)
{
    m_language = &language;
    using ui::TextRole;
    ui::applyTexts(language, {
        {VypBut, TextRole::Text, "compute", "Vypočti"},
        {inpdata, TextRole::Name, "input", "Vstupy"},
        {results, TextRole::Name, "output", "Výstupy"},
        {ZavBut, TextRole::Text, "close", "Zavřít"},
    });
}
