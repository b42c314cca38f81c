// SPDX-License-Identifier: MIT
#include "plane/SegmentClip.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace zelmora;

namespace {

constexpr ClipRect surfaceRect{0, 0, 600, 600};
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(ClipSegment, GivesTheVisiblePart)
{
    const Segment inside{{10.1, 20.3}, {590.7, 580.9}};
    const struct {
        const char* Name;
        Segment Given;
        std::optional<Segment> Expected;
        double Tolerance; // 0: the ends come back bit for bit
    } rows[] = {{"inside, untouched", inside, inside, 0},
        {"a point inside", {{5.5, 5.5}, {5.5, 5.5}}, Segment{{5.5, 5.5}, {5.5, 5.5}}, 0},
        {"inside end kept", {{300.123, 300.456}, {900, 300.456}}, Segment{{300.123, 300.456}, {600, 300.456}}, 0},
        {"crosses left to right", {{-100, 300}, {700, 300}}, Segment{{0, 300}, {600, 300}}, 1e-9},
        {"keeps its direction", {{700, 300}, {-100, 300}}, Segment{{600, 300}, {0, 300}}, 1e-9},
        {"corner to corner", {{-100, -100}, {700, 700}}, Segment{{0, 0}, {600, 600}}, 1e-9},
        {"cuts off a corner", {{-100, 200}, {200, -100}}, Segment{{0, 100}, {100, 0}}, 1e-9},
        {"misses on the left", {{-10, -10}, {-5, 700}}, std::nullopt, 0},
        {"passes outside a corner", {{-100, 50}, {50, -100}}, std::nullopt, 0},
        {"NaN end", {{nan, 300}, {600, 300}}, std::nullopt, 0},
        {"NaN in the other end", {{0, 300}, {600, nan}}, std::nullopt, 0},
        {"infinite end", {{300, 300}, {inf, 300}}, std::nullopt, 0},
        {"minus infinite end", {{300, -inf}, {300, 300}}, std::nullopt, 0},
        {"diagonal 2.2e31", {{-2.2e31, -2.2e31}, {2.2e31, 2.2e31}}, Segment{{0, 0}, {600, 600}}, 1e-6},
        {"diagonal 1e308", {{-1e308, -1e308}, {1e308, 1e308}}, Segment{{0, 0}, {600, 600}}, 1e-6},
        {"horizontal 1e308", {{-1e308, 300}, {1e308, 300}}, Segment{{0, 300}, {600, 300}}, 1e-6},
        {"anti-diagonal 1e15", {{300 - 1e15, 300 + 1e15}, {300 + 1e15, 300 - 1e15}}, Segment{{0, 600}, {600, 0}}, 1e-6},
        {"far segment that misses", {{1e15, 1e15}, {2e15, -1e15}}, std::nullopt, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const auto clipped = clipSegment(row.Given, surfaceRect);
        ASSERT_EQ(clipped.has_value(), row.Expected.has_value());
        if (!clipped)
            continue;
        if (row.Tolerance == 0) {
            EXPECT_EQ(*clipped, *row.Expected);
            continue;
        }
        EXPECT_NEAR(clipped->From.X, row.Expected->From.X, row.Tolerance);
        EXPECT_NEAR(clipped->From.Y, row.Expected->From.Y, row.Tolerance);
        EXPECT_NEAR(clipped->To.X, row.Expected->To.X, row.Tolerance);
        EXPECT_NEAR(clipped->To.Y, row.Expected->To.Y, row.Tolerance);
    }
}

TEST(ClipSegment, InsideEndIsBitIdenticalWhenTheOtherIsFar)
{
    const Point near{123.456789, 234.567891};
    const auto clipped = clipSegment({near, {-1e300, 5e299}}, surfaceRect);
    ASSERT_TRUE(clipped);
    EXPECT_EQ(clipped->From, near);
    EXPECT_NEAR(clipped->To.X, 0, 1e-6);
    EXPECT_NEAR(clipped->To.Y, 234.567891 + 123.456789 / 2, 1e-6);
}

} // namespace
