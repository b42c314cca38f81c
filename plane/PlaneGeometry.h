// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Point.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zelmora {

// How the plane lies on the drawing surface, and the three sizes it comes in. Plane coordinates
// are units with y upwards; surface coordinates are pixels with y downwards.

// The side of the picture's square in surface pixels, as the window shows it; files, the clipboard
// and the projector draw the same square at their own resolution.
inline constexpr int PictureSide = 600;

// A size of the plane: pixels per unit, how the ticks along the axes are numbered, and what it is
// called.
struct PlaneSize {
    std::int16_t UnitPixels = 22;
    int UnitsPerLabel = 5;      // a tick label every so many units
    int LabelCount = 5;         // labels 1 to this on each half-axis
    int FirstTwoDigitLabel = 2; // labels from this one on have two digits and stand further left
    std::u16string_view Name;   // on its button, in a lesson file and in the undo step's name
    std::string_view Button;    // the object name of its button
};

// The sizes in the order of their buttons. Lessons, the buttons and the undo steps take the sizes
// from here alone.
inline constexpr std::array<PlaneSize, 3> PlaneSizes{{
    {40, 2, 7, 5, u"小", "Command3_0"},
    {22, 5, 5, 2, u"中", "Command3_1"},
    {14, 5, 8, 2, u"大", "Command3_2"},
}};
inline constexpr int MediumPlane = 1;

// The size with these pixels per unit, if it is one of the three.
std::optional<PlaneSize> planeSizeFor(std::int16_t unitPixels);

// A point of the plane, in units.
struct PlanePoint {
    double X = 0;
    double Y = 0;

    friend constexpr bool operator==(PlanePoint, PlanePoint) = default;
};

// A rectangle of the plane, in units: Left ≤ x ≤ Right, Bottom ≤ y ≤ Top.
struct PlaneRect {
    double Left = 0;
    double Right = 0;
    double Bottom = 0;
    double Top = 0;

    friend constexpr bool operator==(const PlaneRect&, const PlaneRect&) = default;
};

// Where the plane sits on the surface: the surface pixel of the origin and the pixels per unit.
// This is the one mapping between the two; the segment of a slot alone computes its ends in single
// precision on its own, on purpose (see DrawSlotLine).
struct PlaneGeometry {
    int OriginX = PictureSide / 2;
    int OriginY = PictureSide / 2;
    std::int16_t UnitPixels = 22;

    // The surface pixel of a plane point: (OriginX + UnitPixels x, OriginY - UnitPixels y).
    Point toSurface(PlanePoint point) const { return {OriginX + UnitPixels * point.X, OriginY - UnitPixels * point.Y}; }
    // The plane point at a surface pixel.
    PlanePoint toPlane(Point point) const
    {
        return {(point.X - OriginX) / UnitPixels, (OriginY - point.Y) / UnitPixels};
    }
    // The part of the plane a surface of this many pixels shows, widened by margin pixels on every
    // side.
    PlaneRect visible(double width, double height, double margin = 0) const
    {
        const PlanePoint topLeft = toPlane({-margin, -margin});
        const PlanePoint bottomRight = toPlane({width + margin, height + margin});
        return {topLeft.X, bottomRight.X, bottomRight.Y, topLeft.Y};
    }
};

} // namespace zelmora
