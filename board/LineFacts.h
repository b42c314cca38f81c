// SPDX-License-Identifier: MIT
#pragma once

#include "board/ExactLine.h"

#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// What can be said exactly about drawn lines, in plane units: where two of them meet, the values y
// takes over the domain, the columns of a table of values and the stops of tracing along a line.

// How two lines meet. Point: at one point inside both domains, ends included. OutsideDomain: at
// one point outside at least one domain. Parallel: same a, different b. Coincident: same a and b.
enum class IntersectionKind { Point, OutsideDomain, Parallel, Coincident };

struct Intersection {
    IntersectionKind Kind = IntersectionKind::Parallel;
    // Where the lines cross, for Point and OutsideDomain.
    std::optional<ExactPoint> Point;
};

Intersection intersection(const ExactLine& first, const ExactLine& second);

// A closed interval, low ≤ high.
struct ExactInterval {
    mpq_class Low;
    mpq_class High;

    friend bool operator==(const ExactInterval&, const ExactInterval&) = default;
};

// The values y takes over the domain; for a < 0 the domain's high end gives the low value.
ExactInterval yRange(const ExactLine& line);

// "−3 ≦ χ ≦ 3" and "−1 ≦ y ≦ 3": the ends as reduced fractions with the minus U+2212.
std::string domainText(const ExactLine& line);
std::string rangeText(const ExactLine& line);

// The most columns a table of values has.
inline constexpr int MaxTableColumns = 13;

// The columns of the table of values, χ strictly increasing with y at each: every integer of the
// domain when there are at most 13; else 13 integers evenly spread from the first to the last one,
// each rounded to the nearest (halves up); when the domain holds no integer, its ends.
std::vector<ExactPoint> tableOfValues(const ExactLine& line);

// The keys that move the tracing point along a line.
enum class TraceMove { Left, Right, Home, End };

// The distance between tracing stops: 1/q when a = p/q in lowest terms has q ≤ 4, 1 otherwise.
mpq_class traceStep(const ExactLine& line);

// Where the tracing point goes from χ = x: Left and Right to the next multiple of the step, kept
// within the domain; Home and End to the domain's low and high end.
mpq_class traceStop(const ExactLine& line, const mpq_class& x, TraceMove move);

} // namespace zelmora
