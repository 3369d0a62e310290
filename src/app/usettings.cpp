#include "app/usettings.h"

#include "platform/qt/fixed_window.h"
#include "platform/qt/keyboard_order.h"
#include "platform/services.h"
#include "keypad/number_format.h"
#include "ui/skin.h"
#include "ui/window_texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

QSpinBox* spin(QWidget* parent, const char* name, int lo, int hi, int value)
{
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setValue(value);
    // Arrows only: the number is stepped, never typed.
    s->findChild<QLineEdit*>()->setReadOnly(true);
    return s;
}

QCheckBox* check(QWidget* parent, const char* name, const char* text)
{
    auto* c = new QCheckBox(QString::fromUtf8(text), parent);
    c->setObjectName(name);
    return c;
}

// Fills a list with the names of dir/*.ini and selects the saved index, or the first item.
int fillList(QComboBox* combo, const std::filesystem::path& dir, int& saved)
{
    for (const std::string& name : ui::listIniNames(dir))
        combo->addItem(QString::fromStdString(name));
    if (saved < 0 || saved >= combo->count())
        saved = 0;
    combo->setCurrentIndex(combo->count() ? saved : -1);
    return combo->currentIndex();
}

// A settings file that names no language: the language of the user's locale, or English.
int firstStartLanguage(const std::filesystem::path& dir)
{
    std::vector<std::string> locales;
    for (const std::string& name : ui::listIniNames(dir))
        locales.push_back(ui::Language(dir / (name + ".ini")).text("locale", ""));
    return ui::languageForUser(locales, platform::messagesLanguage());
}

} // namespace

