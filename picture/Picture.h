// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "board/ShowOptions.h"
#include "picture/UnitMarks.h"
#include "plane/DrawPlane.h"

namespace zelmora {

class PlaneSurface;

// The whole picture, on any surface (the window, the clipboard, a file, a printer): the plane, then
// the lines of slots 0 to 9 in that order, so that a later slot lies over an earlier one where they
// cross, then the marks the show options turn on (the slope triangle on the given slot's line).
// Surface pixels, as the geometry maps the plane. With the options left off, the plain picture.
// A sheet of paper draws the plane with the edges of a sheet (see DrawPlane); paper printed in
// black draws each line in its slot's dash pattern while the lines are told apart by colour.
// Where the axis names go: beside the picture, as the window shows them, or inside it, as
// drawAxisNames prints them: after the lines, and before the marks, which stay in sight over them
// and whose labels keep off them. The forms kept beside the table add its vertical lines, each
// drawn with its slot, and the points are drawn over everything. Gives back the crossings whose
// coordinates the marks found no place for; with a list of the lines beside the picture, a legend
// entry with no free place is left to it.
enum class AxisNames { Beside, Inside };

std::vector<ExactPoint> drawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show = {}, int slopeSlot = 0, PlaneEdges edges = PlaneEdges::Window, Ink ink = Ink::Colour,
    AxisNames names = AxisNames::Beside, const LineForms& forms = {}, const PointMarks& points = {},
    LineList list = LineList::None);
// The board's picture with the marks it shows, the slope triangle on the line drawn or chosen last,
// and the line it keeps for comparing drawn faintly (grey) under the lines.
void drawPicture(PlaneSurface& surface, const Board& board, AxisNames names = AxisNames::Beside);

// The axis names "χ" and "ｙ", which the window shows beside its picture, drawn inside a picture
// for every other place it goes: "χ" over the right end of the horizontal axis, "ｙ" right of the
// top of the vertical one, in the face, size and weight of the window's axis names, in black. A
// name whose axis end the picture does not show is left out. Surface pixels.
void drawAxisNames(PlaneSurface& surface, const PlaneGeometry& geometry);

// An end of a drawn line's domain: its slot, which end (from or to, as the boxes give them), where
// it lies in plane units, and whether it is left open.
struct LineEnd {
    int Slot = 0;
    EntryBox End = EntryBox::From;
    ExactPoint At;
    bool Open = false;
};

// The ends of the board's lines (slots 0 to 7) within radius surface pixels of a point on the
// board's picture, nearest first; a line of one point has no end to leave open, and none here.
std::vector<LineEnd> lineEndsNear(const Board& board, Point at, double radius);

// Brings a surface that shows the board's picture up to date after a command: one segment drawn
// over it, the plane drawn anew, or the whole picture. With any mark shown, every change of the
// picture redraws the whole of it, and so does a change of the current slot while the slope
// triangle is shown. Points on the plane are marks too.
void drawChange(PlaneSurface& surface, const Board& board, const Outcome& outcome);

} // namespace zelmora
