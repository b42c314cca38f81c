// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneGeometry.h"
#include "plane/Point.h"
#include "plane/Rgb.h"

#include <string>
#include <vector>

namespace zelmora {

class PlaneSurface;

// How the plane meets the edges of its surface. The window numbers as many ticks as its size
// table says and lets the surface cut what lies over the edge. A sheet of paper shows a plane of
// whole units with the origin anywhere on it, on a surface whose pixel is about 1/96 inch whatever
// the scale: its own sizes (SheetLook) decide the lines and letters, its numbers stand wholly on
// the surface, and an axis the plane does not show is numbered along the edge instead.
enum class PlaneEdges { Window, Sheet };

// The plane on a sheet of paper, in surface pixels of about 1/96 inch and in points (which the
// surface converts at 96 dots per inch, so that they come out as points on paper): the axes and the
// grid, the size of the numbers and the axis names, and the room kept between a number and the
// line it stands beside.
struct SheetLook {
    static constexpr int AxisWidth = 2;
    static constexpr int GridWidth = 1;
    static constexpr double NumberPoints = 8;
    static constexpr double NamePoints = 11;
    static constexpr double Gap = 3;
    static constexpr double Frame = 2; // the picture's frame around the outermost grid lines
    // The grid in grey, so that the lines drawn on it stand out at small scales and in black
    // and white; the axes, numbers and names in black.
    static constexpr Rgb GridColour{128, 128, 128};
    static constexpr Rgb FifthGridColour{64, 64, 64}; // every fifth from the origin
};

// The size of the plane's numbers, in points.
inline constexpr double PlaneFontPoints = 20;

// Clears the surface and draws the coordinate plane: 3-pixel axes through the origin, a 1-pixel
// grid line per unit, the origin mark and, for the three plane sizes, the numbered ticks. Lines and
// texts take the pen colour the surface already has. Leaves the pen 1 pixel wide and the font
// the plane's, bold. Surface pixels throughout. A sheet is drawn in its own look instead (see
// SheetLook and sheetPlaneTexts), its grid grey and the rest black, the pen left black.
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
// The texts a sheet prints, in the sheet's look: the origin mark below and left of the origin,
// the numbers of the χ axis centred under their ticks and those of the y axis right-aligned left of
// theirs, with a gap to the axis; along the bottom and left edges when the axis lies off the
// plane. Each stands on a backing of the plane's colour. Every sheetTickStep-th unit from the
// origin is numbered; a number over an edge by less than half its size moves inside, and a text
// that would still not stand wholly on the surface or would run into another is left out. Names holds "χ" and "ｙ"
// where the axes are read, drawn after the lines.
struct SheetTexts {
    std::vector<PlaneText> Numbers; // the origin mark first when the plane shows it
    std::vector<PlaneText> Names;
    bool XAlongEdge = false; // the χ axis is off the plane: its numbers stand along the bottom edge
    bool YAlongEdge = false;
};
SheetTexts sheetPlaneTexts(const PlaneGeometry& geometry, PlaneSurface& surface);

// How many units apart a sheet numbers its ticks: 1, or 2, 5, 10, 20, … when the unit is too small
// for the numbers to stand apart (the widest of them and a gap across, and their height down).
int sheetTickStep(double unitPixels, double widestNumber, double numberHeight);

// Prints the axis names of a sheet where sheetPlaneTexts places them, on a backing of the plane's
// colour. Leaves the font the plane's numbers'.
void DrawSheetAxisNames(PlaneSurface& surface, const PlaneGeometry& geometry);

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
