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

// A sheet numbers every tick it shows, however far the origin stands from its middle, and leaves
// out every number (and the origin mark) that the edge would cut.
TEST(DrawPlane, ASheetNumbersTheTicksItShowsAndCutsNone)
{
    RecordingSurface offCentre;
    DrawPlane(offCentre, PlaneGeometry{-200, 300, 22}, PlaneEdges::Sheet);
    // Grid lines reach the farthest edge, 800 pixels from the origin: 36 each way.
    EXPECT_EQ(offCentre.Lines.size(), 2u + 4 * 36);
    const std::vector<RecordingSurface::PrintedText> numbers{{107, 298, " 15", true}, {217, 298, " 20", true},
        {327, 298, " 25", true}, {437, 298, " 30", true}, {547, 298, " 35", true}};
    EXPECT_EQ(offCentre.Texts, numbers);

    for (const std::int16_t unitPixels : {std::int16_t{40}, std::int16_t{22}, std::int16_t{14}}) {
        SCOPED_TRACE(unitPixels);
        RecordingSurface sheet;
        DrawPlane(sheet, PlaneGeometry{300, 300, unitPixels}, PlaneEdges::Sheet);
        const RecordingSurface window = drawnPlane(unitPixels);
        std::vector<RecordingSurface::PrintedText> whole;
        std::copy_if(window.Texts.begin(), window.Texts.end(), std::back_inserter(whole), [&](const auto& text) {
            return text.X >= 0 && text.Y >= 0 && text.X + window.TextWidth(text.Text) <= 600
                && text.Y + window.TextHeight(text.Text) <= 600;
        });
        EXPECT_EQ(sheet.Texts, whole);
        // Only the grid lines that reach the surface, which the window draws and lets it cut.
        EXPECT_EQ(sheet.Lines.size(), 2u + 4 * (300 / unitPixels));
    }
    // At 大 the window's "-20" on the χ axis starts at x = -8 and its " 20" ends past x = 600: of its
    // origin mark and the numbers 5 to 20 on each half-axis, the sheet leaves those two out.
    RecordingSurface large;
    DrawPlane(large, PlaneGeometry{300, 300, 14}, PlaneEdges::Sheet);
    EXPECT_EQ(large.Texts.size(), 15u);
    EXPECT_TRUE(std::none_of(large.Texts.begin(), large.Texts.end(), [](const auto& text) { return text.X < 0; }));
}
