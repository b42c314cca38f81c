// SPDX-License-Identifier: MIT
// The surface over a paint device, here an image: crisp grid lines, text placement, clipping,
// scaled displays, one painter for a batch drawing the same as a painter for every call, and the
// marks' circles, boxes, dashes, halos and text measures.
#include "plane/PainterSurface.h"
#include "plane/DrawPlane.h"

#include <QFont>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <string_view>

namespace zelmora {
namespace {

const QColor background{255, 255, 192};
const QColor black{0, 0, 0};
const QColor red{255, 0, 0};

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
        // The marks' verbs, whose painter state must not leak into the next call in a batch.
        surface.FillStyle(FillMode::Solid);
        surface.FillColor({255, 255, 192});
        surface.Box(330, 280, 380, 300);
        surface.Circle(234, 234, 4);
        surface.DrawStyle(LineStyle::Dashed);
        surface.DrawWidth(1);
        surface.Line(300, 278, 366, 278);
        surface.Line(300, 278, 366, 322);
        surface.DrawStyle(LineStyle::Solid);
        surface.FillStyle(FillMode::Transparent);
        surface.Circle(324.75, 294.5, 4);
        surface.FontSize(9);
        surface.CurrentX(331);
        surface.CurrentY(283);
        surface.Print("(9/8, 1/4)");
        surface.Line(331, 310, 380, 310);
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

// Columns (or rows) of a crisp 1-pixel line that carry ink, as a string of '#' and '.'.
std::string inkAlong(const QImage& image, int fixed, int from, int to, bool horizontal)
{
    std::string ink;
    for (int k = from; k <= to; ++k)
        ink += image.pixelColor(horizontal ? k : fixed, horizontal ? fixed : k) == background ? '.' : '#';
    return ink;
}

TEST(PainterSurfaceTest, DashedLinesAlongTheAxesDashFromTheirStartAndSolidComesBack)
{
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    surface.DrawStyle(LineStyle::Dashed);
    surface.Line(10, 100, 30, 100);
    surface.Line(200, 70, 200, 50);
    surface.DrawStyle(LineStyle::Solid);
    surface.Line(10, 150, 30, 150);
    const QImage& image = canvas.Image;
    // Four on, three off, from the start; the end falls in a gap.
    EXPECT_EQ(inkAlong(image, 100, 9, 31, true), ".####...####...####....");
    EXPECT_EQ(inkAlong(image, 99, 9, 31, true), std::string(23, '.'));
    EXPECT_EQ(inkAlong(image, 200, 49, 71, false), "....####...####...####.") << "drawn upwards from 70";
    EXPECT_EQ(inkAlong(image, 150, 9, 31, true), "." + std::string(21, '#') + ".");
}

// Every pattern, dash after gap from the start and again, on a crisp line one pixel wide; three
// pixels wide, each unit of the pattern is three pixels long.
TEST(PainterSurfaceTest, EachDashPatternRepeatsFromTheStartOfTheLine)
{
    const struct {
        LineStyle Style;
        const char* Ink;
    } rows[] = {{LineStyle::Dashed, ".####...####...####...####."}, {LineStyle::Dotted, ".#..#..#..#..#..#..#..#..#."},
        {LineStyle::DashDot, ".####..#..####..#..####..#."}, {LineStyle::DashDotDot, ".####..#..#..####..#..#..#."},
        {LineStyle::LongDash, ".########...########...###."}, {LineStyle::LongDashDot, ".########..#..########..#.."},
        {LineStyle::LongDashShortDash, ".########..###..########..."}};
    std::set<std::string> seen;
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.Style));
        Canvas canvas;
        canvas.Surface.DrawStyle(row.Style);
        canvas.Surface.Line(10, 100, 34, 100);
        const std::string ink = inkAlong(canvas.Image, 100, 9, 35, true);
        EXPECT_EQ(ink, row.Ink);
        EXPECT_TRUE(seen.insert(ink).second);

        canvas.Surface.DrawWidth(3);
        canvas.Surface.Line(10, 200, 90, 200);
        std::string wide;
        for (std::size_t k = 1; k < std::strlen(row.Ink) - 1; ++k)
            wide += std::string(3, row.Ink[k]);
        EXPECT_EQ(inkAlong(canvas.Image, 200, 10, 10 + static_cast<int>(wide.size()) - 1, true), wide);
    }
}

