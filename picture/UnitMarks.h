// SPDX-License-Identifier: MIT
#pragma once

#include "board/ShowOptions.h"
#include "entry/LineEntry.h"
#include "plane/PlaneGeometry.h"
#include "plane/PlaneSurface.h"
#include "plane/Rgb.h"

namespace zelmora {

class PlaneSurface;
class SlotTable;

// The marks of what the unit teaches, drawn over the lines of slots 0 to 7 in surface pixels as the
// geometry maps the plane: each line's number by its end with the larger χ, its equation by the
// middle of its visible part, the intersections with their coordinates, the end points, and the
// slope triangle of the given slot's line, each as its show option says. Values are exact, read
// from the texts the entry boxes show, and only what lies in the part of the plane the surface
// shows is marked.
//
// Labels are small (9 points, not bold) on a backing of the plane's colour, in the line's blue or,
// for coordinates, black, with the minus sign U+2212. placeLabels finds their places: never over a
// ring, a dot, a segment's end or another label, coordinates near their ring or joined to it by a
// leader; a label with no such place is left out.
//
// The plane's numbers are taken to be in the font the surface has when the marks begin, as
// DrawPlane leaves it. Afterwards the pen is black and 3 pixels wide, as DrawSlotLine leaves it, the
// font 20 points and bold, lines solid and fills transparent. With every option off nothing at all
// is drawn or set.
// The colour a slot's line, number and equation are drawn in: blue, or the slot's own colour when
// the lines are told apart by colour.
Rgb lineColour(const ShowOptions& show, int slot);

// What the picture is drawn for: a screen or file in colour, or paper printed in black, where
// every line and text is black.
enum class Ink { Colour, BlackAndWhite };

// The draw style a slot's line is drawn with: solid, or on paper in black while the lines are told
// apart by colour, the slot's own dash pattern, which stands in for its colour there.
LineStyle lineStyle(const ShowOptions& show, int slot, Ink ink);

// The forms kept beside the table add its vertical lines, and the equations lines were typed as,
// which their labels show.
void drawUnitMarks(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, const LineForms& forms = {});

} // namespace zelmora
