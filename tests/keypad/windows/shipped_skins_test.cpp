// The skins that ship, as a user meets them: a number read at a glance, readable indicators,
// the number base shown, sharp pictures on high-density screens, and a title strip that drags
// the window.
#include "keypad/windows/keyimage.h"
#include "keypad/windows/umain.h"
#include "platform/headless/headless_services.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using keypad::Tmain;

struct Shipped {
    platform::HeadlessServices services{','};
    settings::Settings settings;
    Tmain main{services, settings, ZOLT_BIN_DIR};
    explicit Shipped(const std::string& skin)
    {
        main.skinuj(skin);
        main.applySettings();
    }
    void setBase(int base)
    {
        settings.numberBase = base;
        main.applyEngineSettings();
    }
};

class ShippedSkin : public testing::TestWithParam<const char*> {};

TEST_P(ShippedSkin, NumberIsLargeAndRightAligned)
{
    Shipped s(GetParam());
    ASSERT_TRUE(s.services.messages.empty()) << s.services.messages[0].text;
    const QLabel* display = s.main.display;
    EXPECT_GE(display->font().pointSize(), 22);
    EXPECT_TRUE(display->alignment() & Qt::AlignRight);
    EXPECT_GE(display->width(), s.main.width() * 7 / 10);
    // The number fills most of its label's height.
    EXPECT_GE(QFontMetrics(display->font()).capHeight() * 2, display->height() * 3 / 4 - 1);
}

TEST_P(ShippedSkin, IndicatorsAreReadable)
{
    Shipped s(GetParam());
    for (const QLabel* l : {s.main.sif, s.main.deg, s.main.zavorky, s.main.soustava})
        EXPECT_GE(l->font().pointSize(), 10) << l->objectName().toStdString();
    for (int i = 0; i < 5; ++i) {
        const QLabel* m = s.main.indicators[i];
        EXPECT_EQ(m->text().toStdString(), std::to_string(i + 1));
        EXPECT_GE(m->height(), 14);
        EXPECT_GE(QFontMetrics(m->font()).capHeight(), 7);
    }
}

TEST_P(ShippedSkin, ShowsTheBaseWhenItIsNotTen)
{
    const struct {
        int base;
        const char* shown;
    } rows[] = {{16, "HEX"}, {8, "OCT"}, {2, "BIN"}, {5, "BASE 5"}, {10, ""}};
    Shipped s(GetParam());
    s.main.show();
    for (const auto& r : rows) {
        s.setBase(r.base);
        EXPECT_EQ(s.main.soustava->text().toStdString(), r.shown) << r.base;
    }
    s.setBase(16);
    // In the row of indicators, clear of the angle unit and of the number.
    const QRect base = s.main.soustava->geometry();
    EXPECT_EQ(base.top(), s.main.deg->geometry().top());
    EXPECT_FALSE(base.intersects(s.main.deg->geometry()));
    EXPECT_FALSE(base.intersects(s.main.display->geometry()));
    EXPECT_TRUE(s.main.soustava->isVisible());
    s.main.hide();
}

TEST_P(ShippedSkin, EveryBitmapHasATwiceAsLargeTwin)
{
    const std::filesystem::path dir = std::filesystem::path(ZOLT_BIN_DIR) / "skins" / GetParam();
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string stem = entry.path().stem().string();
        if (entry.path().extension() != ".bmp" || stem.ends_with("@2x"))
            continue;
        const QImage normal(QString::fromStdString(entry.path().string()));
        const QImage sharp(QString::fromStdString((dir / (stem + "@2x.bmp")).string()));
        EXPECT_EQ(sharp.size(), normal.size() * 2) << stem;
        // At ratio 2 the window takes the twin, drawn at the size of the normal picture.
        const QPixmap loaded = keypad::loadSkinBitmap(entry.path(), 2.0, false);
        EXPECT_EQ(loaded.devicePixelRatio(), 2.0) << stem;
        EXPECT_EQ(loaded.deviceIndependentSize().toSize(), normal.size()) << stem;
        ++checked;
    }
    EXPECT_GE(checked, 3); // backg, title and at least one pressed key
}

// Drags from points of the title strip's caption: the window follows the mouse exactly.
void expectCaptionDrags(Tmain& main, int fromX, int toX, int y)
{
    for (int x = fromX; x < toX; x += 12) {
        const QPoint at(x, y);
        QWidget* target = main.childAt(at);
        if (!target)
            target = &main;
        EXPECT_EQ(qobject_cast<QToolButton*>(target), nullptr) << "a button covers the caption at x " << x;
        main.move(200, 200);
        const QPointF local = target->mapFrom(&main, QPointF(at));
        const QPointF global = target->mapToGlobal(local);
        QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &down);
        for (const QPointF step : {QPointF(5, 3), QPointF(40, 17)}) {
            QMouseEvent move(QEvent::MouseMove, local + step, global + step, Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(target, &move);
        }
        QMouseEvent up(QEvent::MouseButtonRelease, local, global + QPointF(40, 17), Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(target, &up);
        EXPECT_EQ(main.pos(), QPoint(240, 217)) << "drag from x " << x;
    }
}

TEST_P(ShippedSkin, TitleStripCaptionDragsTheWindow)
{
    Shipped s(GetParam());
    const ui::Skin& skin = s.main.skin();
    // The caption runs from the left edge to the about button, which is a small button.
    EXPECT_LE(skin.aboutWidth, 24);
    EXPECT_LE(skin.aboutHeight, 24);
    expectCaptionDrags(s.main, 8, skin.aboutLeft - 4, skin.upheight / 2);
    s.main.AUpizeExecute();
    expectCaptionDrags(s.main, 8, skin.butUleft - 4, skin.upheight / 2);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkin, testing::Values("classic", "graphite"));

} // namespace
