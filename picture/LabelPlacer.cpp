// SPDX-License-Identifier: MIT
#include "picture/LabelPlacer.h"

#include "plane/SegmentClip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace zelmora {
namespace {

// A label keeps this far from the centre of a line where it can: half of the widest line, and a
// little.
constexpr double lineClearance = 2;
// What a place costs beyond its distance from the label's point, in pixels of that distance: a
// label over a line hides a piece of it behind its halo.
constexpr double linePenalty = 40;
// An axis hidden for a label's width still reads as an axis; a stub of it left between two labels
// reads as a mark.
constexpr double axisPenalty = 16;
constexpr double leaderPenalty = 16;
// A label that names a line hugs it: each pixel away from it costs this much more.
constexpr double lineDistanceWeight = 2;
// What a kept label pays for each rule it breaks, where no place keeps them all.
constexpr double brokenRule = 1e6;
// A leader starts this far from its ring's centre, outside the ring.
constexpr double leaderStart = MarkRadius + 1;
// A leader this close to the grid's directions would lie along a grid line or an axis and vanish.
constexpr double leaderSlant = 2;
// How far round its places a label looks for what could bear on them: the reach of a leader, or
// of another line that could seem nearer.
constexpr double lineReach = 40;

bool overlaps(const Area& a, const Area& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

Area grown(const Area& box, double by)
{
    return {box.Left - by, box.Top - by, box.Right + by, box.Bottom + by};
}

Area bounds(const Segment& segment)
{
    return {std::min(segment.From.X, segment.To.X), std::min(segment.From.Y, segment.To.Y),
        std::max(segment.From.X, segment.To.X), std::max(segment.From.Y, segment.To.Y)};
}

bool touches(const Area& a, const Area& b)
{
    return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
}

bool contains(const Area& box, Point point)
{
    return box.Left <= point.X && point.X <= box.Right && box.Top <= point.Y && point.Y <= box.Bottom;
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
    const Area near = grown(box, lineClearance);
    // Most segments miss a label's box by far; their bounds say so without clipping.
    if (!touches(bounds(segment), near))
        return false;
    return clipSegment(segment, {near.Left, near.Top, near.Right, near.Bottom}).has_value();
}

Point nearestOf(const Area& box, Point point)
{
    return {std::clamp(point.X, box.Left, box.Right), std::clamp(point.Y, box.Top, box.Bottom)};
}

double squaredDistance(const Area& box, Point point)
{
    const Point nearest = nearestOf(box, point);
    const double dx = nearest.X - point.X;
    const double dy = nearest.Y - point.Y;
    return dx * dx + dy * dy;
}

double squaredDistanceToSegment(Point point, const Segment& segment)
{
    const double dx = segment.To.X - segment.From.X;
    const double dy = segment.To.Y - segment.From.Y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0
        ? std::clamp(((point.X - segment.From.X) * dx + (point.Y - segment.From.Y) * dy) / length2, 0.0, 1.0)
        : 0.0;
    const double ex = segment.From.X + t * dx - point.X;
    const double ey = segment.From.Y + t * dy - point.Y;
    return ex * ex + ey * ey;
}

double distanceToSegment(Point point, const Segment& segment)
{
    return std::sqrt(squaredDistanceToSegment(point, segment));
}

// The squared distance between two boxes; no more than that between a box and a segment the
// other box bounds.
double squaredDistance(const Area& a, const Area& b)
{
    const double dx = std::max({0.0, b.Left - a.Right, a.Left - b.Right});
    const double dy = std::max({0.0, b.Top - a.Bottom, a.Top - b.Bottom});
    return dx * dx + dy * dy;
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

// What bears on one label's places: the parts of the scene and of the labels placed before it
// that lie near enough to any of its places to matter. A label looks only at these, so that its
// work grows with what stands round it, not with everything on the surface.
struct Nearby {
    std::vector<Point> Marks;
    std::vector<Point> Named;
    std::vector<Segment> Lines;
    std::vector<Area> Texts;
    std::vector<Segment> Axes;
    std::vector<std::size_t> Segments;
    std::vector<Area> Free;
    std::vector<Area> Placed;
    std::vector<Segment> Leaders;
};

// Gathers into near, whose buffers serve every group of places in turn.
void gatherNearby(Nearby& near, const LabelScene& scene, const LabelRequest& label, std::span<const Spot> spots,
    const std::vector<Area>& placed, const std::vector<Segment>& leaders)
{
    Area region{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const Spot& spot : spots) {
        const Point corner = topLeft(spot, label.Width, label.Height);
        region = {std::min(region.Left, corner.X - 1), std::min(region.Top, corner.Y - 1),
            std::max(region.Right, corner.X + label.Width + 1), std::max(region.Bottom, corner.Y + label.Height + 1)};
    }
    if (label.Names)
        region = {std::min(region.Left, label.Names->X), std::min(region.Top, label.Names->Y),
            std::max(region.Right, label.Names->X), std::max(region.Bottom, label.Names->Y)};
    for (auto* points : {&near.Marks, &near.Named})
        points->clear();
    for (auto* segments : {&near.Lines, &near.Axes, &near.Leaders})
        segments->clear();
    for (auto* areas : {&near.Texts, &near.Free, &near.Placed})
        areas->clear();
    near.Segments.clear();
    const Area close = grown(region, MarkRadius + lineClearance);
    // A point nearer a label than its ring, or a mark beside its leader, lies within a leader's reach.
    const Area reach = grown(region, label.Names ? MaxLeaderDistance + MarkRadius : MarkRadius + lineClearance);
    for (const Point& mark : scene.Marks) {
        if (contains(reach, mark))
            near.Marks.push_back(mark);
    }
    for (const Point& point : scene.Named) {
        if (contains(reach, point))
            near.Named.push_back(point);
    }
    for (const Segment& line : scene.Lines) {
        if (touches(bounds(line), close))
            near.Lines.push_back(line);
    }
    for (const Segment& axis : scene.Axes) {
        if (touches(bounds(axis), close))
            near.Axes.push_back(axis);
    }
    for (const Area& text : scene.Texts) {
        if (touches(text, region))
            near.Texts.push_back(text);
    }
    for (const Area& free : scene.Free) {
        if (touches(free, region))
            near.Free.push_back(free);
    }
    const Area lines = grown(region, lineReach);
    for (std::size_t i = 0; i < scene.Segments.size(); ++i) {
        if (touches(bounds(scene.Segments[i]), lines))
            near.Segments.push_back(i);
    }
    for (const Area& box : placed) {
        if (touches(box, reach))
            near.Placed.push_back(box);
    }
    for (const Segment& leader : leaders) {
        if (touches(bounds(leader), close))
            near.Leaders.push_back(leader);
    }
}

} // namespace

double distance(const Area& box, Point point)
{
    return std::sqrt(squaredDistance(box, point));
}

double distance(const Area& box, const Segment& segment)
{
    if (clipSegment(segment, {box.Left, box.Top, box.Right, box.Bottom}))
        return 0;
    // The root of the least square is the least root, and costs one root instead of six.
    double nearest = std::min(squaredDistance(box, segment.From), squaredDistance(box, segment.To));
    for (const Point corner : {Point{box.Left, box.Top}, Point{box.Right, box.Top}, Point{box.Left, box.Bottom},
             Point{box.Right, box.Bottom}})
        nearest = std::min(nearest, squaredDistanceToSegment(corner, segment));
    return std::sqrt(nearest);
}

std::vector<Spot> spotsAround(Point anchor, const std::vector<double>& gaps)
{
    std::vector<Spot> spots;
    spots.reserve(gaps.size() * 8);
    for (const double gap : gaps)
        addSpotsAround(spots, anchor, gap);
    return spots;
}

void addSpotsAround(std::vector<Spot>& spots, Point anchor, double gap)
{
    constexpr std::array<Side, 8> sides{Side::BelowRight, Side::AboveRight, Side::BelowLeft, Side::AboveLeft,
        Side::Right, Side::Left, Side::Below, Side::Above};
    for (const Side side : sides)
        spots.push_back({anchor, side, gap});
}

// Places on whole pixels, so that text and fraction bars fall on whole pixels too.
std::vector<std::optional<LabelPlace>> placeLabels(
    const LabelScene& scene, const std::vector<LabelRequest>& labels, std::vector<std::optional<LabelPlace>> known)
{
    std::vector<std::optional<LabelPlace>> places = std::move(known);
    std::vector<Area> placed;
    // No label covers a leader: the leader would seem to point at it.
    std::vector<Segment> leaders;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (const auto& place = places[i]) {
            placed.push_back({place->At.X, place->At.Y, place->At.X + labels[i].Width, place->At.Y + labels[i].Height});
            if (place->Leader)
                leaders.push_back(*place->Leader);
        }
    }
    // The places round one anchor lie close together: what bears on them is gathered once for
    // them all.
    Nearby near;
    for (const LabelRequest& label : std::span(labels).subspan(places.size())) {
        std::optional<LabelPlace> best;
        double bestScore = 0;
        const Point own = label.Names.value_or(label.Spots.front().Anchor);
        // A place scores at least its distance from the label's own point, and a box lies within
        // this much of its anchor: a place whose anchor is too far out to beat the best is not tried.
        const double reach = std::hypot(label.Width, label.Height) + 1;
        std::size_t group = 0;
        bool gathered = false;
        for (std::size_t i = 0; i < label.Spots.size(); ++i) {
            const Spot& spot = label.Spots[i];
            if (i > 0 && spot.Anchor != label.Spots[i - 1].Anchor) {
                group = i;
                gathered = false;
            }
            if (best) {
                const double within = bestScore + 1.5 * spot.Gap + reach;
                const double dx = spot.Anchor.X - own.X;
                const double dy = spot.Anchor.Y - own.Y;
                if (dx * dx + dy * dy >= within * within)
                    continue;
            }
            if (!gathered) {
                std::size_t end = group + 1;
                while (end < label.Spots.size() && label.Spots[end].Anchor == spot.Anchor)
                    ++end;
                gatherNearby(near, scene, label, std::span(label.Spots).subspan(group, end - group), placed, leaders);
                gathered = true;
            }
            const Point corner = topLeft(spot, label.Width, label.Height);
            const Point at{std::round(corner.X), std::round(corner.Y)};
            const Area box{at.X, at.Y, at.X + label.Width, at.Y + label.Height};
            if (box.Left < 0 || box.Top < 0 || box.Right > scene.Width || box.Bottom > scene.Height)
                continue;
            const auto overlapsBox = [&](const Area& other) { return overlaps(box, other); };
            const auto crossing = [&](const Segment& line) { return nearSegment(line, box); };
            const auto onMark = [&](Point mark) { return squaredDistance(box, mark) < MarkRadius * MarkRadius; };
            // The cheap tests first; a label that may be left out stops at the first rule it breaks.
            double broken = 0;
            if (label.Kept) {
                broken = static_cast<double>(std::count_if(near.Placed.begin(), near.Placed.end(), overlapsBox)
                    + std::count_if(near.Texts.begin(), near.Texts.end(), overlapsBox)
                    + std::count_if(near.Free.begin(), near.Free.end(), overlapsBox)
                    + std::count_if(near.Marks.begin(), near.Marks.end(), onMark)
                    + std::count_if(near.Leaders.begin(), near.Leaders.end(), crossing));
            } else if (std::any_of(near.Placed.begin(), near.Placed.end(), overlapsBox)
                || std::any_of(near.Texts.begin(), near.Texts.end(), overlapsBox)
                || std::any_of(near.Free.begin(), near.Free.end(), overlapsBox)
                || std::any_of(near.Marks.begin(), near.Marks.end(), onMark)
                || std::any_of(near.Leaders.begin(), near.Leaders.end(), crossing)) {
                continue;
            }
            double score = broken * brokenRule;

            if (label.Line) {
                // Nearer its own line than any other, or it would be read as the other's.
                const double own = distance(box, scene.Segments[*label.Line]);
                // A segment whose bounds lie clearly further off than that cannot be nearer: its
                // exact distance is not worked out.
                const double within = own - LineTolerance - 1e-6;
                const auto nearer = [&](std::size_t other) {
                    if (other == *label.Line)
                        return false;
                    if (within > 0 && squaredDistance(box, bounds(scene.Segments[other])) >= within * within)
                        return false;
                    return distance(box, scene.Segments[other]) + LineTolerance < own;
                };
                bool astray = false;
                if (own + LineTolerance < lineReach)
                    astray = std::any_of(near.Segments.begin(), near.Segments.end(), nearer);
                else
                    for (std::size_t other = 0; other < scene.Segments.size() && !astray; ++other)
                        astray = nearer(other);
                if (astray)
                    continue;
                score += lineDistanceWeight * own;
            }

            const double ownDistance = distance(box, own);
            score += ownDistance;
            std::optional<Segment> leader;
            if (label.Names && ownDistance > MaxLeaderDistance)
                continue;
            if (label.Names && ownDistance > MaxRingDistance) {
                leader = leaderTo(box, own);
                // A leader along the grid's directions vanishes in a grid line or an axis, and one
                // along a line in that line; one that runs over another label, an area kept free or
                // past a mark would point at the wrong thing.
                const auto crosses = [&](const Area& other) { return nearSegment(*leader, other); };
                if (std::fabs(leader->To.X - leader->From.X) < leaderSlant
                    || std::fabs(leader->To.Y - leader->From.Y) < leaderSlant
                    || std::any_of(near.Placed.begin(), near.Placed.end(), crosses)
                    || std::any_of(near.Free.begin(), near.Free.end(), crosses)
                    || std::any_of(near.Lines.begin(), near.Lines.end(),
                        [&](const Segment& line) {
                            return distanceToSegment(leader->From, line) < lineClearance
                                && distanceToSegment(leader->To, line) < lineClearance;
                        })
                    || std::any_of(near.Marks.begin(), near.Marks.end(),
                        [&](Point mark) { return mark != own && distanceToSegment(mark, *leader) < MarkRadius; }))
                    continue;
                score += leaderPenalty;
                score += linePenalty
                    * static_cast<double>(std::count_if(leaders.begin(), leaders.end(),
                        [&](const Segment& other) { return segmentsCross(*leader, other); }));
            } else if (label.Names) {
                // Without a leader, a label nearer another ring or dot than its own is read as that one's.
                const double ownSquared = ownDistance * ownDistance;
                if (std::any_of(near.Named.begin(), near.Named.end(),
                        [&](Point other) { return other != own && squaredDistance(box, other) < ownSquared; }))
                    continue;
            }
            score += linePenalty * static_cast<double>(std::count_if(near.Lines.begin(), near.Lines.end(), crossing));
            score += axisPenalty * static_cast<double>(std::count_if(near.Axes.begin(), near.Axes.end(), crossing));
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
