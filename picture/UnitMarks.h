// SPDX-License-Identifier: MIT
#pragma once

#include "board/ShowOptions.h"
#include "entry/LineEntry.h"
#include "facts/ExactLine.h"
#include "facts/PointLine.h"
#include "picture/LabelPlacer.h"
#include "plane/PlaneGeometry.h"
#include "plane/PlaneSurface.h"
#include "plane/Rgb.h"

#include <optional>
#include <span>
#include <vector>

namespace zelmora {

class PlaneSurface;
class SlotTable;

// The marks of what the unit teaches, drawn over the lines of slots 0 to 7 in surface pixels as the
// geometry maps the plane: each line's number and equation together by its end with the larger χ
// or along it (the equation alone by its middle or along it), the intersections with their
// coordinates, the end points, and the slope triangle of the given slot's line, each as its show
// option says. Values are exact, read from the texts the entry boxes show, and only what lies in
// the part of the plane the surface shows is marked.
//
// Labels are small (9 points, not bold) with a halo of the plane's colour round their glyphs, in
// the line's colour or, for coordinates, black, with the minus sign U+2212. placeLabels finds their
// places: never over a ring, a dot, a segment's end, another label or an area kept free (the axis
// names a picture carries inside it); a line's label nearer its line than any other, coordinates
// near their ring or joined to it by a leader. What names a line is never dropped: a line whose
// label finds no room by it, even with the coordinates giving way to it, is named at the plane's
// edge (「① y = −2/3χ + 1」). A slope triangle shows both its numbers, moved along its line by whole
// runs where they find no room, or is not drawn; coordinates with no place are left out. The range of y of
// the given slot's line is a bracket 5 pixels wide on the y axis, its ends in sight drawn as dots,
// hollow where open, labelled 「−1 ≦ y ≦ 3」 beside it; an end of a domain left open is a hollow dot
// in the line's colour, shown or not.
//
// The plane's numbers are taken to be in the font the surface has when the marks begin, as
// DrawPlane leaves it. Afterwards the pen is black and 3 pixels wide, as DrawSlotLine leaves it, the
// font 20 points and bold, lines solid, fills transparent and texts without a halo. With every
// option off nothing at all is drawn or set.
// The colour a slot's line, number and equation are drawn in: blue, or the slot's own colour when
// the lines are told apart by colour.
Rgb lineColour(const ShowOptions& show, int slot);

// What the picture is drawn for: a screen or file in colour, or paper printed in black, where
// every line and text is black.
enum class Ink { Colour, BlackAndWhite };

// The draw style a slot's line is drawn with: solid, or on paper in black while the lines are told
// apart by colour, the slot's own dash pattern, which stands in for its colour there.
LineStyle lineStyle(const ShowOptions& show, int slot, Ink ink);

// The named points a picture shows: black dots, each labelled with its name and coordinates
// 「A(−3, 3)」, or its name alone where a problem sheet leaves the coordinates to the pupil. A point
// off the part of the plane shown is not drawn. Their labels are never left out.
struct PointMarks {
    std::vector<NamedPoint> Points;
    bool NamesOnly = false;
};

// Whether a list beside the picture names every line with its equation, as an answer sheet's list
// under its plane does. A line whose label finds no room by it is named in a legend at the plane's
// edge; where that edge has no free place either, the legend entry takes the place that breaks
// the fewest rules, or with such a list it is left to the list instead.
enum class LineList { None, Beside };

// The forms kept beside the table add its vertical lines, and the equations lines were typed as,
// which their labels show; the points are drawn over the rest. Gives back the crossings whose
// coordinates found no place, in order, for a sheet to list beside the picture.
std::vector<ExactPoint> drawUnitMarks(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, std::span<const Area> free = {}, const LineForms& forms = {},
    const PointMarks& points = {}, LineList list = LineList::None);

// What a label of the marks names; Range: the range of y by its bracket on the y axis.
enum class MarkLabelKind { Line, Legend, Coordinates, SlopeRun, SlopeRise, Point, Range };

// Whether drawUnitMarks draws anything: a mark is shown, or a line has an end left open, which is
// drawn as a hollow dot whatever is shown.
bool drawsMarks(const ShowOptions& show, const SlotTable& table, const LineForms& forms);

// A label as drawUnitMarks places it: what it names (the slot of a line or legend entry, the ring
// of coordinates), its box, halo included, and its leader, if it has one.
struct MarkLabel {
    MarkLabelKind Kind = MarkLabelKind::Line;
    int Slot = -1;
    Area Box;
    std::optional<Segment> Leader;
    std::optional<Point> Names;
};

// The labels drawUnitMarks would place, in its order, without drawing them; the surface measures
// their texts.
std::vector<MarkLabel> markLabels(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, std::span<const Area> free = {}, const LineForms& forms = {},
    const PointMarks& points = {}, LineList list = LineList::None);

} // namespace zelmora
