// SPDX-License-Identifier: MIT
// The window as it first appears: caption, frame, state, and the plane drawn before it is shown.
#include "WindowFixture.h"

#include "app/form/PictureBox.h"
#include "slots/SlotTable.h"

#include <QLabel>
#include <QMenuBar>

namespace zelmora::testing {
namespace {

const QColor background{255, 255, 192};
const QColor black{0, 0, 0};

using StartupTest = WindowTest;

TEST_F(StartupTest, CaptionFrameAndState)
{
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Zelmora (Tavrin)"));
    EXPECT_EQ(Form->size(), QSize(935, 650));
    EXPECT_EQ(Window->minimumSize(), Window->maximumSize()) << "the window is not resizable";
    EXPECT_FALSE(Window->windowFlags() & Qt::WindowMaximizeButtonHint);
    // The form is the whole client area below the menu bar.
    EXPECT_EQ(Form->geometry(), QRect(0, Window->menuBar()->height(), 935, 650));
    EXPECT_EQ(Window->size(), QSize(935, 650 + Window->menuBar()->height()));

    EXPECT_EQ(Form->board().geometry().OriginX, 300);
    EXPECT_EQ(Form->board().geometry().OriginY, 300);
    EXPECT_EQ(Form->board().unitPixels(), 22);
    EXPECT_EQ(Form->board().currentSlot(), 0);
    for (float cell : Form->board().slotTable().cells())
        EXPECT_EQ(cell, 0.0f);

    EXPECT_EQ(control("Picture1")->geometry(), QRect(16, 32, 600, 600));
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(StartupTest, WindowShowsTheIconOfTheMenuEntry)
{
    // The icon comes once the window is on screen. Its blue line runs through its centre; an icon
    // that failed to load is empty.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Window->windowIcon().isNull(); }));
    const QImage icon = Window->windowIcon().pixmap(48, 48).toImage();
    ASSERT_EQ(icon.size(), QSize(48, 48));
    const QColor centre = icon.pixelColor(24, 24);
    EXPECT_GT(centre.blue(), 150);
    EXPECT_LT(centre.red(), 80);
}

TEST_F(StartupTest, AxisNamesBesideTheSurface)
{
    auto* y = control<QLabel>("Label5_0");
    auto* x = control<QLabel>("Label5_1");
    EXPECT_EQ(y->text(), QStringLiteral("ｙ"));
    EXPECT_EQ(y->geometry(), QRect(304, 0, 25, 33));
    EXPECT_EQ(x->text(), QStringLiteral("χ"));
    EXPECT_EQ(x->geometry(), QRect(616, 328, 25, 33));
    EXPECT_EQ(y->font().pixelSize(), 27); // 20.25 points at 96 dots per inch
    EXPECT_TRUE(y->font().bold());
    EXPECT_EQ(y->palette().color(QPalette::WindowText), QColor(255, 255, 255));
}

TEST_F(StartupTest, PlaneIsOnTheSurfaceWithoutAnyAction)
{
    EXPECT_EQ(picture().size(), QSize(600, 600));
    EXPECT_EQ(pixel(10, 10), background);
    EXPECT_EQ(pixel(590, 590), background);

    // Both axes are three pixels wide through (300, 300).
    for (int d : {-1, 0, 1}) {
        EXPECT_EQ(pixel(100, 300 + d), black) << d;
        EXPECT_EQ(pixel(300 + d, 450), black) << d;
    }
    EXPECT_EQ(pixel(100, 298), background);
    EXPECT_EQ(pixel(100, 302), background);
    EXPECT_EQ(pixel(298, 450), background);
    EXPECT_EQ(pixel(302, 450), background);

    // A one-pixel grid line 22 pixels from each axis, crisp on both sides.
    EXPECT_EQ(pixel(322, 450), black);
    EXPECT_EQ(pixel(321, 450), background);
    EXPECT_EQ(pixel(323, 450), background);
    EXPECT_EQ(pixel(450, 278), black);
    EXPECT_EQ(pixel(450, 277), background);
    EXPECT_EQ(pixel(450, 279), background);

    // Ink where " 5" is printed right of the origin (its top-left corner at (395, 298)), between
    // the grid lines at 388 and 410 and below the axis.
    int ink = 0;
    for (int x = 400; x < 410; ++x) {
        for (int y = 303; y < 322; ++y)
            ink += pixel(x, y).lightness() < 128 ? 1 : 0;
    }
    EXPECT_GT(ink, 10);

    // The surface shows its image in the window.
    const QImage shown = control("Picture1")->grab().toImage();
    EXPECT_EQ(shown.pixelColor(322, 450), black);
    EXPECT_EQ(shown.pixelColor(10, 10), background);
}

} // namespace
} // namespace zelmora::testing
