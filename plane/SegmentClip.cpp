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
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

bool isFar(Point p)
{
    return std::fabs(p.X) > farAway || std::fabs(p.Y) > farAway;
}

bool boundsMiss(Point a, Point b, const ClipRect& rect)
{
    return std::max(a.X, b.X) < rect.Left || std::min(a.X, b.X) > rect.Right || std::max(a.Y, b.Y) < rect.Top
        || std::min(a.Y, b.Y) > rect.Bottom;
}

// Liang–Barsky, for ends close enough that the parameter keeps its precision.
std::optional<Segment> clipNear(Point a, Point b, const ClipRect& rect)
{
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
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
    if (!edge(-dx, a.X - rect.Left) || !edge(dx, rect.Right - a.X) || !edge(-dy, a.Y - rect.Top)
        || !edge(dy, rect.Bottom - a.Y))
        return std::nullopt;

    const Point from = enter > 0.0 ? Point{a.X + enter * dx, a.Y + enter * dy} : a;
    const Point to = leave < 1.0 ? Point{a.X + leave * dx, a.Y + leave * dy} : b;
    return Segment{from, to};
}

std::optional<Segment> clipFinite(Point a, Point b, const ClipRect& rect)
{
    if (boundsMiss(a, b, rect))
        return std::nullopt;
    if (!isFar(a) && !isFar(b))
        return clipNear(a, b, rect);

    // Halving as a * 0.5 + b * 0.5 cannot overflow, whatever the ends.
    const Point middle{a.X * 0.5 + b.X * 0.5, a.Y * 0.5 + b.Y * 0.5};
    if (middle == a || middle == b)
        return std::nullopt;
    const auto first = clipFinite(a, middle, rect);
    const auto second = clipFinite(middle, b, rect);
    if (first && second)
        return Segment{first->From, second->To};
    return first ? first : second;
}

} // namespace

std::optional<Segment> clipSegment(const Segment& segment, const ClipRect& rect)
{
    if (!isFinite(segment.From) || !isFinite(segment.To))
        return std::nullopt;
    return clipFinite(segment.From, segment.To, rect);
}

} // namespace zelmora
