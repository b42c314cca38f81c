// SPDX-License-Identifier: MIT
#pragma once

#include "entry/LineEntry.h"
#include "facts/ExactLine.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelmora {

// Named points of the plane, and the lines worked out exactly from them: the line through two
// points, the line of a slope through one point. Plane units; texts UTF-8.

inline constexpr std::size_t MaxPoints = 26;
inline constexpr std::size_t MaxPointNameLength = 4; // characters

// A point as the pupil named and typed it: its texts are kept as typed, and At is what they read as.
struct NamedPoint {
    std::string Name;
    std::string X;
    std::string Y;
    ExactPoint At;

    friend bool operator==(const NamedPoint&, const NamedPoint&) = default;
};

// Why a point cannot be made: its name is empty or too long, or a coordinate has no value (empty,
// or characters the rules do not read), a denominator of 0, or a value beyond what a box holds.
enum class PointFault { NoName, LongName, NoValue, ZeroDenominator, TooLarge };
struct PointRefusal {
    PointFault Fault = PointFault::NoValue;
    bool OfY = false; // the fault is y's coordinate, not χ's

    friend bool operator==(const PointRefusal&, const PointRefusal&) = default;
};

// A coordinate read as the a box reads its text (full-width forms, "n/d"), exactly; the whole text
// must be read.
std::variant<mpq_class, PointFault> readCoordinate(std::string_view text);
// A point from its name (blanks round it dropped) and texts.
std::variant<NamedPoint, PointRefusal> readPoint(std::string_view name, std::string_view x, std::string_view y);

// A point written as its two coordinates, "-3, 3" or "(−1/2, ３)": each read as readCoordinate
// reads; none when either has no value.
std::optional<ExactPoint> readPointText(std::string_view text);

// The point of that name, if there is one.
const NamedPoint* pointNamed(const std::vector<NamedPoint>& points, std::string_view name);
// The first of A to Z that no point has yet; none when all are taken.
std::optional<std::string> nextPointName(const std::vector<NamedPoint>& points);

// A slot's line worked out from points: y = aχ + b as the four boxes write it, or a vertical line.
struct WorkedLine {
    EntryTexts Texts;
    std::optional<VerticalLine> Vertical;

    friend bool operator==(const WorkedLine&, const WorkedLine&) = default;
};

// Why no line was worked out: both points are the same, or a and b have more digits than the
// boxes show.
enum class PointLineFault { SamePoint, TooLarge };

// A bound of a domain as the from and to boxes write it.
std::string boundText(const mpq_class& value);

// The line through two points, a and b as the boxes write them ("-2/ 3", " 1"), over the domain
// given (the from and to texts), or else from the smaller χ to the larger. Two points with the
// same χ give the vertical line χ = h through both, from the smaller y to the larger.
std::variant<WorkedLine, PointLineFault> lineThrough(
    const ExactPoint& first, const ExactPoint& second, const std::optional<std::array<std::string, 2>>& domain);

// The line of slope a through a point, over the domain given.
std::variant<WorkedLine, PointLineFault> lineOfSlope(
    const mpq_class& a, const ExactPoint& point, const std::array<std::string, 2>& domain);

} // namespace zelmora
