// SPDX-License-Identifier: MIT
#include "picture/LabelPlacer.h"

#include "plane/SegmentClip.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelmora {
namespace {

// A label keeps this far from the centre of a line where it can: half of the widest line, and a
// little.
constexpr double lineClearance = 2;
// What a place costs beyond its distance from the label's point, in pixels of that distance: a
// label over a line hides a piece of it, over a number of the plane it hides the number, and one
// of coordinates nearer another point than its own is read as that point's.
constexpr double linePenalty = 40;
constexpr double textPenalty = 40;
// An axis hidden for a label's width still reads as an axis; a stub of it left between two labels
// reads as a mark.
constexpr double axisPenalty = 16;
constexpr double astrayPenalty = 200;
constexpr double leaderPenalty = 16;
// A leader starts this far from its ring's centre, outside the ring.
constexpr double leaderStart = MarkRadius + 1;

bool overlaps(const Area& a, const Area& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

Point topLeft(const Spot& spot, double width, double height)
{
    const double x = spot.Anchor.X;
    const double y = spot.Anchor.Y;
    const double gap = spot.Gap;
    switch (spot.Where) {
    case Side::BelowRight:
        return {x + gap, y + gap};
    case Side::AboveRight:
        return {x + gap, y - gap - height};
    case Side::BelowLeft:
        return {x - gap - width, y + gap};
    case Side::AboveLeft:
        return {x - gap - width, y - gap - height};
    case Side::Right:
        return {x + gap, y - height / 2};
    case Side::Left:
        return {x - gap - width, y - height / 2};
    case Side::Below:
        return {x - width / 2, y + gap};
    case Side::Above:
        return {x - width / 2, y - gap - height};
    }
    return spot.Anchor;
}

bool nearSegment(const Segment& segment, const Area& box)
{
    const ClipRect near{
        box.Left - lineClearance, box.Top - lineClearance, box.Right + lineClearance, box.Bottom + lineClearance};
    // Most segments miss a label's box by far; their bounds say so without clipping.
    if (std::max(segment.From.X, segment.To.X) < near.Left || std::min(segment.From.X, segment.To.X) > near.Right
        || std::max(segment.From.Y, segment.To.Y) < near.Top || std::min(segment.From.Y, segment.To.Y) > near.Bottom)
        return false;
    return clipSegment(segment, near).has_value();
}

Point nearestOf(const Area& box, Point point)
{
    return {std::clamp(point.X, box.Left, box.Right), std::clamp(point.Y, box.Top, box.Bottom)};
}

double distanceToSegment(Point point, const Segment& segment)
{
    const double dx = segment.To.X - segment.From.X;
    const double dy = segment.To.Y - segment.From.Y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0
        ? std::clamp(((point.X - segment.From.X) * dx + (point.Y - segment.From.Y) * dy) / length2, 0.0, 1.0)
        : 0.0;
    return std::hypot(segment.From.X + t * dx - point.X, segment.From.Y + t * dy - point.Y);
}

// The leader from the ring's edge towards the nearest point of the label's box.
Segment leaderTo(const Area& box, Point ring)
{
    const Point end = nearestOf(box, ring);
    const double length = std::hypot(end.X - ring.X, end.Y - ring.Y);
    const double t = leaderStart / length;
    return {{ring.X + t * (end.X - ring.X), ring.Y + t * (end.Y - ring.Y)}, end};
}

bool segmentsCross(const Segment& a, const Segment& b)
{
    const auto side = [](Point from, Point to, Point point) {
        return (to.X - from.X) * (point.Y - from.Y) - (to.Y - from.Y) * (point.X - from.X);
    };
    return side(a.From, a.To, b.From) * side(a.From, a.To, b.To) < 0
        && side(b.From, b.To, a.From) * side(b.From, b.To, a.To) < 0;
}

bool astray(const Area& box, Point named, const std::vector<Point>& points)
{
    const double own = distance(box, named);
    return std::any_of(
        points.begin(), points.end(), [&](Point other) { return other != named && distance(box, other) < own; });
}

} // namespace

double distance(const Area& box, Point point)
{
    const Point nearest = nearestOf(box, point);
    return std::hypot(nearest.X - point.X, nearest.Y - point.Y);
}

std::vector<Spot> spotsAround(Point anchor, const std::vector<double>& gaps)
{
    constexpr std::array<Side, 8> sides{Side::BelowRight, Side::AboveRight, Side::BelowLeft, Side::AboveLeft,
        Side::Right, Side::Left, Side::Below, Side::Above};
    std::vector<Spot> spots;
    for (const double gap : gaps) {
        for (const Side side : sides)
            spots.push_back({anchor, side, gap});
    }
    return spots;
}

// Places on whole pixels, so that text and fraction bars fall on whole pixels too.
std::vector<std::optional<LabelPlace>> placeLabels(const LabelScene& scene, const std::vector<LabelRequest>& labels)
{
    std::vector<std::optional<LabelPlace>> places;
    std::vector<Area> placed;
    // No label covers a leader: the leader would seem to point at it.
    std::vector<Segment> leaders;
    for (const LabelRequest& label : labels) {
        std::optional<LabelPlace> best;
        double bestScore = 0;
        for (const Spot& spot : label.Spots) {
            const Point corner = topLeft(spot, label.Width, label.Height);
            const Point at{std::round(corner.X), std::round(corner.Y)};
            const Area box{at.X, at.Y, at.X + label.Width, at.Y + label.Height};
            if (box.Left < 0 || box.Top < 0 || box.Right > scene.Width || box.Bottom > scene.Height)
                continue;
            const auto overlapsBox = [&](const Area& other) { return overlaps(box, other); };
            const auto crossing = [&](const Segment& line) { return nearSegment(line, box); };
            if (std::any_of(placed.begin(), placed.end(), overlapsBox)
                || std::any_of(leaders.begin(), leaders.end(), crossing)
                || std::any_of(scene.Marks.begin(), scene.Marks.end(),
                    [&](Point mark) { return distance(box, mark) < MarkRadius; }))
                continue;

            const Point own = label.Names.value_or(label.Spots.front().Anchor);
            double score = distance(box, own);
            std::optional<Segment> leader;
            if (label.Names && score > MaxLeaderDistance)
                continue;
            if (label.Names && score > MaxRingDistance) {
                leader = leaderTo(box, own);
                // A leader that runs over another label or past a mark would point at the wrong thing.
                const auto crosses = [&](const Area& other) { return nearSegment(*leader, other); };
                if (std::any_of(placed.begin(), placed.end(), crosses)
                    || std::any_of(scene.Marks.begin(), scene.Marks.end(),
                        [&](Point mark) { return mark != own && distanceToSegment(mark, *leader) < MarkRadius; }))
                    continue;
                score += leaderPenalty;
                score += linePenalty
                    * static_cast<double>(std::count_if(leaders.begin(), leaders.end(),
                        [&](const Segment& other) { return segmentsCross(*leader, other); }));
            }
            score += linePenalty * static_cast<double>(std::count_if(scene.Lines.begin(), scene.Lines.end(), crossing));
            score += textPenalty
                * static_cast<double>(std::count_if(scene.Texts.begin(), scene.Texts.end(), overlapsBox));
            score += axisPenalty * static_cast<double>(std::count_if(scene.Axes.begin(), scene.Axes.end(), crossing));
            if (label.Names && astray(box, *label.Names, scene.Named))
                score += astrayPenalty;
            if (!best || score < bestScore) {
                best = LabelPlace{at, leader};
                bestScore = score;
            }
        }
        if (best) {
            placed.push_back({best->At.X, best->At.Y, best->At.X + label.Width, best->At.Y + label.Height});
            if (best->Leader)
                leaders.push_back(*best->Leader);
        }
        places.push_back(best);
    }
    return places;
}

} // namespace zelmora
