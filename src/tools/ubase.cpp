#include "ubase.h"

#include "ui/window_texts.h"

#include "platform/qt/fixed_window.h"
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace tools {

namespace {

constexpr int kInputLength = 18;

QComboBox* baseCombo(const char* name)
{
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : {"2", "3", "4", "5", "6", "7", "8", "9", "10", "16", "32"})
        combo->addItem(item);
    return combo;
}

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

} // namespace

Tbase::Tbase(platform::Services& services, QWidget* parent) : QDialog(parent), m_engine(services)
{
    platform::makeFixedWindow(this);
    setObjectName("base");
    setWindowTitle(QString::fromUtf8(" Převody mezi číselnými soustavami"));

    vstup = new QLineEdit;
    vstup->setObjectName("vstup");
    vstup->setMaxLength(kInputLength);
    puvod = baseCombo("puvod");
    vystup = new QLineEdit;
    vystup->setObjectName("vystup");
    vystup->setReadOnly(true);
    nova = baseCombo("nova");
    mista = new QSpinBox;
    mista->setObjectName("mista");
    mista->setRange(0, 15);
    mista->findChild<QLineEdit*>()->setReadOnly(true); // changed only by its arrows
    PrevBut = new QPushButton(QString::fromUtf8("Převést"));
    PrevBut->setObjectName("PrevBut");
    PrevBut->setDefault(true);
    ZamnBut = new QPushButton(QString::fromUtf8("Zaměnit"));
    ZamnBut->setObjectName("ZamnBut");
    ZavBut = new QPushButton(QString::fromUtf8("Zavřít"));
    ZavBut->setObjectName("ZavBut");
    for (QPushButton* b : {PrevBut, ZamnBut, ZavBut})
        b->setAutoDefault(false);
    PrevBut->setAutoDefault(true);

    vstupLabel = new QLabel(QString::fromUtf8("Číslo v původní soustavě :"));
    puvodLabel = new QLabel(QString::fromUtf8("Původní soustava :"));
    vystupLabel = new QLabel(QString::fromUtf8("Číslo v nové soustavě :"));
    novaLabel = new QLabel(QString::fromUtf8("Nová soustava :"));
    mistaLabel = new QLabel(QString::fromUtf8("Počet desetinných míst za čárkou :"));
    vstupLabel->setBuddy(vstup);
    vystupLabel->setBuddy(vystup);
    puvodLabel->setBuddy(puvod);
    novaLabel->setBuddy(nova);
    mistaLabel->setBuddy(mista);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    grid->addWidget(vstupLabel, 0, 0);
    grid->addWidget(puvodLabel, 0, 1);
    grid->addWidget(vstup, 1, 0);
    grid->addWidget(puvod, 1, 1);
    grid->setRowMinimumHeight(2, 8);
    grid->addWidget(vystupLabel, 3, 0);
    grid->addWidget(novaLabel, 3, 1);
    grid->addWidget(vystup, 4, 0);
    grid->addWidget(nova, 4, 1);
    grid->setRowMinimumHeight(5, 8);
    grid->addWidget(mistaLabel, 6, 0, Qt::AlignRight);
    grid->addWidget(mista, 6, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(0, 190);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(PrevBut);
    buttons->addWidget(ZamnBut);
    buttons->addWidget(ZavBut);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A swapped-in result may be longer than can be typed; the limit returns once the user has
    // shortened the text to it, so a swap never cuts digits off.
    connect(vstup, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.size() <= kInputLength)
            vstup->setMaxLength(kInputLength);
    });
    connect(PrevBut, &QPushButton::clicked, this, &Tbase::prevedClick);
    connect(ZamnBut, &QPushButton::clicked, this, &Tbase::ZamButClick);
    connect(ZavBut, &QPushButton::clicked, this, &Tbase::ZavButClick);
    connect(mista, &QSpinBox::valueChanged, this, &Tbase::mistaChange);

    showState();
}

void Tbase::pull()
{
    m_engine.vstup = s(vstup->text());
    m_engine.puvod = s(puvod->currentText());
    m_engine.vystup = s(vystup->text());
    m_engine.nova = s(nova->currentText());
    m_engine.mista = mista->value();
}

void Tbase::showState()
{
    const QSignalBlocker block(mista);
    const BaseConversion& state = m_engine;
    vstup->setMaxLength(std::max<int>(kInputLength, static_cast<int>(state.vstup.size())));
    vstup->setText(q(state.vstup));
    puvod->setCurrentText(q(state.puvod));
    vystup->setText(q(state.vystup));
    vystup->setCursorPosition(0);
    nova->setCurrentText(q(state.nova));
    mista->setValue(state.mista);
}

void Tbase::prevedClick()
{
    vstup->setFocus();
    pull();
    m_engine.prevedClick();
    showState();
}

void Tbase::ZamButClick()
{
    vstup->setFocus();
    pull();
    m_engine.ZamButClick();
    showState();
}

void Tbase::mistaChange()
{
    vstup->setFocus();
    pull();
    m_engine.mistaChange();
    showState();
}

// The texts of the language file; the defaults are the Czech texts.
void Tbase::popis(const ui::Language& language)
{
    using ui::TextRole;
    ui::applyTexts(language, {
        {this, TextRole::Title, "base", "Převody mezi soustavami"},
        {vstupLabel, TextRole::Text, "oldnum", "Čí&slo v původní soustavě :"},
        {vystupLabel, TextRole::Text, "newnum", "Číslo v &nové soustavě :"},
        {puvodLabel, TextRole::Text, "oldbase", "Pů&vodní soustava :"},
        {novaLabel, TextRole::Text, "newbase", "Nová s&oustava :"},
        {PrevBut, TextRole::Text, "convert", "&Převést"},
        {mistaLabel, TextRole::Text, "basedec", "Počet &desetinných míst za čárkou :"},
        {ZamnBut, TextRole::Text, "change", "Za&měnit"},
        {ZavBut, TextRole::Text, "close", "&Zavřít"},
    });
    // The field of an editable box is read out as a field of its own.
    for (const auto& [box, label] : {std::pair(puvod, puvodLabel), std::pair(nova, novaLabel)})
        box->lineEdit()->setAccessibleName(QString::fromStdString(ui::withoutMnemonic(label->text().toStdString())));
}

} // namespace tools