Tsettings::Tsettings(settings::Settings& settings, const std::filesystem::path& programDir, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_programDir(programDir)
{
    platform::makeFixedWindow(this);
    setObjectName("settings");
    setWindowTitle(" Nastavení");

    format = new QGroupBox(" Formát výstupu ", this);
    format->setObjectName("format");
    formatGroup = new QButtonGroup(this);
    auto* formatLayout = new QVBoxLayout(format);
    const char* items[] = {"Normální", "Vědecký"};
    const char* names[] = {"normal", "scient"};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(QString::fromUtf8(items[i]), format);
        r->setObjectName(names[i]);
        formatGroup->addButton(r, i);
        formatLayout->addWidget(r);
    }

    poccis = spin(this, "poccis", keypad::digitsLimit.min, keypad::digitsLimit.max, 14);
    desmista = spin(this, "desmista", keypad::decimalsLimit.min, keypad::decimalsLimit.max, 10);
    leadzeros = spin(this, "leadzeros", keypad::leadingZerosLimit.min, keypad::leadingZerosLimit.max, 5);
    zaokrouhl = check(this, "zaokrouhl", "Zaokrouhlovat poslední číslici");
    BaseCombo = new QComboBox(this);
    BaseCombo->setObjectName("BaseCombo");
    for (int b = keypad::baseLimit.min; b <= keypad::baseLimit.max; ++b)
        BaseCombo->addItem(QString::number(b));
    separ = new QLineEdit(this);
    separ->setObjectName("separ");
    prior = check(this, "prior", "Uplatňovat prioritu operací");
    hints = check(this, "hints", "Zobrazovat krátkou vystupující nápovědu");
    aot = check(this, "aot", "Vždy navrchu");
    SkinCombo = new QComboBox(this);
    SkinCombo->setObjectName("SkinCombo");
    LangCombo = new QComboBox(this);
    LangCombo->setObjectName("LangCombo");
    ZavBut = new QPushButton("Zavřít", this);
    ZavBut->setObjectName("ZavBut");
    ZavBut->setDefault(true);
    NapBut = new QPushButton("Nápověda", this);
    NapBut->setObjectName("NapBut");
    SetBut = new QPushButton("settings.ini", this);
    SetBut->setObjectName("SetBut");

    poccisLabel = new QLabel("počet číslic", this);
    desmistaLabel = new QLabel("desetinných míst", this);
    leadzerosLabel = new QLabel("max. počet úvodních nul", this);
    BaseLabel = new QLabel("číselná soustava", this);
    separLabel = new QLabel("oddělovač řádů", this);
    SkinLabel = new QLabel("vzhled", this);
    LangLabel = new QLabel("jazyk", this);
    const std::pair<QLabel*, QWidget*> buddies[] = {{poccisLabel, poccis}, {desmistaLabel, desmista},
                                                    {leadzerosLabel, leadzeros}, {BaseLabel, BaseCombo},
                                                    {separLabel, separ}, {SkinLabel, SkinCombo}, {LangLabel, LangCombo}};
    for (const auto& [label, field] : buddies)
        label->setBuddy(field); // its name for a screen reader, and its key
    auto* form = new QFormLayout;
    form->addRow(poccisLabel, poccis);
    form->addRow(desmistaLabel, desmista);
    form->addRow(leadzerosLabel, leadzeros);
    form->addRow(BaseLabel, BaseCombo);
    form->addRow(separLabel, separ);
    form->addRow(SkinLabel, SkinCombo);
    form->addRow(LangLabel, LangCombo);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetBut);
    buttons->addStretch();
    buttons->addWidget(NapBut);
    buttons->addWidget(ZavBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(format);
    layout->addLayout(form);
    for (QCheckBox* c : {zaokrouhl, prior, hints, aot})
        layout->addWidget(c);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Tab follows the layout, top to bottom (the controls were made in another order).
    platform::chainTabOrder({formatGroup->button(0), formatGroup->button(1), poccis, desmista, leadzeros, BaseCombo,
                             separ, SkinCombo, LangCombo, zaokrouhl, prior, hints, aot, SetBut, NapBut, ZavBut});

    // FormCreate: the lists and the saved selections; the program applies the skin.
    m_skinTag = fillList(SkinCombo, m_programDir / "skins", m_settings.skin);
    int language = m_settings.language ? *m_settings.language : firstStartLanguage(m_programDir / "langs");
    m_langTag = fillList(LangCombo, m_programDir / "langs", language);
    m_settings.language = language;
    loadControls();
    // The edit holds what was typed; only its first character is the separator.
    separ->setText(QString::fromStdString(m_settings.separator));

    connect(formatGroup, &QButtonGroup::idClicked, this, [this] { formatClick(); storeNumberFormat(); });
    for (QSpinBox* s : {poccis, desmista, leadzeros})
        connect(s, &QSpinBox::valueChanged, this, [this] { poccisChange(); storeNumberFormat(); });
    for (QCheckBox* c : {zaokrouhl, prior})
        connect(c, &QCheckBox::toggled, this, [this] { storeNumberFormat(); });
    connect(BaseCombo, &QComboBox::currentIndexChanged, this, [this] { storeNumberFormat(); });
    connect(SkinCombo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0 || i == m_skinTag)
            return;
        m_skinTag = m_settings.skin = i;
        emit skinChanged();
    });
    connect(LangCombo, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i < 0 || i == m_langTag)
            return;
        m_langTag = i;
        m_settings.language = i;
        emit languageChanged();
    });
    connect(ZavBut, &QPushButton::clicked, this, &Tsettings::okej);
    connect(NapBut, &QPushButton::clicked, this, &Tsettings::helpRequested);
    connect(SetBut, &QPushButton::clicked, this, &Tsettings::settingsFileRequested);
}

std::string Tsettings::skinName() const
{
    return SkinCombo->currentIndex() < 0 ? std::string() : SkinCombo->currentText().toStdString();
}

std::string Tsettings::languageFile() const
{
    return LangCombo->currentIndex() < 0 ? std::string() : LangCombo->currentText().toStdString();
}

void Tsettings::loadControls()
{
    m_loading = true;
    formatGroup->button(static_cast<int>(m_settings.format))->setChecked(true);
    poccis->setValue(m_settings.numberOfDigits);
    desmista->setValue(m_settings.decimals);
    leadzeros->setValue(m_settings.leadingZeros);
    zaokrouhl->setChecked(m_settings.rounding);
    BaseCombo->setCurrentIndex(m_settings.numberBase - 2);
    prior->setChecked(m_settings.operationPriority);
    hints->setChecked(m_settings.hints);
    aot->setChecked(m_settings.alwaysOnTop);
    m_loading = false;
}

