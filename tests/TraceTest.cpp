// SPDX-License-Identifier: MIT
// Tracing a line with the keyboard: exact stops at each press along a line (a unit of χ, or the next
// lattice point), and from line to line.
#include "board/Trace.h"
#include "board/Board.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelmora {
namespace {

mpq_class q(const char* text)
{
    mpq_class value(text);
    value.canonicalize();
    return value;
}

struct Expected {
    int Slot;
    const char* X;
    const char* Y;
};

TEST(Trace, StopsAlongALineAtEachPress)
{
    using enum TraceKey;
    const struct {
        const char* Name;
        EntryTexts Line;
        std::vector<TraceKey> Keys;
        std::vector<Expected> Stops;
    } rows[] = {
        {"a = -2/3: a unit at a time, y by -2/3; the lattice points three apart", {"-2/3", "1", "-3", "3"},
            {Right, Right, Right, LatticeRight, LatticeRight, Left, LatticeLeft, Home, Left},
            {{0, "-3", "3"}, {0, "-2", "7/3"}, {0, "-1", "5/3"}, {0, "0", "1"}, {0, "3", "-1"}, {0, "2", "-1/3"},
                {0, "0", "1"}, {0, "-3", "3"}, {0, "-3", "3"}}},
        {"a = 2: whole units", {"2", "-2", "-3", "3"}, {Right, Right, Right, End, Left, Right, Right},
            {{0, "-3", "-8"}, {0, "-2", "-6"}, {0, "-1", "-4"}, {0, "3", "4"}, {0, "2", "2"}, {0, "3", "4"},
                {0, "3", "4"}}},
        {"a = 0", {"0", "4", "-6", "6"}, {Left, Left, Home, Right},
            {{0, "6", "4"}, {0, "5", "4"}, {0, "-6", "4"}, {0, "-5", "4"}}},
        {"ends off the lattice", {"1/2", "0", ".5", "2.5"}, {Right, Right, Right, LatticeLeft, LatticeLeft, Left},
            {{0, "1/2", "1/4"}, {0, "3/2", "3/4"}, {0, "5/2", "5/4"}, {0, "2", "1"}, {0, "2", "1"}, {0, "1", "1/2"}}},
        {"Shift+← starts at the right end", {"1/2", "0", ".5", "2.5"}, {LatticeLeft}, {{0, "5/2", "5/4"}}},
        {"a = 5/13: whole units", {"5/13", "0", "0", "2"}, {Right, Right}, {{0, "0", "0"}, {0, "1", "5/13"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Board board;
        board.draw(row.Line);
        std::optional<TracePoint> point;
        for (std::size_t k = 0; k < row.Keys.size(); ++k) {
            point = traceKey(board.slotTable(), 0, point, row.Keys[k]);
            ASSERT_TRUE(point.has_value());
            const Expected& expected = row.Stops[k];
            EXPECT_EQ(*point, (TracePoint{expected.Slot, q(expected.X), q(expected.Y)})) << "press " << k;
        }
    }
}

TEST(Trace, UpAndDownGoFromLineToLine)
{
    using enum TraceKey;
    Board board;
    board.draw({"-2/3", "1", "-3", "3"}); // slot 0
    board.draw({"2", "-2", "-3", "3"});   // slot 1
    board.selectSlot(3);
    board.draw({"0", "4", "5", "6"}); // slot 3
    const SlotTable& table = board.slotTable();

    auto point = traceKey(table, 1, std::nullopt, Home);
    EXPECT_EQ(*point, (TracePoint{1, q("-3"), q("-8")})) << "starts on the current slot";
    point = traceKey(table, 1, point, Right);
    point = traceKey(table, 1, point, PreviousLine);
    EXPECT_EQ(*point, (TracePoint{0, q("-2"), q("7/3")})) << "keeps χ inside the other domain";
    point = traceKey(table, 1, point, PreviousLine);
    EXPECT_EQ(*point, (TracePoint{3, q("5"), q("4")})) << "round to the last line, at its left end";
    point = traceKey(table, 1, point, NextLine);
    EXPECT_EQ(*point, (TracePoint{0, q("-3"), q("3")})) << "round to the first line; 5 is outside its domain";

    EXPECT_EQ(traceKey(table, 2, std::nullopt, Right)->Slot, 3) << "the first drawn line after an empty current slot";
    EXPECT_FALSE(traceKey(SlotTable{}, 0, std::nullopt, Right).has_value()) << "no line, no point";
}

} // namespace
} // namespace zelmora
