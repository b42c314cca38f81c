// SPDX-License-Identifier: MIT
// The surface over a paint device, here an image: crisp grid lines, text placement, clipping,
// scaled displays, and one painter for a batch drawing the same as a painter for every call.
#include "plane/PainterSurface.h"
#include "plane/DrawPlane.h"

#include <QFont>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelmora {
namespace {

const QColor background{255, 255, 192};
const QColor black{0, 0, 0};

// A 600 x 600 surface over an image at a device pixel ratio.
class Canvas {
public:
    explicit Canvas(qreal ratio = 1.0, const QTransform& toDevice = {}, qreal pixels = 0)
        : Image(
            qRound(pixels > 0 ? pixels : 600 * ratio), qRound(pixels > 0 ? pixels : 600 * ratio), QImage::Format_RGB32)
        , Surface(Image, QSizeF(600, 600), background, QFont(QStringLiteral("ＭＳ Ｐゴシック")), toDevice)
    {
        Image.setDevicePixelRatio(ratio);
        Image.fill(background);
        Surface.FontSize(20);
    }

    QImage Image;
    PainterSurface Surface;
};

int inkIn(const QImage& image, QRect area)
{
    int ink = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            ink += image.pixelColor(x, y) != background ? 1 : 0;
    }
    return ink;
}

TEST(PainterSurfaceTest, LinesAlongTheAxesAreCrispAndCentredOnTheirCoordinate)
{
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    surface.Line(0, 100, 600, 100);
    surface.DrawWidth(3);
    surface.Line(200, 0, 200, 600);
    const QImage& image = canvas.Image;
    EXPECT_EQ(image.pixelColor(50, 100), black);
    EXPECT_EQ(image.pixelColor(50, 99), background);
    EXPECT_EQ(image.pixelColor(50, 101), background);
    for (int x : {199, 200, 201})
        EXPECT_EQ(image.pixelColor(x, 50), black) << x;
    EXPECT_EQ(image.pixelColor(198, 50), background);
    EXPECT_EQ(image.pixelColor(202, 50), background);
}

TEST(PainterSurfaceTest, ClsFillsAndResetsTheTextPosition)
{
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    surface.Line(0, 0, 600, 600);
    surface.CurrentX(40);
    surface.CurrentY(50);
    surface.Cls();
    EXPECT_EQ(inkIn(canvas.Image, canvas.Image.rect()), 0);
    EXPECT_EQ(surface.textPosition(), QPointF(0, 0));
}

TEST(PainterSurfaceTest, PrintPutsTheTextTopLeftAtThePositionAndMovesToTheNextLine)
{
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    surface.ForeColor({0, 0, 255});
    surface.CurrentX(100);
    surface.CurrentY(200);
    surface.Print("Ｏ");
    const QImage& image = canvas.Image;
    EXPECT_GT(inkIn(image, {100, 200, 30, 30}), 20);
    EXPECT_EQ(inkIn(image, {0, 0, 600, 199}), 0) << "nothing above the text position";
    EXPECT_EQ(inkIn(image, {0, 0, 99, 600}), 0) << "nothing left of it";
    EXPECT_EQ(surface.textPosition().x(), 0);
    EXPECT_GT(surface.textPosition().y(), 220);
}

TEST(PainterSurfaceTest, FarAndNonFiniteLinesDrawTheVisiblePartOrNothing)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    surface.DrawWidth(3);
    surface.Line(-inf, 0, 600, 600);
    surface.Line(std::nan(""), 0, 600, 600);
    EXPECT_EQ(inkIn(canvas.Image, canvas.Image.rect()), 0);

    // The diagonal through the whole surface, from ends 2.2e31 pixels away.
    surface.Line(-2.2e31, -2.2e31, 2.2e31, 2.2e31);
    for (int p : {5, 150, 300, 450, 595})
        EXPECT_NE(canvas.Image.pixelColor(p, p), background) << p;
}

TEST(PainterSurfaceTest, AScaledDisplayGetsMorePixelsForTheSameCoordinates)
{
    Canvas canvas(2.0);
    PainterSurface& surface = canvas.Surface;
    EXPECT_EQ(canvas.Image.size(), QSize(1200, 1200));
    EXPECT_EQ(surface.Width(), 600);
    DrawPlane(surface, {300, 300, 22});
    // The axis at logical 300, three pixels wide, covers device columns 598 to 603.
    EXPECT_EQ(canvas.Image.pixelColor(597, 100), background);
    for (int x = 598; x <= 603; ++x)
        EXPECT_EQ(canvas.Image.pixelColor(x, 100), black) << x;
    EXPECT_EQ(canvas.Image.pixelColor(604, 100), background);
}

// The whole picture with one painter for the batch, or a painter opened for every call, and through
// a transform onto an image of twice the pixels rather than a device pixel ratio of 2: the same
// pixels each time.
TEST(PainterSurfaceTest, ABatchAndATransformDrawTheSamePixels)
{
    const auto draw = [](PainterSurface& surface) {
        DrawPlane(surface, {300, 300, 22});
        surface.DrawWidth(3);
        surface.ForeColor({0, 0, 255});
        surface.Line(234, 234, 366, 322);
        surface.ForeColor({0, 0, 0});
    };
    Canvas single;
    draw(single.Surface);
    Canvas batched;
    {
        const PainterSurface::Batch batch(batched.Surface);
        draw(batched.Surface);
    }
    EXPECT_EQ(batched.Image, single.Image);

    Canvas ratio(2.0);
    draw(ratio.Surface);
    Canvas transformed(1.0, QTransform::fromScale(2, 2), 1200);
    draw(transformed.Surface);
    transformed.Image.setDevicePixelRatio(2.0);
    EXPECT_EQ(transformed.Image, ratio.Image);
}

} // namespace
} // namespace zelmora
