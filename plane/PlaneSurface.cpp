// SPDX-License-Identifier: MIT
#include "plane/PlaneSurface.h"

#include <array>

namespace zelmora {
namespace {

// Dashes of 4 and 8 pen widths and dots of 1, so that short, long and dotted stay apart on paper
// even where a line is only a few dashes long.
constexpr std::array<double, 2> dashed{4, 3};
constexpr std::array<double, 2> dotted{1, 2};
constexpr std::array<double, 4> dashDot{4, 2, 1, 2};
constexpr std::array<double, 6> dashDotDot{4, 2, 1, 2, 1, 2};
constexpr std::array<double, 2> longDash{8, 3};
constexpr std::array<double, 4> longDashDot{8, 2, 1, 2};
constexpr std::array<double, 4> longDashShortDash{8, 2, 3, 2};

} // namespace

std::span<const double> dashPattern(LineStyle style)
{
    switch (style) {
    case LineStyle::Dashed:
        return dashed;
    case LineStyle::Dotted:
        return dotted;
    case LineStyle::DashDot:
        return dashDot;
    case LineStyle::DashDotDot:
        return dashDotDot;
    case LineStyle::LongDash:
        return longDash;
    case LineStyle::LongDashDot:
        return longDashDot;
    case LineStyle::LongDashShortDash:
        return longDashShortDash;
    default:
        return {};
    }
}

} // namespace zelmora
