// Skins and the two views of the main window: the full keypad and the collapsed title strip.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/umain.h"
#include "ui/colors.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <QToolButton>
#include <QToolTip>

namespace keypad {

namespace {

void applyLabelLook(QLabel* label, const ui::LabelPlace& place, bool fixedSize)
{
    QFont font(QString::fromStdString(place.name));
    font.setPointSize(place.size);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, ui::toQColor(place.color));
    label->setPalette(pal);
    label->move(place.left, place.top);
    if (fixedSize)
        label->resize(place.width, place.height);
    else
        label->adjustSize();
}

} // namespace

void Tmain::skinuj(const std::string& name)
{
    m_skinDir = m_programDir / "skins" / name;
    const platform::IniFile file(m_programDir / "skins" / (name + ".ini"));
    m_skin = ui::loadSkin(file);
    m_reportedPictures.clear();
    // A view of size 0 would leave the program running with no window to reach.
    if (const std::string error = ui::refuseHiddenViews(m_skin); !error.empty())
        showError(error);

    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::toQColor(m_skin.color));
    setPalette(pal);
    QPalette tip = QToolTip::palette();
    tip.setColor(QPalette::ToolTipBase, ui::toQColor(m_skin.hintColor));
    tip.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tip);

    // The display and the exponent keep the skin's size (the display is right-aligned in it);
    // the other labels size themselves to their text.
    QLabel* const labels[] = {display, zavorky, sif, expon, deg, soustava};
    for (size_t i = 0; i < ui::labelNames.size(); ++i)
        applyLabelLook(labels[i], m_skin.labels[i], labels[i] == display || labels[i] == expon);
    fitDisplayFont();

    QFont digit(QString::fromStdString(m_skin.label(ui::LabelId::deg).name));
    digit.setPixelSize(std::max(1, m_skin.pamSize * 3 / 4));
    digit.setBold(true);
    for (int i = 0; i < kMemories; ++i) {
        indicators[i]->setGeometry(m_skin.pamLeft + i * m_skin.pamInter, m_skin.pamTop, m_skin.pamSize,
                                   m_skin.pamSize);
        indicators[i]->setFont(digit);
    }
    for (int i = 1; i <= kMemories; ++i)
        refreshMemoryCaption(i);

    for (size_t i = 0; i < m_keys.size(); ++i) {
        const ui::KeyPlace& k = m_skin.keys[i];
        m_keys[i]->setGeometry(k.left, k.top, k.width, k.height);
        m_keys[i]->setPic(k.pic);
        m_keys[i]->setPicture({});
    }

    for (QToolButton* b : {uzavbut, uminbut, urefbut})
        b->resize(m_skin.butSize, m_skin.butSize);
    uabobut->setGeometry(m_skin.aboutLeft, m_skin.aboutTop, m_skin.aboutWidth, m_skin.aboutHeight);
    Refresh();
}

bool Tmain::loadPicture(const char* file)
{
    const std::filesystem::path path = m_skinDir / file;
    const QPixmap picture = loadSkinBitmap(path, devicePixelRatioF(), false);
    if (picture.isNull()) {
        showError("Skin bitmap \"" + path.string() + "\" is missing or is not a picture.");
        return false;
    }
    pozadi->setPixmap(picture);
    pozadi->setGeometry(QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
    return true;
}

void Tmain::setRoundedRegion()
{
    QPainterPath path;
    const double r = m_skin.diametr / 2.0;
    path.addRoundedRect(QRectF(0, 0, width(), height()), r, r);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void Tmain::placeTitleButtons(bool strip)
{
    const int left = strip ? m_skin.butUleft : m_skin.butLeft;
    const int top = strip ? m_skin.butUtop : m_skin.butTop;
    uminbut->move(left, top);
    urefbut->move(left + m_skin.butInter, top);
    uzavbut->move(left + 2 * m_skin.butInter, top);
}

void Tmain::Refresh()
{
    if (!loadPicture("backg.bmp"))
        return;
    m_titleStrip = false;
    setFixedSize(m_skin.width, m_skin.height);
    setRoundedRegion();
    if (const std::string error = ui::titleButtonsError(m_skin, false); !error.empty()) {
        showError(error);
        return;
    }
    placeTitleButtons(false);
    urefbut->setProperty("runs", "AUpize");
    uzavbut->setProperty("runs", "AHelp");
    uzavbut->setText({});
    updateTitleButtonHints();
    pozadi->lower();
}

void Tmain::AUpizeExecute()
{
    if (!loadPicture("title.bmp"))
        return;
    m_titleStrip = true;
    setFixedSize(m_skin.upwidth, m_skin.upheight);
    setRoundedRegion();
    if (const std::string error = ui::titleButtonsError(m_skin, true); !error.empty()) {
        showError(error);
        return;
    }
    placeTitleButtons(true);
    urefbut->setProperty("runs", "ARefresh");
    uzavbut->setProperty("runs", "AClose");
    updateTitleButtonHints();
    // The picture covers the keys and labels; only the three title buttons stay usable.
    pozadi->raise();
    uminbut->raise();
    uzavbut->raise();
    urefbut->raise();
}

} // namespace keypad
