// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneGeometry.h"
#include "plane/Point.h"

#include <string>
#include <vector>

namespace zelmora {

class PlaneSurface;

// How the plane meets the edges of its surface. The window numbers as many ticks as its size
// table says and lets the surface cut what lies over the edge. A sheet of paper shows a plane of
// whole units with the origin anywhere on it: it numbers every tick it shows, and leaves out the
// numbers (and the origin mark) that would not stand wholly on the surface, so that no number
// loses its sign at the edge.
enum class PlaneEdges { Window, Sheet };

// The size of the plane's numbers, in points.
inline constexpr double PlaneFontPoints = 20;

// Clears the surface and draws the coordinate plane: 3-pixel axes through the origin, a 1-pixel
// grid line per unit, the origin mark and, for the three plane sizes, the numbered ticks. Lines and
// texts take the pen colour the surface already has. Leaves the pen 1 pixel wide and the font
// the plane's, bold. Surface pixels throughout.
void DrawPlane(PlaneSurface& surface, const PlaneGeometry& geometry, PlaneEdges edges = PlaneEdges::Window);

// A text the plane prints: the top-left corner in surface pixels, and the text.
struct PlaneText {
    Point At;
    std::string Text;

    friend bool operator==(const PlaneText&, const PlaneText&) = default;
};

// The texts DrawPlane prints, in its order: the origin mark "Ｏ", then for the three plane sizes the
// tick numbers. Some lie partly or wholly off the surface; the surface cuts them.
std::vector<PlaneText> planeTexts(const PlaneGeometry& geometry);
// The texts a sheet of this many pixels prints: every numbered tick that the surface shows, those
// that would stand partly off it left out.
std::vector<PlaneText> sheetPlaneTexts(const PlaneGeometry& geometry, const PlaneSurface& surface);

// A tick number as the plane prints it: a blank before a positive number or zero, a minus sign
// before a negative one (" 5", "-10").
std::string tickText(int number);

// Where the axis names stand beside the surface, in window pixels: the left edge of "ｙ" and the
// top edge of "χ". The origin's surface coordinates serve as window coordinates here, without the
// surface's offset, which puts "ｙ" just right of the vertical axis's top and "χ" just below the
// horizontal axis's right end.
struct AxisNamePlaces {
    int YNameLeft = 0;
    int XNameTop = 0;
};
AxisNamePlaces axisNamePlaces(const PlaneGeometry& geometry);

} // namespace zelmora
