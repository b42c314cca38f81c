// SPDX-License-Identifier: MIT
#pragma once

#include "facts/ExactLine.h"

#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// What can be said exactly about drawn lines, in plane units: where two of them meet, the values y
// takes over the domain, the columns of a table of values and the stops of tracing along a line.

// How two segments meet. Point: at one point of both, ends included; for two segments of the same
// line, when they share exactly one point (they meet end to end, or one is a single point on the
// other). OutsideDomain: their lines cross at a point outside at least one domain. Parallel: same
// a, different b, or two vertical lines χ = h apart. Overlapping: the same line, sharing a piece of positive length.
// SameLineApart: the same line, sharing no point.
enum class IntersectionKind { Point, OutsideDomain, Parallel, Overlapping, SameLineApart };

struct Intersection {
    IntersectionKind Kind = IntersectionKind::Parallel;
    // Where the segments meet, for Point, or their lines cross, for OutsideDomain.
    std::optional<ExactPoint> Point;

    friend bool operator==(const Intersection&, const Intersection&) = default;
};

Intersection intersection(const ExactLine& first, const ExactLine& second);

// Whether the domain holds t (χ, or y on a vertical line), an open end left out: the table of
// values and tracing reach an open end, and say that the line does not.
bool onSegment(const ExactLine& line, const mpq_class& t);

// An interval, low ≤ high, each end in it or, when open, not.
struct ExactInterval {
    mpq_class Low;
    mpq_class High;
    bool LowOpen = false;
    bool HighOpen = false;

    friend bool operator==(const ExactInterval&, const ExactInterval&) = default;
};

// The values y takes over the domain; for a < 0 the domain's high end gives the low value, and an
// open end of the domain leaves that value out. For a = 0 y takes its one value all over the
// domain, so the range is closed whatever the ends (a domain of one point keeps its end). A
// vertical line's domain is its range of y.
ExactInterval yRange(const ExactLine& line);

// "−3 ≦ χ ≦ 3" and "−1 ≦ y ≦ 3": the ends as reduced fractions with the minus U+2212, and "<"
// at an open end ("−3 < χ ≦ 3"). For a vertical line, "−2 ≦ y ≦ 5" and its χ, "χ = 3".
std::string domainText(const ExactLine& line);
std::string rangeText(const ExactLine& line);

// The most columns a table of values has with the step chosen for it, and with a step it was given.
inline constexpr int MaxTableColumns = 13;
inline constexpr int MaxGivenColumns = 41;

// The step of the table of values, as textbooks space χ: 1 when the domain spans at most 12 units,
// otherwise the smallest of 2, 5, 10, 20, 50, 100, … that gives at most 13 columns.
mpq_class tableStep(const ExactLine& line);

// How many multiples of the step the domain holds, ends included.
mpz_class multiplesIn(const ExactLine& line, const mpq_class& step);

// The columns of the table of values, χ strictly increasing with y at each: every multiple of the
// step in the domain, ends included when they fall on it; when the domain holds none, its ends.
// Without a step, or with one that would give more than MaxGivenColumns, the step is tableStep's.
std::vector<ExactPoint> tableOfValues(const ExactLine& line, const std::optional<mpq_class>& step = std::nullopt);

// The keys that move the tracing point along a line: by one unit of χ, to the next lattice point
// (integer χ and y), or to an end of the domain.
enum class TraceMove { Left, Right, LatticeLeft, LatticeRight, Home, End };

// Where the tracing point goes from χ = x, within the domain. Left and Right move χ by 1, so that y
// changes by a, the rate of change; at an end of the domain they stop there. LatticeLeft and
// LatticeRight go to the nearest lattice point of the segment on that side (χ moves by q when
// a = p/q), and stay when there is none. Home and End go to the domain's low and high end. On a
// vertical line x is y, moved by 1 or to the ends; there are no lattice steps.
mpq_class traceStop(const ExactLine& line, const mpq_class& x, TraceMove move);

} // namespace zelmora
