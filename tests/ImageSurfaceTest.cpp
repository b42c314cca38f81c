// SPDX-License-Identifier: MIT
// The image-backed surface: crisp grid lines, text placement, clipping and scaled displays.
#include "plane/ImageSurface.h"
#include "plane/DrawPlane.h"

#include <QFont>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelmora {
namespace {

const QColor background{255, 255, 192};
const QColor black{0, 0, 0};

ImageSurface makeSurface(qreal ratio = 1.0)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSize(20);
    return ImageSurface(600, 600, ratio, background, font);
}

int inkIn(const QImage& image, QRect area)
{
    int ink = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            ink += image.pixelColor(x, y) != background ? 1 : 0;
    }
    return ink;
}

TEST(ImageSurfaceTest, LinesAlongTheAxesAreCrispAndCentredOnTheirCoordinate)
{
    ImageSurface surface = makeSurface();
    surface.Line(0, 100, 600, 100);
    surface.DrawWidth(3);
    surface.Line(200, 0, 200, 600);
    const QImage& image = surface.image();
    EXPECT_EQ(image.pixelColor(50, 100), black);
    EXPECT_EQ(image.pixelColor(50, 99), background);
    EXPECT_EQ(image.pixelColor(50, 101), background);
    for (int x : {199, 200, 201})
        EXPECT_EQ(image.pixelColor(x, 50), black) << x;
    EXPECT_EQ(image.pixelColor(198, 50), background);
    EXPECT_EQ(image.pixelColor(202, 50), background);
}

TEST(ImageSurfaceTest, ClsFillsAndResetsTheTextPosition)
{
    ImageSurface surface = makeSurface();
    surface.Line(0, 0, 600, 600);
    surface.CurrentX(40);
    surface.CurrentY(50);
    surface.Cls();
    EXPECT_EQ(inkIn(surface.image(), surface.image().rect()), 0);
    EXPECT_EQ(surface.textPosition(), QPointF(0, 0));
}

TEST(ImageSurfaceTest, PrintPutsTheTextTopLeftAtThePositionAndMovesToTheNextLine)
{
    ImageSurface surface = makeSurface();
    surface.ForeColor({0, 0, 255});
    surface.CurrentX(100);
    surface.CurrentY(200);
    surface.Print("Ｏ");
    const QImage& image = surface.image();
    EXPECT_GT(inkIn(image, {100, 200, 30, 30}), 20);
    EXPECT_EQ(inkIn(image, {0, 0, 600, 199}), 0) << "nothing above the text position";
    EXPECT_EQ(inkIn(image, {0, 0, 99, 600}), 0) << "nothing left of it";
    EXPECT_EQ(surface.textPosition().x(), 0);
    EXPECT_GT(surface.textPosition().y(), 220);
}

TEST(ImageSurfaceTest, FarAndNonFiniteLinesDrawTheVisiblePartOrNothing)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    ImageSurface surface = makeSurface();
    surface.DrawWidth(3);
    surface.Line(-inf, 0, 600, 600);
    surface.Line(std::nan(""), 0, 600, 600);
    EXPECT_EQ(inkIn(surface.image(), surface.image().rect()), 0);

    // The diagonal through the whole surface, from ends 2.2e31 pixels away.
    surface.Line(-2.2e31, -2.2e31, 2.2e31, 2.2e31);
    for (int p : {5, 150, 300, 450, 595})
        EXPECT_NE(surface.image().pixelColor(p, p), background) << p;
}

TEST(ImageSurfaceTest, AScaledDisplayGetsMorePixelsForTheSameCoordinates)
{
    ImageSurface surface = makeSurface(2.0);
    EXPECT_EQ(surface.image().size(), QSize(1200, 1200));
    EXPECT_EQ(surface.Width(), 600);
    DrawPlane(surface, {300, 300, 22});
    // The axis at logical 300, three pixels wide, covers device columns 598 to 603.
    EXPECT_EQ(surface.image().pixelColor(597, 100), background);
    for (int x = 598; x <= 603; ++x)
        EXPECT_EQ(surface.image().pixelColor(x, 100), black) << x;
    EXPECT_EQ(surface.image().pixelColor(604, 100), background);
}

} // namespace
} // namespace zelmora
