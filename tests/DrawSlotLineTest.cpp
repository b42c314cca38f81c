// SPDX-License-Identifier: MIT
#include "slots/DrawSlotLine.h"
#include "RecordingSurface.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace zelmora;
using zelmora::testing::RecordingSurface;
using RecordedLine = RecordingSurface::DrawnLine;

namespace {

constexpr float nanF = std::numeric_limits<float>::quiet_NaN();
constexpr float infF = std::numeric_limits<float>::infinity();
constexpr Rgb blue{0, 0, 255};
constexpr Rgb black{0, 0, 0};

struct SlotValues {
    float ANum, ADen, BNum, BDen, XFrom, XTo;
};
constexpr SlotValues minusTwoThirds{-2, 3, 1, 1, -3, 3};

void fill(SlotTable& table, int slot, const SlotValues& v, float drawn = 1)
{
    const float cells[] = {drawn, v.ANum, v.BNum, v.XFrom, v.XTo, v.ADen, v.BDen}; // in column order
    for (int column = 0; column < SlotTable::Columns; ++column)
        table.set(slot, static_cast<SlotTable::Column>(column), cells[column]);
}

RecordingSurface drawnSlot(const SlotValues& values, std::int16_t unitPixels = 22, float drawn = 1)
{
    SlotTable table;
    fill(table, 3, values, drawn);
    RecordingSurface surface;
    DrawSlotLine(surface, table, PlaneGeometry{300, 300, unitPixels}, 3, PaletteBlue);
    return surface;
}

TEST(DrawSlotLine, DrawsTheSegmentAtEachSize)
{
    const struct {
        const char* Name;
        SlotValues Values;
        std::int16_t UnitPixels;
        RecordedLine Expected;
    } rows[] = {{"-2/3 x + 1 at 22", minusTwoThirds, 22, {234, 234, 366, 322, 3, blue}},
        {"-2/3 x + 1 at 40", minusTwoThirds, 40, {180, 180, 420, 340, 3, blue}},
        {"-2/3 x + 1 at 14", minusTwoThirds, 14, {258, 258, 342, 314, 3, blue}},
        {"ends swapped", {-2, 3, 1, 1, 3, -3}, 22, {366, 322, 234, 234, 3, blue}},
        {"zero length", {1, 1, 0, 1, 2, 2}, 22, {344, 256, 344, 256, 3, blue}},
        {"b as a fraction", {0, 1, 1, 2, -1, 1}, 22, {278, 289, 322, 289, 3, blue}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const RecordingSurface surface = drawnSlot(row.Values, row.UnitPixels);
        ASSERT_EQ(surface.Lines.size(), 1u);
        EXPECT_EQ(surface.Lines[0], row.Expected);
        EXPECT_EQ(surface.PenColour, black);
        EXPECT_EQ(surface.PenWidth, 3);
    }
}

TEST(DrawSlotLine, ComputesInSinglePrecision)
{
    const float a = 1.0f / 3.0f;
    const float b = 1.0f / 10.0f;
    const RecordedLine expected{300.0f + 22.0f * 0.1f, 300.0f + 22.0f * -(0.1f * a + b), 300.0f + 22.0f * 7.7f,
        300.0f - (7.7f * a + b) * 22.0f, 3, blue};
    const RecordingSurface surface = drawnSlot({1, 3, 1, 10, 0.1f, 7.7f});
    ASSERT_EQ(surface.Lines.size(), 1u);
    EXPECT_EQ(surface.Lines[0], expected);
    EXPECT_NE(expected.Y2, 300.0 - (7.7 * (1.0 / 3.0) + 0.1) * 22.0) << "double arithmetic would differ";
}

TEST(DrawSlotLine, CallOrderIsColourWidthLineBlack)
{
    const std::vector<std::string> expected{
        "ForeColor 0 0 255", "DrawWidth 3", "Line 234 234 366 322", "ForeColor 0 0 0"};
    EXPECT_EQ(drawnSlot(minusTwoThirds).Calls, expected);
}

TEST(DrawSlotLine, EmptySlotDrawsNothingWhateverItHolds)
{
    EXPECT_TRUE(drawnSlot(minusTwoThirds, 22, 0).Calls.empty());
    EXPECT_TRUE(drawnSlot({nanF, 0, infF, 0, -infF, nanF}, 22, 0).Calls.empty());
}

// y = x over -1E30..1E30: the whole diagonal through the origin, both ends beyond the surface.
TEST(DrawSlotLine, FarEndsGiveTheDiagonalAtEverySize)
{
    for (const std::int16_t s : {40, 22, 14}) {
        SCOPED_TRACE(s);
        const RecordingSurface surface = drawnSlot({1, 1, 0, 1, -1e30f, 1e30f}, s);
        ASSERT_EQ(surface.Lines.size(), 1u);
        const auto& line = surface.Lines[0];
        EXPECT_NEAR(line.Y1, 600 - line.X1, 1e-9);
        EXPECT_NEAR(line.Y2, 600 - line.X2, 1e-9);
        EXPECT_TRUE(line.X1 <= 0 && line.X1 > -1000) << line.X1;
        EXPECT_TRUE(line.X2 >= 600 && line.X2 < 1600) << line.X2;
        EXPECT_EQ(surface.PenColour, black);
    }
}

// Steep lines y = a (x - c) over c - 1..c + 1 run up the whole surface through pixel column 300 + 22 c,
// also when a or a c leaves the single range. A huge a with c = 1 is the hard case: the visible x range
// around 1 is far narrower than double precision can tell apart from 1 itself.
TEST(DrawSlotLine, SteepLinesCrossTheWholeSurface)
{
    const struct {
        const char* Name;
        float ANum, ADen, C;
    } rows[] = {{"a = 1E6", 1e6f, 1, 0}, {"a beyond single precision", 3e38f, 1e-5f, 0},
        {"a = 1E20, crossing at x = 1", 1e20f, 1, 1}, {"a = 3E38, crossing at x = 1", 3e38f, 1, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const float b = row.C == 0 ? 0 : -row.ANum / row.ADen;
        const RecordingSurface surface = drawnSlot({row.ANum, row.ADen, b, 1, row.C - 1, row.C + 1});
        ASSERT_EQ(surface.Lines.size(), 1u);
        const auto& line = surface.Lines[0];
        EXPECT_NEAR(line.X1, 300 + 22 * row.C, 0.01);
        EXPECT_NEAR(line.X2, 300 + 22 * row.C, 0.01);
        EXPECT_GE(line.Y1, 600);
        EXPECT_LE(line.Y2, 0);
    }
}

TEST(DrawSlotLine, FaultyValuesDrawNothingAndLeaveThePenBlack)
{
    const struct {
        const char* Name;
        SlotValues Values;
    } rows[] = {{"zero a denominator", {1, 0, 0, 1, -3, 3}}, {"zero b denominator", {1, 1, 1, 0, -3, 3}},
        {"0/0", {0, 0, 0, 0, -3, 3}}, {"NaN bound", {1, 1, 0, 1, nanF, 3}},
        {"infinite bounds", {1, 1, 0, 1, infF, infF}},
        {"beyond single precision above the plane", {3e38f, 1, 3e38f, 1, 1, 2}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const RecordingSurface surface = drawnSlot(row.Values);
        EXPECT_TRUE(surface.Lines.empty());
        EXPECT_EQ(surface.PenColour, black);
        EXPECT_EQ(surface.PenWidth, 3);
    }
}

} // namespace
