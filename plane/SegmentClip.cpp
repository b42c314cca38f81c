// SPDX-License-Identifier: MIT
#include "plane/SegmentClip.h"

#include <algorithm>
#include <cmath>

namespace zelmora {
namespace {

// Beyond this distance from the origin, coordinates are halved towards the rectangle first.
constexpr double farAway = 1e9;

bool isFinite(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool isFar(Point p)
{
    return std::fabs(p.x) > farAway || std::fabs(p.y) > farAway;
}

bool boundsMiss(Point a, Point b, const ClipRect& rect)
{
    return std::max(a.x, b.x) < rect.left || std::min(a.x, b.x) > rect.right || std::max(a.y, b.y) < rect.top
        || std::min(a.y, b.y) > rect.bottom;
}

// Liang–Barsky, for ends close enough that the parameter keeps its precision.
std::optional<Segment> clipNear(Point a, Point b, const ClipRect& rect)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double enter = 0.0;
    double leave = 1.0;
    const auto edge = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            if (t > leave)
                return false;
            enter = std::max(enter, t);
        } else {
            if (t < enter)
                return false;
            leave = std::min(leave, t);
        }
        return true;
    };
    if (!edge(-dx, a.x - rect.left) || !edge(dx, rect.right - a.x) || !edge(-dy, a.y - rect.top)
        || !edge(dy, rect.bottom - a.y))
        return std::nullopt;

    const Point from = enter > 0.0 ? Point{a.x + enter * dx, a.y + enter * dy} : a;
    const Point to = leave < 1.0 ? Point{a.x + leave * dx, a.y + leave * dy} : b;
    return Segment{from, to};
}

std::optional<Segment> clipFinite(Point a, Point b, const ClipRect& rect)
{
    if (boundsMiss(a, b, rect))
        return std::nullopt;
    if (!isFar(a) && !isFar(b))
        return clipNear(a, b, rect);

    // Halving as a * 0.5 + b * 0.5 cannot overflow, whatever the ends.
    const Point middle{a.x * 0.5 + b.x * 0.5, a.y * 0.5 + b.y * 0.5};
    if (middle == a || middle == b)
        return std::nullopt;
    const auto first = clipFinite(a, middle, rect);
    const auto second = clipFinite(middle, b, rect);
    if (first && second)
        return Segment{first->from, second->to};
    return first ? first : second;
}

} // namespace

std::optional<Segment> clipSegment(const Segment& segment, const ClipRect& rect)
{
    if (!isFinite(segment.from) || !isFinite(segment.to))
        return std::nullopt;
    return clipFinite(segment.from, segment.to, rect);
}

} // namespace zelmora
