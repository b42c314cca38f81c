// SPDX-License-Identifier: MIT
#include "slots/DrawSlotLine.h"

#include "plane/Palette.h"
#include "plane/PlaneSurface.h"
#include "plane/SegmentClip.h"
#include "slots/SlotTable.h"

#include <algorithm>
#include <cmath>

namespace zelmora {
namespace {

// Single-precision ends within this distance of the origin are drawn as computed. The painter
// is exact far beyond it, and float pixel coordinates are still finer than a hundredth of a pixel.
constexpr float nearLimit = 1e6f;

// How far past the edges of the surface a segment computed in double precision is kept; the
// surface makes the final cut.
constexpr double planeMargin = 8.0;

bool isNear(float v)
{
    return std::isfinite(v) && std::fabs(v) <= nearLimit;
}

// The segment as the line is defined: everything in single precision, mapped to surface pixels.
// This arithmetic is deliberately its own, not the plane's double-precision mapping: each quotient,
// product and sum is rounded to single precision in this order, as the stored line has always been
// drawn.
std::optional<Segment> singlePrecisionSegment(const SlotTable& table, const PlaneGeometry& geometry, int slot)
{
    const float aDen = table.get(slot, SlotTable::ADen);
    const float bDen = table.get(slot, SlotTable::BDen);
    if (aDen == 0.0f || bDen == 0.0f)
        return std::nullopt;

    const auto s = static_cast<float>(geometry.UnitPixels);
    const auto x0 = static_cast<float>(geometry.OriginX);
    const auto y0 = static_cast<float>(geometry.OriginY);
    // Computing a and b again for the second end, as one might, gives the same bits.
    const float a = table.get(slot, SlotTable::ANum) / aDen;
    const float b = table.get(slot, SlotTable::BNum) / bDen;
    const float x1 = table.get(slot, SlotTable::XFrom);
    const float y1 = x1 * a + b;
    const float x2 = table.get(slot, SlotTable::XTo);
    const float y2 = x2 * a + b;

    const float px1 = x0 + s * x1;
    const float py1 = y0 + s * (-y1);
    const float px2 = x0 + s * x2;
    const float py2 = y0 - y2 * s;
    if (!isNear(px1) || !isNear(py1) || !isNear(px2) || !isNear(py2))
        return std::nullopt;
    return Segment{{px1, py1}, {px2, py2}};
}

struct Interval {
    double Low = 0;
    double High = 0;
};

std::optional<Interval> overlap(Interval first, Interval second)
{
    const Interval both{std::max(first.Low, second.Low), std::min(first.High, second.High)};
    if (both.Low > both.High)
        return std::nullopt;
    return both;
}

Interval between(double u, double v)
{
    return {std::min(u, v), std::max(u, v)};
}

// The visible part of the segment, found in plane units in double precision before anything is
// mapped to pixels. Mapping far ends to pixels first would lose the origin's offset against
// their size (300 + 2.2e31 is 2.2e31), and no clip afterwards could bring it back. A flat line
// is followed along x and a steep one along y, so that the coordinate that changes little
// across the surface is never derived from the one that changes a lot.
std::optional<Segment> clippedInPlane(
    const SlotTable& table, const PlaneGeometry& geometry, int slot, double width, double height)
{
    const double aDen = table.get(slot, SlotTable::ADen);
    const double bDen = table.get(slot, SlotTable::BDen);
    const double s = geometry.UnitPixels;
    if (aDen == 0.0 || bDen == 0.0 || s <= 0.0)
        return std::nullopt;
    const double a = table.get(slot, SlotTable::ANum) / aDen;
    const double b = table.get(slot, SlotTable::BNum) / bDen;
    const double xFrom = table.get(slot, SlotTable::XFrom);
    const double xTo = table.get(slot, SlotTable::XTo);
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(xFrom) || !std::isfinite(xTo))
        return std::nullopt;

    const PlaneRect visible = geometry.visible(width, height, planeMargin);
    const Interval visibleX{visible.Left, visible.Right};
    const Interval visibleY{visible.Bottom, visible.Top};
    const auto xs = overlap(between(xFrom, xTo), visibleX);
    if (!xs)
        return std::nullopt;
    const auto toSurface = [&](double x, double y) { return geometry.toSurface({x, y}); };

    Point lowerX;
    Point higherX;
    if (std::fabs(a) <= 1.0) {
        std::optional<Interval> range = xs;
        if (a != 0.0)
            range = overlap(*xs, between((visibleY.Low - b) / a, (visibleY.High - b) / a));
        else if (b < visibleY.Low || b > visibleY.High)
            range = std::nullopt;
        if (!range)
            return std::nullopt;
        lowerX = toSurface(range->Low, a * range->Low + b);
        higherX = toSurface(range->High, a * range->High + b);
    } else {
        const auto ys = overlap(between(a * xs->Low + b, a * xs->High + b), visibleY);
        if (!ys)
            return std::nullopt;
        const Point lowerY = toSurface((ys->Low - b) / a, ys->Low);
        const Point higherY = toSurface((ys->High - b) / a, ys->High);
        lowerX = a > 0.0 ? lowerY : higherY;
        higherX = a > 0.0 ? higherY : lowerY;
    }
    if (xFrom <= xTo)
        return Segment{lowerX, higherX};
    return Segment{higherX, lowerX};
}

} // namespace

void DrawSlotLine(
    PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, std::int16_t slot, Rgb colour)
{
    if (slot < 0 || slot >= SlotTable::Rows || !table.isDrawn(slot))
        return;

    surface.ForeColor(colour);
    surface.DrawWidth(3);
    auto segment = singlePrecisionSegment(table, geometry, slot);
    if (!segment)
        segment = clippedInPlane(table, geometry, slot, surface.Width(), surface.Height());
    if (segment)
        surface.Line(segment->From.X, segment->From.Y, segment->To.X, segment->To.Y);
    surface.ForeColor(PaletteBlack);
}

} // namespace zelmora