// On paper a line's pen is 3 pixels of 1/96 inch, 0.79 mm, about 5 dots at 150 dpi. There the
// patterns are told apart by what the eye counts: each dash is a dot (under 2 pen widths), a short
// dash (2 to 5) or a long one (6 and more); every gap is at least 2 pen widths (1.6 mm), so that a
// dot does not run into the dashes beside it; and no two patterns have the same dashes in the same
// order, whichever dash one starts from.
TEST(PainterSurfaceTest, TheDashPatternsStandApartOnPaper)
{
    const LineStyle styles[] = {LineStyle::Dashed, LineStyle::Dotted, LineStyle::DashDot, LineStyle::DashDotDot,
        LineStyle::LongDash, LineStyle::LongDashDot, LineStyle::LongDashShortDash};
    std::set<std::string> seen;
    for (const LineStyle style : styles) {
        SCOPED_TRACE(static_cast<int>(style));
        const auto pattern = dashPattern(style);
        ASSERT_EQ(pattern.size() % 2, 0U);
        std::string kinds;
        for (std::size_t i = 0; i < pattern.size(); i += 2) {
            kinds += pattern[i] < 2 ? '.' : pattern[i] < 6 ? '-' : '=';
            EXPECT_GE(pattern[i + 1], 2) << "the gap after dash " << i / 2;
        }
        for (std::size_t turn = 0; turn < kinds.size(); ++turn)
            EXPECT_EQ(seen.count(kinds.substr(turn) + kinds.substr(0, turn)), 0U) << kinds;
        seen.insert(kinds);
    }
}

TEST(PainterSurfaceTest, ADashedSlantedLineHasGaps)
{
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    surface.DrawStyle(LineStyle::Dashed);
    surface.Line(100, 100, 200, 200);
    int inked = 0;
    for (int p = 100; p <= 200; ++p)
        inked += canvas.Image.pixelColor(p, p) != background ? 1 : 0;
    EXPECT_GT(inked, 40);
    EXPECT_LT(inked, 80);
}

TEST(PainterSurfaceTest, CirclesRingOrFillAndBoxesFillWithoutAnOutline)
{
    Canvas canvas;
    PainterSurface& surface = canvas.Surface;
    const QImage& image = canvas.Image;
    surface.ForeColor({0, 0, 255});
    surface.DrawWidth(2);
    surface.Circle(100, 100, 4);
    EXPECT_EQ(image.pixelColor(100, 100), background) << "a ring is hollow by default";
    EXPECT_EQ(inkIn(image, {104, 99, 1, 2}), 2);
    EXPECT_EQ(inkIn(image, {90, 90, 21, 21}), inkIn(image, {95, 95, 11, 11})) << "nothing beyond the ring";

    surface.FillStyle(FillMode::Solid);
    surface.FillColor({255, 0, 0});
    surface.Circle(200, 100, 4);
    EXPECT_EQ(image.pixelColor(200, 100), red);
    const QColor outline = image.pixelColor(204, 100);
    EXPECT_TRUE(outline.red() < 48 && outline.green() < 48 && outline.blue() > 224)
        << "the outline in the pen's colour, antialiased: " << outline.name().toStdString();

    surface.Box(300, 200, 320, 210);
    EXPECT_EQ(image.pixelColor(300, 200), red);
    EXPECT_EQ(image.pixelColor(319, 209), red);
    EXPECT_EQ(inkIn(image, {290, 190, 40, 30}), 20 * 10) << "exactly the box, with no outline";

    surface.FillStyle(FillMode::Transparent);
    surface.Box(400, 400, 420, 420);
    EXPECT_EQ(inkIn(image, {395, 395, 30, 30}), 0);
}

// The ink of a text lies within the width and height the surface gives for it, and fills them.
TEST(PainterSurfaceTest, TextWidthAndHeightEncloseWhatPrintDraws)
{
    for (const double points : {9.0, 20.0}) {
        SCOPED_TRACE(points);
        Canvas canvas;
        PainterSurface& surface = canvas.Surface;
        surface.FontSize(points);
        const std::string_view text = "(9/8, y)";
        const double width = surface.TextWidth(text);
        const double height = surface.TextHeight(text);
        EXPECT_GT(width, 3 * points);
        EXPECT_LT(width, 8 * points);
        EXPECT_EQ(surface.TextWidth("88"), 2 * surface.TextWidth("8"));
        surface.CurrentX(100);
        surface.CurrentY(100);
        surface.Print(text);
        const QImage& image = canvas.Image;
        const int right = static_cast<int>(std::ceil(100 + width));
        const int bottom = static_cast<int>(std::ceil(100 + height));
        EXPECT_EQ(inkIn(image, image.rect()), inkIn(image, QRect(QPoint(100, 100), QPoint(right, bottom))));
        EXPECT_GT(inkIn(image, QRect(QPoint(right - static_cast<int>(width / 4), 100), QPoint(right, bottom))), 0);
        EXPECT_EQ(surface.textPosition().y(), 100 + height);
    }
}

