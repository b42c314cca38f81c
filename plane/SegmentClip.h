// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Point.h"

#include <optional>

namespace zelmora {

// Clipping of segments in surface pixels (double precision), before they reach a painter that
// draws wrong lines for coordinates far beyond the surface.
struct ClipRect {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// The part of the segment inside the rectangle, or nothing when it misses it or an end is not
// finite. An end that lies inside the rectangle comes back bit for bit. Ends far outside are
// first brought closer by halving the segment, since the usual parametric clip loses all
// precision when the ends are many orders of magnitude away from the rectangle.
std::optional<Segment> clipSegment(const Segment& segment, const ClipRect& rect);

} // namespace zelmora
