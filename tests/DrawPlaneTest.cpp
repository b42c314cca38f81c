// SPDX-License-Identifier: MIT
#include "plane/DrawPlane.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

using namespace zelmora;
using zelmora::testing::RecordingSurface;
using RecordedLine = RecordingSurface::DrawnLine;

namespace {

RecordingSurface drawnPlane(std::int16_t unitPixels)
{
    RecordingSurface surface;
    DrawPlane(surface, PlaneGeometry{300, 300, unitPixels});
    return surface;
}

// 2 + 4 n lines with n = floor(600 / s); 1 + 4 m texts, or the origin mark alone at a size without ticks.
// A second run, without anything in between, records the same calls again.
TEST(DrawPlane, CountsAndStateAtEachSize)
{
    const struct {
        std::int16_t UnitPixels;
        std::size_t Lines, Texts;
    } rows[] = {{40, 62, 29}, {22, 110, 21}, {14, 170, 33}, {30, 82, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.UnitPixels);
        const RecordingSurface surface = drawnPlane(row.UnitPixels);
        RecordingSurface twice = surface;
        DrawPlane(twice, PlaneGeometry{300, 300, row.UnitPixels});
        EXPECT_EQ(std::vector(twice.Calls.begin() + std::ssize(surface.Calls), twice.Calls.end()), surface.Calls);
        EXPECT_EQ(surface.Lines.size(), row.Lines);
        ASSERT_EQ(surface.Texts.size(), row.Texts);
        EXPECT_EQ(surface.Texts.front(), (RecordingSurface::PrintedText{280, 298, "Ｏ", true}));
        EXPECT_EQ(surface.Calls.front(), "Cls");
        EXPECT_EQ(surface.Calls.back(), "Refresh");
        EXPECT_EQ(surface.PenWidth, 1);
        EXPECT_TRUE(surface.Bold);
    }
}

TEST(DrawPlane, TickLabelPositions)
{
    const struct {
        const char* Name;
        std::int16_t UnitPixels;
        const char* Text;
        double X, Y;
    } rows[] = {{"22: x 5", 22, " 5", 395, 298}, {"22: x 10, shifted as two digits", 22, " 10", 497, 298},
        {"22: x -10", 22, "-10", 52, 298}, {"22: y 5", 22, " 5", 275, 178}, {"22: y 10", 22, " 10", 262, 68},
        {"22: y -5", 22, "-5", 270, 398}, {"40: x 2", 40, " 2", 365, 298}, {"40: x -2", 40, "-2", 200, 298},
        {"40: y 2", 40, " 2", 275, 208}, {"40: y -2", 40, "-2", 270, 368},
        {"40: x 8, still one digit", 40, " 8", 605, 298}, {"40: x 10, two digits", 40, " 10", 677, 298},
        {"14: x 5", 14, " 5", 355, 298}, {"14: x 10", 14, " 10", 417, 298},
        {"14: x -20, cut at the left edge", 14, "-20", -8, 298}, {"14: y 20", 14, " 20", 262, 8}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const RecordingSurface surface = drawnPlane(row.UnitPixels);
        const RecordingSurface::PrintedText expected{row.X, row.Y, row.Text, true};
        EXPECT_EQ(std::count(surface.Texts.begin(), surface.Texts.end(), expected), 1);
    }
}

TEST(DrawPlane, OriginMarkThenLabelsInAxisOrder)
{
    const RecordingSurface surface = drawnPlane(22);
    const std::vector<RecordingSurface::PrintedText> expected{{280, 298, "Ｏ", true}, {395, 298, " 5", true},
        {170, 298, "-5", true}, {275, 178, " 5", true}, {270, 398, "-5", true}};
    ASSERT_GE(surface.Texts.size(), expected.size());
    EXPECT_EQ(std::vector(surface.Texts.begin(), surface.Texts.begin() + 5), expected);
}

// Whatever text the surface was left with, the plane's numbers come in their own size and weight.
TEST(DrawPlane, PrintsInItsOwnFontWhateverTheSurfaceHad)
{
    RecordingSurface surface;
    surface.FontSize(7);
    surface.FontBold(false);
    DrawPlane(surface, PlaneGeometry{300, 300, 22});
    ASSERT_FALSE(surface.Texts.empty());
    for (const RecordingSurface::PrintedText& text : surface.Texts) {
        EXPECT_EQ(text.Points, PlaneFontPoints) << text.Text;
        EXPECT_TRUE(text.Bold) << text.Text;
    }
}

TEST(DrawPlane, AxesFirstThenGridLinesOutwards)
{
    const RecordingSurface surface = drawnPlane(22);
    const std::vector<RecordedLine> firstSix{{0, 300, 600, 300, 3, {}}, {300, 0, 300, 600, 3, {}},
        {0, 322, 600, 322, 1, {}}, {322, 0, 322, 600, 1, {}}, {0, 278, 600, 278, 1, {}}, {278, 0, 278, 600, 1, {}}};
    // The last ring, 27 units out, lies past the surface and is drawn all the same.
    const std::vector<RecordedLine> lastFour{
        {0, 894, 600, 894, 1, {}}, {894, 0, 894, 600, 1, {}}, {0, -294, 600, -294, 1, {}}, {-294, 0, -294, 600, 1, {}}};
    ASSERT_EQ(surface.Lines.size(), 110u);
    EXPECT_EQ(std::vector(surface.Lines.begin(), surface.Lines.begin() + 6), firstSix);
    EXPECT_EQ(std::vector(surface.Lines.end() - 4, surface.Lines.end()), lastFour);
}

TEST(DrawPlane, KeepsThePenColourTheSurfaceHas)
{
    RecordingSurface surface;
    surface.ForeColor(Rgb{255, 0, 0});
    surface.Calls.clear();
    DrawPlane(surface, PlaneGeometry{});
    EXPECT_EQ(std::count_if(surface.Calls.begin(), surface.Calls.end(),
                  [](const std::string& call) { return call.starts_with("ForeColor"); }),
        0);
    for (const auto& line : surface.Lines)
        EXPECT_EQ(line.Colour, (Rgb{255, 0, 0}));
}

} // namespace