void Tsettings::showEvent(QShowEvent* e)
{
    loadControls();
    formatClick();
    poccisChange();
    QDialog::showEvent(e);
}

// Decimals and leading zeros mean something only in the normal format.
void Tsettings::formatClick()
{
    const bool normal = formatGroup->checkedId() == 0;
    for (QWidget* w : std::initializer_list<QWidget*>{desmista, leadzeros, desmistaLabel, leadzerosLabel})
        w->setEnabled(normal);
}

// Keeps decimals below the digits and leading zeros at most the decimals.
void Tsettings::poccisChange()
{
    desmista->setValue(std::max(0, std::min(desmista->value(), poccis->value() - 1)));
    leadzeros->setValue(std::max(0, std::min(leadzeros->value(), desmista->value())));
}

void Tsettings::storeNumberFormat()
{
    if (m_loading)
        return;
    m_settings.format = formatGroup->checkedId() == static_cast<int>(settings::OutputForm::Scientific)
                            ? settings::OutputForm::Scientific
                            : settings::OutputForm::Normal;
    m_settings.numberOfDigits = poccis->value();
    m_settings.decimals = desmista->value();
    m_settings.leadingZeros = leadzeros->value();
    m_settings.rounding = zaokrouhl->isChecked();
    m_settings.numberBase = BaseCombo->currentIndex() + 2;
    m_settings.operationPriority = prior->isChecked();
    emit numberFormatChanged();
}

void Tsettings::okej()
{
    apply();
    accept();
}

void Tsettings::reject()
{
    apply();
    QDialog::reject();
}

// Any first character is taken here; settings.ini refuses the ambiguous ones when it is read.
void Tsettings::apply()
{
    m_settings.hints = hints->isChecked();
    m_settings.alwaysOnTop = aot->isChecked();
    m_settings.separator = separatorText();
    storeNumberFormat();
    emit closing();
}

std::string Tsettings::separatorText() const
{
    // The first character, which may take two UTF-16 units.
    const QString text = separ->text();
    const qsizetype first = !text.isEmpty() && text.at(0).isHighSurrogate() ? 2 : 1;
    return text.left(first).toStdString();
}

void Tsettings::popis(const ui::Language& language)
{
    using ui::TextRole;
    ui::applyTexts(language, {
        {this, TextRole::Title, "settings", "Nastavení"},
        {format, TextRole::Text, "format", " Formát výstupu "},
        {formatGroup->button(0), TextRole::Text, "normal", "&Normální"},
        {formatGroup->button(1), TextRole::Text, "scient", "&Vědecký"},
        {poccisLabel, TextRole::Text, "digits", "&počet číslic"},
        {desmistaLabel, TextRole::Text, "decimals", "d&esetinných míst"},
        {zaokrouhl, TextRole::Text, "rndcipher", "Zaok&rouhlovat poslední číslici"},
        {leadzerosLabel, TextRole::Text, "leadzeros", "&max. počet úvodních nul"},
        {BaseLabel, TextRole::Text, "numbase", "čí&selná soustava"},
        {SkinLabel, TextRole::Text, "skin", "vz&hled"},
        {LangLabel, TextRole::Text, "lang", "&jazyk"},
        {hints, TextRole::Text, "hints", "Zobrazovat &krátkou vystupující nápovědu"},
        {prior, TextRole::Text, "priority", "&Uplatňovat prioritu operací"},
        {aot, TextRole::Text, "ontop", "Vždy n&avrchu"},
        {separLabel, TextRole::Text, "ordsep", "&oddělovač řádů"},
        {ZavBut, TextRole::Text, "close", "&Zavřít"},
        {NapBut, TextRole::Text, "help", "Nápově&da"},
        {SetBut, TextRole::Text, "inifile", "settings.&ini"},
    });
}

} // namespace app
