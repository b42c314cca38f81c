// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Point.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zelmora {

// Where the labels of the unit's marks stand on the surface, in surface pixels. Each label tries
// places round its point, nearest first, and takes the one that scores best. Some things no place
// may do: leave the surface, cover another label, a number of the plane, a kept-free area or a mark
// (a ring, an end dot, a segment's end), or stand where it would be read as another object's. A label that names a line
// stands nearer that line than any other (within LineTolerance). A label of coordinates stands
// nearer its ring than any other ring or dot, within MaxRingDistance of it; or further out, up to
// MaxLeaderDistance, with a thin leader line from the ring that runs neither across nor along the
// grid's directions, where it would vanish in a grid line or an axis. A label that finds no place
// is left out, unless it is kept: then it takes the place that breaks the fewest rules.

// A rectangle on the surface.
struct Area {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;

    friend bool operator==(const Area&, const Area&) = default;
};

// The side of its anchor a label stands on.
enum class Side { BelowRight, AboveRight, BelowLeft, AboveLeft, Right, Left, Below, Above };

// A place to try: the label stands on one side of the anchor, its nearest edge Gap pixels away
// (for the corners, Gap across and Gap down or up).
struct Spot {
    Point Anchor;
    Side Where = Side::BelowRight;
    double Gap = 0;
};

// What is on the surface before the labels.
struct LabelScene {
    double Width = 0;
    double Height = 0;
    // The centres of the rings, dots and segment ends; no label comes within MarkRadius of one.
    std::vector<Point> Marks;
    // The dots and rings: a label of coordinates that stands nearer another of them than its own
    // ring would be read as that point's.
    std::vector<Point> Named;
    // Lines and the axes: a label keeps off them where it can, off the lines most of all. The
    // plane's numbers: no label covers one, since both would show through each other.
    std::vector<Segment> Lines;
    std::vector<Area> Texts;
    std::vector<Segment> Axes;
    // The drawn segments a label may name: one nearer another of them would be read as its.
    std::vector<Segment> Segments{};
    // Areas no label covers, such as the axis names printed into the picture.
    std::vector<Area> Free{};
};

// A label's box (its size) and the places it tries, in order of preference. Names: the ring whose
// coordinates the label gives. Line: the index in the scene's Segments of the line it names.
// Kept: never left out.
struct LabelRequest {
    double Width = 0;
    double Height = 0;
    std::vector<Spot> Spots;
    std::optional<Point> Names;
    std::optional<std::size_t> Line{};
    bool Kept = false;
};

// A placed label: the top-left corner of its box on whole pixels, and the leader line from its ring
// when it stands further out than MaxRingDistance.
struct LabelPlace {
    Point At;
    std::optional<Segment> Leader;

    friend bool operator==(const LabelPlace&, const LabelPlace&) = default;
};

inline constexpr double MarkRadius = 5;
inline constexpr double MaxRingDistance = 24;
inline constexpr double MaxLeaderDistance = 72;
inline constexpr double LineTolerance = 2;

// The places of the labels, in order, each kept clear of those before it; none for a label left out.
// The first labels keep the places known for them, as an earlier call over the same scene and the
// same first labels found them, and only the others are placed.
std::vector<std::optional<LabelPlace>> placeLabels(const LabelScene& scene, const std::vector<LabelRequest>& labels,
    std::vector<std::optional<LabelPlace>> known = {});

// The places round a point, nearest first: the four corners, then straight right, left, below and
// above, at each of the gaps.
std::vector<Spot> spotsAround(Point anchor, const std::vector<double>& gaps);
// The same places at one gap, added to the end of spots.
void addSpotsAround(std::vector<Spot>& spots, Point anchor, double gap);

// The distance from a point to the nearest point of a box; 0 inside it.
double distance(const Area& box, Point point);
// The distance between a box and a segment; 0 where they meet.
double distance(const Area& box, const Segment& segment);

} // namespace zelmora
