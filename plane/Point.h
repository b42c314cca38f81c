// SPDX-License-Identifier: MIT
#pragma once

namespace zelmora {

// A point and a segment on the drawing surface, in surface pixels (double precision): origin at
// the top-left corner, x to the right, y downwards.
struct Point {
    double X = 0;
    double Y = 0;

    friend constexpr bool operator==(Point, Point) = default;
};

struct Segment {
    Point From;
    Point To;

    friend constexpr bool operator==(Segment, Segment) = default;
};

} // namespace zelmora
