// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Point.h"

#include <optional>
#include <vector>

namespace zelmora {

// Where the labels of the unit's marks stand on the surface, in surface pixels. Each label tries
// places round its point, nearest first, and takes the one that scores best. Some things no place
// may do: leave the surface, cover another label, or cover a mark (a ring, an end dot, a segment's
// end). A label of coordinates stands within MaxRingDistance of its ring, or further out with a
// thin leader line from the ring, up to MaxLeaderDistance. A label that finds no place is left out:
// better no label than one that hides a mark or names the wrong point.

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
    // Lines, the axes and the plane's numbers: a label keeps off them where it can, off the lines
    // most of all.
    std::vector<Segment> Lines;
    std::vector<Area> Texts;
    std::vector<Segment> Axes;
};

// A label's box (its size) and the places it tries, in order of preference. Names: the ring whose
// coordinates the label gives.
struct LabelRequest {
    double Width = 0;
    double Height = 0;
    std::vector<Spot> Spots;
    std::optional<Point> Names;
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

// The places of the labels, in order, each kept clear of those before it; none for a label left out.
std::vector<std::optional<LabelPlace>> placeLabels(const LabelScene& scene, const std::vector<LabelRequest>& labels);

// The places round a point, nearest first: the four corners, then straight right, left, below and
// above, at each of the gaps.
std::vector<Spot> spotsAround(Point anchor, const std::vector<double>& gaps);

// The distance from a point to the nearest point of a box; 0 inside it.
double distance(const Area& box, Point point);

} // namespace zelmora