// A halo of the fill colour round the glyphs cuts a line behind a text there, also through its
// spaces (a line seen there reads as a minus sign), and nowhere further than the halo's width from
// the text's box, on a scaled display too.
TEST(PainterSurfaceTest, AHaloCutsALineBehindATextOnlyRoundItsGlyphs)
{
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Canvas canvas(ratio);
        PainterSurface& surface = canvas.Surface;
        surface.FontSize(9);
        const std::string_view text = "A(−3, 3)";
        const double width = surface.TextWidth(text);
        const double middle = 100 + std::round(surface.TextHeight(text) / 2);
        surface.ForeColor({0, 0, 0});
        surface.DrawWidth(1);
        surface.Line(50, middle, 250, middle);
        surface.FillColor({255, 255, 192});
        surface.TextHalo(3);
        surface.ForeColor({0, 0, 255});
        surface.CurrentX(100);
        surface.CurrentY(100);
        surface.Print(text);
        const QImage& image = canvas.Image;
        const auto device = [&](double v) { return static_cast<int>(std::round(v * ratio)); };
        const auto onLine = [&](double x) { return image.pixelColor(device(x), device(middle)) == black; };
        for (double x = 100; x < 100 + width; x += 1.0 / ratio)
            EXPECT_FALSE(onLine(x)) << x;
        for (const double x : {60.0, 100 - 4.0, 100 + width + 4, 240.0})
            EXPECT_TRUE(onLine(x)) << x;
    }
}

// The surface keeps what it laid out and measured; the same text in another font is new to it.
TEST(PainterSurfaceTest, AReadingsTagStillRoundsToItsColourAndTellsItsNumber)
{
    constexpr qsizetype steps = 127;
    const struct {
        const char* Name;
        QColor Colour;
        qsizetype Reading;
    } rows[] = {{"black, the first", Qt::black, 0}, {"blue, the last of the first part", QColor(0, 0, 255), steps - 1},
        {"white, into the second part", Qt::white, steps}, {"pale yellow", QColor(255, 255, 192), steps * steps + 5},
        {"grey, the last there is", QColor(128, 128, 128), steps * steps * steps - 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(readingOfTag(row.Colour.rgba64()), std::nullopt) << "a colour of 8 bits is no tag";
        const std::optional<QColor> tag = readingTag(row.Colour, row.Reading);
        ASSERT_TRUE(tag.has_value());
        EXPECT_EQ(tag->rgb(), row.Colour.rgb());
        const auto read = readingOfTag(tag->rgba64());
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->Reading, row.Reading);
        EXPECT_EQ(read->Colour, row.Colour);
    }
    EXPECT_EQ(readingTag(Qt::black, steps * steps * steps), std::nullopt);
}

TEST(PainterSurfaceTest, TheSameTextInAnotherFontIsDrawnAndMeasuredInThatFont)
{
    const struct {
        const char* Name;
        double SecondPoints;
        bool SecondBold;
        bool Wider;
    } rows[] = {{"larger", 20, false, true}, {"bold, synthesised with the same advances", 9, true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Canvas canvas;
        PainterSurface& surface = canvas.Surface;
        surface.FontBold(false);
        surface.FontSize(9);
        const double firstWidth = surface.TextWidth("(9/8)");
        surface.CurrentX(100);
        surface.CurrentY(100);
        surface.Print("(9/8)");
        surface.FontSize(row.SecondPoints);
        surface.FontBold(row.SecondBold);
        EXPECT_EQ(surface.TextWidth("(9/8)") > firstWidth, row.Wider);
        surface.CurrentX(100);
        surface.CurrentY(300);
        surface.Print("(9/8)");
        const QImage& image = canvas.Image;
        EXPECT_GT(inkIn(image, {0, 300, 600, 300}), inkIn(image, {0, 0, 600, 300}));
    }
}

} // namespace
} // namespace zelmora