// A sheet numbers every unit while its numbers stand apart (the widest and a gap across, the
// height and a gap down), and otherwise every 2, 5, 10, 20, … from the origin.
TEST(DrawPlane, ASheetNumbersAsManyTicksAsStandApart)
{
    const struct {
        const char* Name;
        double UnitPixels, Widest, Height;
        int Step;
    } rows[] = {{"1 cm, \"-10\" at 8 points", 37, 19.8, 11, 1}, {"5 mm, \"-10\"", 18, 19.8, 11, 2},
        {"5 mm, one digit", 18, 13.2, 11, 1}, {"tall letters", 18, 10, 16, 2}, {"2 mm", 7, 19.8, 11, 5},
        {"2 mm, \"-100\"", 7, 26.4, 11, 5}, {"a pixel a unit", 1, 19.8, 11, 50}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(sheetTickStep(row.UnitPixels, row.Widest, row.Height), row.Step);
    }
}

// On a sheet the numbers stand clear of the axes, wholly on the surface; an axis off the plane is
// numbered along the bottom or left edge, and the axis names stay where the axes are read.
TEST(DrawPlane, ASheetNumbersItsAxesOrItsEdges)
{
    RecordingSurface centred;
    DrawPlane(centred, PlaneGeometry{300, 300, 37}, PlaneEdges::Sheet);
    const std::vector<RecordingSurface::PrintedText>& texts = centred.Texts;
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().Text, "Ｏ");
    EXPECT_LT(texts.front().X + centred.TextWidth("Ｏ"), 300);
    int xNumbers = 0;
    for (const auto& text : texts) {
        EXPECT_GE(text.X, 0);
        EXPECT_LE(text.X + centred.TextWidth(text.Text), 600);
        EXPECT_EQ(text.Points, SheetLook::NumberPoints);
        if (text.Y > 300) {
            ++xNumbers;
            EXPECT_GE(text.Y, 301 + 1) << text.Text << " clear of the axis";
        }
    }
    // −7 to 8 but 0 under the χ axis, at every unit: "-8", centred on a tick 4 pixels from the left
    // edge, would have to move more than half its width. The y axis's −8, 3.5 pixels over the
    // bottom edge, moves up inside.
    EXPECT_EQ(xNumbers, 15 + 8 + 1) << "the χ axis's 15, the y axis's 8 below it and the origin mark";

    // Lines far off the origin: neither axis on the plane.
    RecordingSurface far;
    DrawPlane(far, PlaneGeometry{-370, 900, 37}, PlaneEdges::Sheet);
    DrawSheetAxisNames(far, PlaneGeometry{-370, 900, 37});
    ASSERT_FALSE(far.Texts.empty());
    int bottom = 0;
    int left = 0;
    for (const auto& text : far.Texts) {
        EXPECT_NE(text.Text, "Ｏ");
        bottom += text.Y == 600 - SheetLook::Frame - far.TextHeight("0") - 1 ? 1 : 0;
        left += text.X == SheetLook::Frame + 2 ? 1 : 0;
    }
    EXPECT_GE(bottom, 10) << "numbers along the bottom edge";
    EXPECT_GE(left, 10) << "numbers along the left edge";
    EXPECT_EQ(std::count_if(far.Texts.begin(), far.Texts.end(),
                  [](const auto& text) { return text.Text == "χ" || text.Text == "ｙ"; }),
        2);
    EXPECT_EQ(far.Boxes.size(), far.Texts.size()) << "each on a backing of the plane's colour";
}
