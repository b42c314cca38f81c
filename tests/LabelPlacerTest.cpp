// SPDX-License-Identifier: MIT
// Where labels go: the rules no place may break (on the surface, off marks and other labels and
// leaders, coordinates near their ring or with a leader, left out when nothing fits), the choice
// among the places that keep them, and the rules again over crowded boards with every mark on.
#include "picture/LabelPlacer.h"
#include "RecordingSurface.h"
#include "facts/ExactLine.h"
#include "facts/LineFacts.h"
#include "picture/UnitMarks.h"
#include "plane/SegmentClip.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <vector>

namespace zelmora {
namespace {

using Places = std::vector<std::optional<LabelPlace>>;

LabelScene emptyScene()
{
    return LabelScene{200, 200, {}, {}, {}, {}, {}};
}

// A 20 x 10 label tried beside a point.
LabelRequest besidePoint(Point anchor, std::vector<double> gaps, std::optional<Point> names = std::nullopt)
{
    return {20, 10, spotsAround(anchor, gaps), names};
}

TEST(LabelPlacer, RulesAndChoices)
{
    const Point centre{100, 100};
    // A leader at 45 degrees starts 6 pixels from its ring's centre.
    const double aslant = 3 * std::sqrt(2.0);
    const struct {
        const char* Name;
        LabelScene Scene;
        std::vector<LabelRequest> Labels;
        Places Expected;
    } rows[] = {
        {"all clear: straight right, the nearest place", emptyScene(), {besidePoint(centre, {6})},
            {LabelPlace{{106, 95}, std::nullopt}}},
        {"never over a mark", {200, 200, {{115, 100}}, {}, {}, {}, {}}, {besidePoint(centre, {6})},
            {LabelPlace{{74, 95}, std::nullopt}}},
        {"never off the surface", {120, 200, {}, {}, {}, {}, {}}, {besidePoint(centre, {6})},
            {LabelPlace{{74, 95}, std::nullopt}}},
        {"never over a label placed before", emptyScene(), {besidePoint(centre, {6}), besidePoint(centre, {6})},
            {LabelPlace{{106, 95}, std::nullopt}, LabelPlace{{74, 95}, std::nullopt}}},
        {"a line costs more than a place a little further", {200, 200, {}, {}, {{{0, 100}, {200, 100}}}, {}, {}},
            {besidePoint(centre, {6})}, {LabelPlace{{90, 106}, std::nullopt}}},
        {"a number of the plane likewise", {200, 200, {}, {}, {}, {{100, 90, 140, 110}}, {}},
            {besidePoint(centre, {6})}, {LabelPlace{{74, 95}, std::nullopt}}},
        {"an axis costs less than a line", {200, 200, {}, {}, {{{104, 100}, {200, 100}}}, {}, {{{100, 0}, {100, 200}}}},
            {{20, 10, {{centre, Side::Right, 6}, {centre, Side::Above, 6}}, std::nullopt}},
            {LabelPlace{{90, 84}, std::nullopt}}},
        {"rather over a line than left out", {200, 200, {}, {}, {{{0, 100}, {200, 100}}}, {}, {}},
            {{20, 10, {{centre, Side::Right, 6}}, std::nullopt}}, {LabelPlace{{106, 95}, std::nullopt}}},
        {"left out when no place keeps the rules",
            {200, 200, {{106, 106}, {106, 94}, {94, 94}, {94, 106}}, {}, {}, {}, {}}, {besidePoint(centre, {6})},
            {std::nullopt}},
        {"coordinates beyond 24 pixels get a leader from the ring's edge", {200, 200, {centre}, {}, {}, {}, {}},
            {{20, 10, {{centre, Side::BelowRight, 30}}, centre}},
            {LabelPlace{{130, 130}, Segment{{100 + aslant, 100 + aslant}, {130, 130}}}}},
        {"no leader along the grid's directions, where a grid line hides it", {200, 200, {centre}, {}, {}, {}, {}},
            {{20, 10, {{centre, Side::Right, 30}}, centre}}, {std::nullopt}},
        {"coordinates no further than 72 pixels", emptyScene(), {besidePoint(centre, {80}, centre)}, {std::nullopt}},
        {"no leader past a mark", {200, 200, {centre, {118, 118}}, {}, {}, {}, {}},
            {{20, 10, {{centre, Side::BelowRight, 30}, {centre, Side::AboveLeft, 30}}, centre}},
            {LabelPlace{{50, 60}, Segment{{100 - aslant, 100 - aslant}, {70, 70}}}}},
        {"no label over a leader", {200, 200, {centre}, {}, {}, {}, {}},
            {{20, 10, {{centre, Side::BelowRight, 30}}, centre},
                {20, 10, {{{108, 108}, Side::BelowRight, 0}, {{108, 60}, Side::BelowRight, 0}}, std::nullopt}},
            {LabelPlace{{130, 130}, Segment{{100 + aslant, 100 + aslant}, {130, 130}}},
                LabelPlace{{108, 60}, std::nullopt}}},
        {"never over an area kept free", {200, 200, {}, {}, {}, {}, {}, {}, {{100, 90, 140, 110}}},
            {besidePoint(centre, {6})}, {LabelPlace{{74, 95}, std::nullopt}}},
        // Below its line the label would stand 6 pixels from it and 2 from the next.
        {"a line's label nearer its own line than another",
            {200, 200, {}, {}, {}, {}, {}, {{{0, 100}, {200, 100}}, {{0, 118}, {200, 118}}}, {}},
            {{20, 10, {{centre, Side::Below, 6}, {centre, Side::Above, 6}}, std::nullopt, 0}},
            {LabelPlace{{90, 84}, std::nullopt}}},
        // Beside a corner, the label covers one mark; straight right, two.
        {"a kept label is never left out, but breaks the fewest rules",
            {200, 200, {{106, 106}, {106, 94}, {94, 94}, {94, 106}}, {}, {}, {}, {}},
            {{20, 10, spotsAround(centre, {6}), std::nullopt, std::nullopt, true}},
            {LabelPlace{{106, 106}, std::nullopt}}},
        // Right of the ring the dot stands 5 pixels from the label, the ring 6: it would be read as the dot's.
        {"coordinates keep nearer their ring than any dot",
            {200, 200, {centre, {131, 100}}, {centre, {131, 100}}, {}, {}, {}}, {besidePoint(centre, {6}, centre)},
            {LabelPlace{{74, 95}, std::nullopt}}},
    };
    const auto near = [](const Segment& a, const Segment& b) {
        return std::hypot(a.From.X - b.From.X, a.From.Y - b.From.Y) < 1e-9
            && std::hypot(a.To.X - b.To.X, a.To.Y - b.To.Y) < 1e-9;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Places places = placeLabels(row.Scene, row.Labels);
        ASSERT_EQ(places.size(), row.Expected.size());
        for (std::size_t i = 0; i < places.size(); ++i) {
            ASSERT_EQ(places[i].has_value(), row.Expected[i].has_value()) << i;
            if (!places[i])
                continue;
            EXPECT_EQ(places[i]->At, row.Expected[i]->At) << i;
            ASSERT_EQ(places[i]->Leader.has_value(), row.Expected[i]->Leader.has_value()) << i;
            if (places[i]->Leader) {
                EXPECT_TRUE(near(*places[i]->Leader, *row.Expected[i]->Leader)) << i;
            }
        }
    }
}

using testing::RecordingSurface;

SlotTable tableOf(const std::vector<EntryTexts>& lines)
{
    SlotTable table;
    for (std::size_t slot = 0; slot < lines.size(); ++slot)
        storeLine(table, static_cast<int>(slot), std::get<LineValues>(readLineEntry(lines[slot])));
    return table;
}

// The part of each drawn line the surface shows, by slot.
std::vector<std::pair<int, Segment>> shownParts(const SlotTable& table, const PlaneGeometry& geometry)
{
    std::vector<std::pair<int, Segment>> parts;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        if (!table.isDrawn(slot))
            continue;
        const ExactLine line = *exactLineOf(table, slot);
        const auto end = [&](const mpq_class& x) { return geometry.toSurface({x.get_d(), yAt(line, x).get_d()}); };
        if (const auto part = clipSegment({end(line.low()), end(line.high())}, {0, 0, 600, 600}))
            parts.emplace_back(slot, *part);
    }
    return parts;
}

// With every mark on, over boards as crowded as a lesson gets, at each plane size: no label covers a
// ring, a dot, a segment's end, another label, a leader or the axis names; each line's label is
// nearer its line than any other (or the line is named at the edge), all of ①–⑧ appear, a slope
// triangle has both numbers or none, and every coordinates label stands nearer its ring than any
// other ring or dot within 24 pixels, or has a leader from the ring that runs aslant.
TEST(LabelPlacer, CrowdedBoardsKeepTheRules)
{
    const std::vector<EntryTexts> eightLines{{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"},
        {"-1", "0", "-10", "10"}, {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"},
        {"5/2", "-1/3", "-4", "4"}};
    const struct {
        const char* Name;
        std::vector<EntryTexts> Lines;
        int SlopeSlot = 0;
        // The most lines named in the legend, at any size: coordinates give way to a line's label.
        long MostLegends = SlotTable::UserSlots;
    } boards[] = {{"eight lines", eightLines, 0, 1}, {"eight lines, the slope of the last", eightLines, 7},
        {"four lines through the origin",
            {{"1/3", "0", "-6", "6"}, {"-1", "0", "-6", "6"}, {"3", "0", "-2", "2"}, {"0", "0", "-6", "6"}}},
        {"three lines through one point", {{"-2/3", "1", "-3", "3"}, {"2", "-2", "-3", "3"}, {"1/2", "3", "-6", "6"}}},
        {"three short segments meeting", {{"1", "1", "0", "1"}, {"-1", "2", "0", "1"}, {"2", "0", "0", "1"}}},
        {"parallel lines one unit apart",
            {{"1", "0", "-8", "8"}, {"1", "1", "-8", "8"}, {"1", "2", "-8", "8"}, {"1", "-1", "-8", "8"},
                {"-1", "0", "-8", "8"}}},
        {"a line along the χ axis", {{"0", "0", "-20", "20"}, {"1", "-13", "-20", "20"}, {"-1/2", "3", "-20", "20"}},
            1},
        {"eight lines through one point",
            {{"1", "0", "-20", "20"}, {"-1", "0", "-20", "20"}, {"2", "0", "-20", "20"}, {"-2", "0", "-20", "20"},
                {"1/2", "0", "-20", "20"}, {"-1/2", "0", "-20", "20"}, {"0", "0", "-20", "20"},
                {"3", "0", "-20", "20"}}}};
    const ShowOptions everything{true, true, true, true, true, false, true, true};
    // The axis names as a file prints them.
    const std::vector<Area> names{{576, 275, 596, 302}, {306, 0, 333, 27}};
    for (const auto& board : boards) {
        for (const std::int16_t unitPixels : {40, 22, 14}) {
            SCOPED_TRACE(std::string(board.Name) + " at " + std::to_string(unitPixels));
            const PlaneGeometry geometry{300, 300, unitPixels};
            const SlotTable table = tableOf(board.Lines);
            RecordingSurface surface;
            const std::vector<MarkLabel> labels
                = markLabels(surface, table, geometry, everything, board.SlopeSlot, names);
            RecordingSurface drawn;
            const std::vector<ExactPoint> leftOut
                = drawUnitMarks(drawn, table, geometry, everything, board.SlopeSlot, names);
            const auto parts = shownParts(table, geometry);

            // The segments' ends on the surface (not where the surface cuts a segment).
            std::vector<Point> marks;
            for (const auto& [slot, part] : parts) {
                const ExactLine line = *exactLineOf(table, slot);
                for (const mpq_class& x : {line.low(), line.high()}) {
                    const Point end = geometry.toSurface({x.get_d(), yAt(line, x).get_d()});
                    if (end.X >= 0 && end.X <= 600 && end.Y >= 0 && end.Y <= 600)
                        marks.push_back(end);
                }
            }
            std::vector<Point> ends = marks;
            std::sort(
                ends.begin(), ends.end(), [](Point a, Point b) { return std::tie(a.X, a.Y) < std::tie(b.X, b.Y); });
            ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
            std::vector<Point> named;
            for (const auto& circle : drawn.Circles) {
                marks.push_back({circle.X, circle.Y});
                named.push_back({circle.X, circle.Y});
            }

            // The bracket of y's range on the y axis has a dot at each end in sight.
            const ExactInterval range = yRange(*exactLineOf(table, board.SlopeSlot));
            const mpq_class edge(300, unitPixels);
            const auto inSight = [&](const mpq_class& y) { return -edge <= y && y <= edge ? 1 : 0; };
            const int bracketEnds = inSight(range.Low) + inSight(range.High);

            std::vector<int> namedSlots;
            int ranges = 0;
            int runs = 0;
            int rises = 0;
            for (std::size_t i = 0; i < labels.size(); ++i) {
                const MarkLabel& label = labels[i];
                const Area& box = label.Box;
                EXPECT_TRUE(box.Left >= 0 && box.Top >= 0 && box.Right <= 600 && box.Bottom <= 600) << i;
                for (const Point& mark : marks)
                    EXPECT_GE(distance(box, mark), MarkRadius - 1e-9)
                        << "label " << i << " over " << mark.X << ", " << mark.Y;
                for (const Area& name : names)
                    EXPECT_FALSE(box.Left < name.Right && name.Left < box.Right && box.Top < name.Bottom
                        && name.Top < box.Bottom)
                        << "label " << i << " over an axis name";
                for (std::size_t j = 0; j < labels.size(); ++j) {
                    const Area& other = labels[j].Box;
                    if (j > i) {
                        EXPECT_FALSE(box.Left < other.Right && other.Left < box.Right && box.Top < other.Bottom
                            && other.Top < box.Bottom)
                            << i << " and " << j;
                    }
                    if (labels[j].Leader && j != i) {
                        EXPECT_GT(distance(box, *labels[j].Leader), 0) << "label " << i << " over a leader";
                    }
                }
                switch (label.Kind) {
                case MarkLabelKind::Line: {
                    namedSlots.push_back(label.Slot);
                    const auto own = std::find_if(
                        parts.begin(), parts.end(), [&](const auto& p) { return p.first == label.Slot; });
                    ASSERT_NE(own, parts.end());
                    for (const auto& [slot, part] : parts)
                        EXPECT_LE(distance(box, own->second), distance(box, part) + LineTolerance + 1e-6)
                            << "label of line " << label.Slot + 1 << " nearer line " << slot + 1;
                    break;
                }
                case MarkLabelKind::Legend:
                    namedSlots.push_back(label.Slot);
                    break;
                case MarkLabelKind::SlopeRun:
                    ++runs;
                    break;
                case MarkLabelKind::SlopeRise:
                    ++rises;
                    break;
                case MarkLabelKind::Range:
                    ++ranges;
                    break;
                case MarkLabelKind::Point:
                case MarkLabelKind::Coordinates: {
                    ASSERT_TRUE(label.Names.has_value());
                    const double own = distance(box, *label.Names);
                    if (const auto& leader = label.Leader) {
                        EXPECT_LE(own, MaxLeaderDistance);
                        EXPECT_LE(std::hypot(leader->From.X - label.Names->X, leader->From.Y - label.Names->Y),
                            MarkRadius + 1 + 1e-9);
                        EXPECT_GE(std::fabs(leader->To.X - leader->From.X), 2);
                        EXPECT_GE(std::fabs(leader->To.Y - leader->From.Y), 2);
                        for (const Area& name : names)
                            EXPECT_GT(distance(name, *leader), 0) << "a leader over an axis name";
                    } else {
                        EXPECT_LE(own, MaxRingDistance);
                        for (const Point& other : named)
                            EXPECT_LE(own, distance(box, other) + 1e-9)
                                << "coordinates nearer " << other.X << ", " << other.Y;
                    }
                    break;
                }
                }
            }
            std::sort(namedSlots.begin(), namedSlots.end());
            std::vector<int> slots;
            for (const auto& part : parts)
                slots.push_back(part.first);
            EXPECT_EQ(namedSlots, slots);
            // Every ring's coordinates are placed or given back for a list: none vanish.
            const auto placedCoordinates = std::count_if(labels.begin(), labels.end(),
                [](const MarkLabel& label) { return label.Kind == MarkLabelKind::Coordinates; });
            EXPECT_EQ(
                placedCoordinates + std::ssize(leftOut), std::ssize(drawn.Circles) - std::ssize(ends) - bracketEnds);
            for (const ExactPoint& point : leftOut) {
                const Point ring = geometry.toSurface({point.X.get_d(), point.Y.get_d()});
                EXPECT_FALSE(std::any_of(labels.begin(), labels.end(), [&](const MarkLabel& label) {
                    return label.Names && distance(Area{ring.X, ring.Y, ring.X, ring.Y}, *label.Names) < 1e-6;
                })) << "a crossing both labelled and left out";
            }
            EXPECT_LE(std::count_if(labels.begin(), labels.end(),
                          [](const MarkLabel& label) { return label.Kind == MarkLabelKind::Legend; }),
                board.MostLegends);
            EXPECT_LE(ranges, 1);
            EXPECT_EQ(runs, rises);
            EXPECT_LE(runs, 1);
        }
    }
}

// With no free place anywhere, a legend entry still stands on the picture, unless a list beside it
// names the lines.
TEST(LabelPlacer, LegendWithoutRoomGoesToTheList)
{
    const SlotTable table = tableOf({{"-2/3", "1", "-3", "3"}, {"2", "-2", "-3", "3"}, {"1/2", "3", "-6", "6"}});
    const ShowOptions equations{false, true};
    const std::vector<Area> everywhere{{0, 0, 600, 600}};
    for (const auto& [list, legends] : {std::pair{LineList::None, 3}, std::pair{LineList::Beside, 0}}) {
        RecordingSurface surface;
        const auto labels
            = markLabels(surface, table, PlaneGeometry{300, 300, 40}, equations, 0, everywhere, {}, {}, list);
        EXPECT_EQ(std::ssize(labels), legends);
        EXPECT_TRUE(std::all_of(
            labels.begin(), labels.end(), [](const MarkLabel& label) { return label.Kind == MarkLabelKind::Legend; }));
    }
}

} // namespace
} // namespace zelmora
