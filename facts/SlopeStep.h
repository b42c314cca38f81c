// SPDX-License-Identifier: MIT
#pragma once

#include "facts/ExactLine.h"
#include "facts/LineFacts.h"

#include <optional>

namespace zelmora {

// The slope triangle textbooks draw on a line: from a lattice point, run to the right, then rise
// (down for a negative rise) back onto the line. Plane units throughout.

// The part of the plane on screen: xMin ≤ χ ≤ xMax, yMin ≤ y ≤ yMax.
struct PlaneWindow {
    mpq_class XMin;
    mpq_class XMax;
    mpq_class YMin;
    mpq_class YMax;
};

// The χ interval over which the segment lies inside the window (of y for a vertical line), edges
// included; none when it misses the window.
std::optional<ExactInterval> visibleDomain(const ExactLine& line, const PlaneWindow& window);

// a = rise / run in lowest terms, starting at a point with integer χ and y.
struct SlopeStep {
    ExactPoint Start;
    mpz_class Rise;
    mpz_class Run;
};

// The longest run a triangle is drawn with.
inline constexpr int MaxSlopeRun = 12;

// None for a vertical line, a = 0, a run beyond 12, or when no triangle fits on the visible part of the segment.
// The triangle starts at the intercept (0, b) when that is a lattice point and the triangle fits
// there; otherwise at the lattice point whose triangle is centred best on the visible part (the
// smaller χ on a tie).
std::optional<SlopeStep> slopeStep(const ExactLine& line, const PlaneWindow& window);

} // namespace zelmora
