#include "keypad/windows/umain.h"

#include "keypad/windows/keyimage.h"
#include "keypad/windows/keypad_accessible.h"
#include "keypad/windows/keypad_log.h"
#include "keypad/windows/udmsdeg.h"
#include "keypad/windows/utrail.h"
#include "platform/floattext.h"
#include "platform/qt/window_place.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <chrono>

namespace keypad {

Tmain::Tmain(platform::Services& services, settings::Settings& settings, std::filesystem::path programDir,
             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services), m_settings(settings),
      m_programDir(std::move(programDir)), m_engine(services)
{
    setObjectName("main");
    setWindowTitle("ZOLT CALC");
    setFocusPolicy(Qt::StrongFocus);
    installKeypadAccessibility();
    m_engine.setListener(this);
    spoust.setSingleShot(true);
    spoust.setInterval(100);
    connect(&spoust, &QTimer::timeout, this, &Tmain::spoustTimer);
    priprava();
    createActions();
    createMenus();
}

Tmain::~Tmain()
{
    m_engine.setListener(nullptr);
}

void Tmain::attach(Ttrail* trail, Tdmsdeg* dmsDialog)
{
    m_trail = trail;
    m_dms = dmsDialog;
    trailChanged();
}

// Creates the face: the picture, the labels, the key areas, the memory indicators and the
// title buttons. The skin places them (skinuj).
void Tmain::priprava()
{
    pozadi = new QLabel(this);
    pozadi->setObjectName("pozadi");
    display = createLabel("display");
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setFocusPolicy(Qt::TabFocus); // a screen reader reads it when Tab reaches it
    zavorky = createLabel("zavorky");
    sif = createLabel("sif");
    expon = createLabel("expon");
    expon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    deg = createLabel("deg");
    soustava = createLabel("soustava");

    for (const char* name : ui::keyNames)
        m_keys.push_back(new KeyImage(this, name, this));

    for (int i = 0; i < kMemories; ++i) {
        auto* ind = new QLabel(QString::number(i + 1), this);
        ind->setObjectName(QString("pam%1").arg(i + 1));
        ind->setAlignment(Qt::AlignCenter);
        ind->setToolTip(QString("M%1").arg(i + 1));
        indicators[i] = ind;
    }

    auto titleButton = [this](const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        // The skin's picture draws the buttons; these are click areas over it.
        b->setStyleSheet("QToolButton { background: transparent; border: none; }"
                         "QToolButton:pressed { background: rgba(0, 0, 0, 60); border-radius: 4px; }");
        return b;
    };
    uminbut = titleButton("uminbut");
    urefbut = titleButton("urefbut");
    uzavbut = titleButton("uzavbut");
    uabobut = titleButton("uabobut");
}

QLabel* Tmain::createLabel(const char* name)
{
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setTextFormat(Qt::PlainText);
    return l;
}

KeyImage* Tmain::key(const QString& name) const
{
    for (KeyImage* k : m_keys)
        if (k->objectName() == name)
            return k;
    return nullptr;
}

void Tmain::run(const std::function<void()>& f)
{
    f();
    if (m_dmsPending) {
        m_dmsPending = false;
        showDmsDialog();
    }
}

void Tmain::showDmsDialog()
{
    if (!m_dms)
        return;
    if (m_dms->exec() == QDialog::Accepted)
        m_engine.dmsEntry(m_dms->degrees(), m_dms->minutes(), m_dms->seconds());
}

void Tmain::labelsChanged()
{
    const Labels& l = m_engine.labels();
    display->setText(QString::fromStdString(l.display));
    fitDisplayFont();
    const std::pair<QLabel*, const std::string*> sized[] = {
        {zavorky, &l.zavorky}, {sif, &l.sif}, {expon, &l.expon}, {deg, &l.deg}, {soustava, &l.soustava}};
    for (auto [label, text] : sized) {
        label->setText(QString::fromStdString(*text));
        if (label != expon)
            label->adjustSize();
    }
    describeDisplay();
}

// The display's accessible name is its value, as the trail writes it; its description lists the
// indicators beside it. A screen reader hears the name change with every key.
void Tmain::describeDisplay()
{
    const Labels& l = m_engine.labels();
    QString value = QString::fromStdString(l.display);
    if (!l.expon.empty() && l.expon != "000" && l.expon != "-000")
        value += "e" + QString::number(QString::fromStdString(l.expon).toInt());
    QStringList indicators;
    for (const std::string* text : {&l.deg, &l.soustava, &l.sif})
        if (!text->empty())
            indicators << QString::fromStdString(*text);
    if (!l.zavorky.empty())
        indicators << QString::fromStdString(l.zavorky).simplified().remove(' ');
    for (int i = 1; i <= kMemories; ++i)
        if (m_engine.memoryIndicator(i))
            indicators << QString("M%1").arg(i);
    if (display->accessibleName() != value) {
        display->setAccessibleName(value);
        qCDebug(keypadLog) << "display" << value;
    }
    display->setAccessibleDescription(indicators.join(", "));
}

// A long number with group separators may not fit the skin's display: the font then shrinks
// (down to two thirds of the skin's size) rather than cutting off the leading digits.
void Tmain::fitDisplayFont()
{
    const ui::LabelPlace& place = m_skin.label(ui::LabelId::display);
    QFont font = display->font();
    const int smallest = std::max(1, place.size * 2 / 3);
    for (int size = place.size; size >= smallest; --size) {
        font.setPointSize(size);
        if (size == smallest || QFontMetrics(font).horizontalAdvance(display->text()) <= display->width())
            break;
    }
    if (font != display->font())
        display->setFont(font);
}

void Tmain::trailChanged()
{
    if (m_trail)
        m_trail->setText(m_engine.trail());
}

void Tmain::memoryChanged(int index)
{
    refreshMemoryCaption(index);
}

void Tmain::applyEngineSettings()
{
    m_engine.applySettings(engineSettings());
}

Settings Tmain::engineSettings() const
{
    Settings s;
    s.format.base = m_settings.numberBase;
    s.format.digits = m_settings.numberOfDigits;
    s.format.decimals = m_settings.decimals;
    s.format.leadingZeros = m_settings.leadingZeros;
    s.format.scientific = m_settings.format == settings::OutputForm::Scientific;
    s.format.rounding = m_settings.rounding;
    s.format.separator = m_settings.separator;
    s.priority = m_settings.operationPriority;
    return s;
}

// The keypad's share of start-up, in the order the program applies it.
void Tmain::applySettings()
{
    platform::restorePlace(this, {{m_settings.mainLeft, m_settings.mainTop}, {}});
    if (m_trail) {
        // The trail's height follows its font: placed once it has it.
        m_trail->applyLook(m_settings.trailFont, m_settings.trailBackground);
        m_trail->setWidth(m_settings.trailWidth);
        platform::restorePlace(m_trail, {{m_settings.trailLeft, m_settings.trailTop}, {}});
    }
    applyShortcuts();
    m_engine.seedRandom(static_cast<std::uint64_t>(m_services.now().time_since_epoch().count()));
    m_engine.start(engineSettings(), m_settings.angleUnits, m_settings.memories);
    for (int i = 1; i <= kMemories; ++i)
        refreshMemoryCaption(i);
    setRoundedRegion();
    labelsChanged();
    trailChanged();
    // The trail is shown after the main window (Program::show), so that it lies above it.
    if (m_trail && !m_settings.trailActive)
        m_trail->hide();
}

void Tmain::collectSettings()
{
    const platform::WindowPlace main = platform::placeToSave(this);
    m_settings.mainLeft = main.corner.x();
    m_settings.mainTop = main.corner.y();
    if (m_trail) {
        const platform::WindowPlace trail = platform::placeToSave(m_trail);
        m_settings.trailLeft = trail.corner.x();
        m_settings.trailTop = trail.corner.y();
        m_settings.trailWidth = trail.size.width();
        m_settings.trailActive = m_trail->isVisible();
    }
    m_settings.angleUnits = m_engine.labels().deg;
    for (int i = 1; i <= kMemories; ++i)
        m_settings.memories[static_cast<size_t>(i - 1)] = m_engine.memory(i);
}

void Tmain::vypni()
{
    if (m_host)
        m_host->vypni();
    else
        close();
}

void Tmain::closeEvent(QCloseEvent* e)
{
    if (m_host && !m_host->FormCloseQuery()) {
        e->ignore();
        return;
    }
    if (m_trail)
        m_trail->hide();
    e->accept();
    emit closed();
}

void Tmain::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange)
        ShortCuts(isActiveWindow());
    QWidget::changeEvent(e);
}

void Tmain::showError(const std::string& text)
{
    m_services.message(platform::MessageKind::Error, text);
}

} // namespace keypad
