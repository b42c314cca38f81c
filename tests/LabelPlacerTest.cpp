// SPDX-License-Identifier: MIT
// Where labels go: the rules no place may break (on the surface, off marks and other labels and
// leaders, coordinates near their ring or with a leader, left out when nothing fits), the choice
// among the places that keep them, and the rules again over crowded boards with every mark on.
#include "picture/LabelPlacer.h"
#include "RecordingSurface.h"
#include "facts/ExactLine.h"
#include "picture/UnitMarks.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ranges>
#include <string>
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
            {{20, 10, {{centre, Side::Right, 30}}, centre}}, {LabelPlace{{130, 95}, Segment{{106, 100}, {130, 100}}}}},
        {"coordinates no further than 72 pixels", emptyScene(), {besidePoint(centre, {80}, centre)}, {std::nullopt}},
        {"no leader past a mark", {200, 200, {centre, {118, 100}}, {}, {}, {}, {}},
            {{20, 10, {{centre, Side::Right, 30}, {centre, Side::Left, 30}}, centre}},
            {LabelPlace{{50, 95}, Segment{{94, 100}, {70, 100}}}}},
        {"no label over a leader", {200, 200, {centre}, {}, {}, {}, {}},
            {{20, 10, {{centre, Side::Right, 30}}, centre},
                {20, 10, {{{108, 95}, Side::BelowRight, 0}, {{108, 106}, Side::BelowRight, 0}}, std::nullopt}},
            {LabelPlace{{130, 95}, Segment{{106, 100}, {130, 100}}}, LabelPlace{{108, 106}, std::nullopt}}},
        // Right of the ring the dot stands 5 pixels from the label, the ring 6: it would be read as the dot's.
        {"coordinates keep nearer their ring than any dot",
            {200, 200, {centre, {131, 100}}, {centre, {131, 100}}, {}, {}, {}}, {besidePoint(centre, {6}, centre)},
            {LabelPlace{{74, 95}, std::nullopt}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(placeLabels(row.Scene, row.Labels), row.Expected);
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

double boxDistance(const RecordingSurface::FilledBox& box, Point point)
{
    return distance(Area{box.X1, box.Y1, box.X2, box.Y2}, point);
}

// With every mark on, over boards as crowded as a lesson gets, at each plane size: no label covers a
// ring, a dot, a segment's end, another label or a leader; every coordinates label stands within 24
// pixels of a ring, or has a leader from a ring to its edge.
TEST(LabelPlacer, CrowdedBoardsKeepTheRules)
{
    const std::vector<EntryTexts> eightLines{{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"},
        {"-1", "0", "-10", "10"}, {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"},
        {"5/2", "-1/3", "-4", "4"}};
    const std::vector<EntryTexts> throughOnePoint{
        {"1/3", "0", "-6", "6"}, {"-1", "0", "-6", "6"}, {"3", "0", "-2", "2"}, {"0", "0", "-6", "6"}};
    const std::vector<EntryTexts> shortSegments{{"1", "1", "0", "1"}, {"-1", "2", "0", "1"}, {"2", "0", "0", "1"}};
    const struct {
        const char* Name;
        std::vector<EntryTexts> Lines;
    } boards[] = {{"eight lines", eightLines}, {"four lines through the origin", throughOnePoint},
        {"three short segments meeting", shortSegments}};
    const ShowOptions everything{true, true, true, true, true};
    for (const auto& board : boards) {
        for (const std::int16_t unitPixels : {40, 22, 14}) {
            SCOPED_TRACE(std::string(board.Name) + " at " + std::to_string(unitPixels));
            const PlaneGeometry geometry{300, 300, unitPixels};
            const SlotTable table = tableOf(board.Lines);
            RecordingSurface surface;
            drawUnitMarks(surface, table, geometry, everything, 0);

            std::vector<Point> ends;
            for (int slot = 0; slot < static_cast<int>(board.Lines.size()); ++slot) {
                const ExactLine line = *exactLineOf(table, slot);
                for (const mpq_class& x : {line.low(), line.high()}) {
                    const Point end = geometry.toSurface({x.get_d(), yAt(line, x).get_d()});
                    if (end.X >= 0 && end.X <= 600 && end.Y >= 0 && end.Y <= 600)
                        ends.push_back(end);
                }
            }
            std::vector<Point> rings;
            for (const auto& circle : surface.Circles) {
                ends.push_back({circle.X, circle.Y});
                if (!circle.Fill)
                    rings.push_back({circle.X, circle.Y});
            }
            // Leaders: black lines outside every box (a fraction's bar lies inside its own).
            std::vector<RecordingSurface::DrawnLine> leaders;
            for (const auto& line : surface.Lines) {
                const bool inBox = std::any_of(surface.Boxes.begin(), surface.Boxes.end(), [&](const auto& box) {
                    return std::min(line.X1, line.X2) >= box.X1 && std::max(line.X1, line.X2) <= box.X2
                        && line.Y1 >= box.Y1 && line.Y1 <= box.Y2;
                });
                if (line.Colour == Rgb{0, 0, 0} && !inBox)
                    leaders.push_back(line);
            }

            for (std::size_t i = 0; i < surface.Boxes.size(); ++i) {
                const auto& box = surface.Boxes[i];
                EXPECT_TRUE(box.X1 >= 0 && box.Y1 >= 0 && box.X2 <= 600 && box.Y2 <= 600) << i;
                for (const Point& end : ends)
                    EXPECT_GE(boxDistance(box, end), MarkRadius) << "label " << i << " over " << end.X << ", " << end.Y;
                for (std::size_t j = i + 1; j < surface.Boxes.size(); ++j) {
                    const auto& other = surface.Boxes[j];
                    EXPECT_FALSE(box.X1 < other.X2 && other.X1 < box.X2 && box.Y1 < other.Y2 && other.Y1 < box.Y2)
                        << i << " and " << j;
                }
                for (const auto& leader : leaders) {
                    const Point middle{(leader.X1 + leader.X2) / 2, (leader.Y1 + leader.Y2) / 2};
                    EXPECT_GT(boxDistance(box, middle), 0) << "label " << i << " over a leader";
                }
            }
            for (const auto& text : surface.Texts) {
                if (text.Text.front() != '(')
                    continue;
                const auto box = std::find_if(surface.Boxes.begin(), surface.Boxes.end(),
                    [&](const auto& b) { return text.X >= b.X1 && text.X < b.X2 && text.Y >= b.Y1 && text.Y < b.Y2; });
                ASSERT_NE(box, surface.Boxes.end());
                const double nearest = std::ranges::min(
                    rings | std::views::transform([&](Point ring) { return boxDistance(*box, ring); }));
                const bool led = std::any_of(leaders.begin(), leaders.end(), [&](const auto& leader) {
                    return boxDistance(*box, {leader.X2, leader.Y2}) < 1e-9
                        && std::ranges::any_of(rings, [&](Point ring) {
                               return std::hypot(leader.X1 - ring.X, leader.Y1 - ring.Y) <= MarkRadius + 1 + 1e-9;
                           });
                });
                EXPECT_TRUE(nearest <= MaxRingDistance || led) << "label at " << box->X1 << ", " << box->Y1;
                EXPECT_LE(nearest, MaxLeaderDistance);
            }
        }
    }
}

} // namespace
} // namespace zelmora
