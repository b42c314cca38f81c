// SPDX-License-Identifier: MIT
#include "picture/Picture.h"

#include "facts/ExactLine.h"
#include "picture/UnitMarks.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "plane/PlaneSurface.h"
#include "slots/DrawSlotLine.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace zelmora {

namespace {

// A vertical line χ = h kept beside the table, drawn as a slot's segment is (3 pixels, then the pen
// black), from its y = from to its y = to, cut to the plane the surface shows so that no far end
// reaches the painter.
void drawVerticalLine(
    PlaneSurface& surface, const LineForms& forms, const PlaneGeometry& geometry, int slot, Rgb colour)
{
    const auto line = exactLineOf(SlotTable{}, forms, slot);
    if (!line || !line->Vertical || geometry.UnitPixels <= 0)
        return;
    surface.ForeColor(colour);
    surface.DrawWidth(3);
    const PlaneRect visible = geometry.visible(surface.Width(), surface.Height(), 8.0);
    const double x = line->At.get_d();
    const double from = std::clamp(line->From.get_d(), visible.Bottom, visible.Top);
    const double to = std::clamp(line->To.get_d(), visible.Bottom, visible.Top);
    const bool shown = x >= visible.Left && x <= visible.Right
        && std::max(line->low().get_d(), visible.Bottom) <= std::min(line->high().get_d(), visible.Top);
    if (shown) {
        const Point start = geometry.toSurface({x, from});
        const Point end = geometry.toSurface({x, to});
        surface.Line(start.X, start.Y, end.X, end.Y);
    }
    surface.ForeColor(PaletteBlack);
}

constexpr std::string_view xName = "χ";
constexpr std::string_view yName = "ｙ";
// The size of the window's axis names.
constexpr double axisNamePoints = 20.25;

struct AxisNameText {
    Point At;
    std::string_view Text;
    Area Box;
};

// Where the axis names stand inside a picture, in the font they are printed in, which this sets:
// "χ" above the horizontal axis, where no tick number stands, its right side a little in from the
// edge; "ｙ" right of the vertical axis at the top, where no tick number stands either.
std::vector<AxisNameText> axisNameTexts(PlaneSurface& surface, const PlaneGeometry& geometry)
{
    surface.FontSize(axisNamePoints);
    surface.FontBold(true);
    std::vector<AxisNameText> names;
    const double xWidth = surface.TextWidth(xName);
    const double xHeight = surface.TextHeight(xName);
    const double xLeft = surface.Width() - xWidth - 4;
    const double xTop = geometry.OriginY - xHeight + 2;
    if (xTop >= 0 && geometry.OriginY <= surface.Height() && xLeft > geometry.OriginX)
        names.push_back({{xLeft, xTop}, xName, {xLeft, xTop, xLeft + xWidth, xTop + xHeight}});
    const double yLeft = geometry.OriginX + 6;
    const double yWidth = surface.TextWidth(yName);
    const double yHeight = surface.TextHeight(yName);
    if (geometry.OriginX >= 0 && yLeft + yWidth <= surface.Width() && geometry.OriginY > yHeight)
        names.push_back({{yLeft, 0}, yName, {yLeft, 0, yLeft + yWidth, yHeight}});
    return names;
}

// What a sheet prints of its own, its numbers and its axis names, as areas the marks' labels keep
// off: a sheet prints its names after the marks, where they are read even off the plane, and its
// numbers where the window's would not stand. Leaves the font the sheet's numbers'.
std::vector<Area> sheetTextAreas(PlaneSurface& surface, const PlaneGeometry& geometry)
{
    const SheetTexts texts = sheetPlaneTexts(geometry, surface);
    std::vector<Area> areas;
    surface.FontBold(true);
    for (const auto& [list, points] :
        {std::pair{&texts.Numbers, SheetLook::NumberPoints}, std::pair{&texts.Names, SheetLook::NamePoints}}) {
        surface.FontSize(points);
        for (const PlaneText& text : *list) {
            const double width = surface.TextWidth(text.Text);
            const double height = surface.TextHeight(text.Text);
            areas.push_back({text.At.X, text.At.Y, text.At.X + width, text.At.Y + height});
        }
    }
    surface.FontSize(SheetLook::NumberPoints);
    return areas;
}

std::vector<ExactPoint> drawLines(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, Ink ink, AxisNames names, const LineForms& forms, const PointMarks& points,
    std::span<const Area> kept = {}, LineList list = LineList::None)
{
    for (std::int16_t slot = 0; slot < SlotTable::Rows; ++slot) {
        // The style is set only around a patterned line, so that a solid picture is drawn by the
        // very same calls as ever; the marks after the lines begin solid.
        const LineStyle style = lineStyle(show, slot, ink);
        if (style != LineStyle::Solid)
            surface.DrawStyle(style);
        DrawSlotLine(surface, table, geometry, slot, lineColour(show, slot));
        if (verticalLineOf(forms, slot) != nullptr)
            drawVerticalLine(surface, forms, geometry, slot, lineColour(show, slot));
        if (style != LineStyle::Solid)
            surface.DrawStyle(LineStyle::Solid);
    }
    if (names == AxisNames::Beside)
        return drawUnitMarks(surface, table, geometry, show, slopeSlot, kept, forms, points, list);
    // With marks, the names come before them: a ring or a dot under a name stays in sight over
    // it, and the labels keep off the names like any mark. Without, they come last, as ever.
    if (!drawsMarks(show, table, forms) && points.Points.empty()) {
        drawAxisNames(surface, geometry);
        return {};
    }
    std::vector<Area> free;
    for (const AxisNameText& name : axisNameTexts(surface, geometry))
        free.push_back(name.Box);
    drawAxisNames(surface, geometry);
    return drawUnitMarks(surface, table, geometry, show, slopeSlot, free, forms, points, list);
}

} // namespace

std::vector<ExactPoint> drawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, PlaneEdges edges, Ink ink, AxisNames names, const LineForms& forms,
    const PointMarks& points, LineList list)
{
    DrawPlane(surface, geometry, edges);
    const std::vector<Area> kept
        = edges == PlaneEdges::Sheet && (drawsMarks(show, table, forms) || !points.Points.empty())
        ? sheetTextAreas(surface, geometry)
        : std::vector<Area>{};
    return drawLines(surface, table, geometry, show, slopeSlot, ink, names, forms, points, kept, list);
}

void drawPicture(PlaneSurface& surface, const Board& board, AxisNames names)
{
    DrawPlane(surface, board.geometry());
    if (const auto& kept = board.keptLine())
        DrawSlotLine(surface, kept->Table, board.geometry(), static_cast<std::int16_t>(kept->Slot), PaletteGrey);
    drawLines(surface, board.slotTable(), board.geometry(), board.showOptions(), board.lineSlot(), Ink::Colour, names,
        board.lineForms(), {board.points()});
}

std::vector<LineEnd> lineEndsNear(const Board& board, Point at, double radius)
{
    std::vector<std::pair<double, LineEnd>> near;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto line = board.line(slot);
        if (!line || line->From == line->To)
            continue;
        for (const auto& [end, t, open] : {std::tuple{EntryBox::From, &line->From, line->FromOpen},
                 std::tuple{EntryBox::To, &line->To, line->ToOpen}}) {
            ExactPoint point = pointAt(*line, *t);
            const Point shown = board.geometry().toSurface({point.X.get_d(), point.Y.get_d()});
            const double distance = std::hypot(shown.X - at.X, shown.Y - at.Y);
            if (distance <= radius)
                near.push_back({distance, LineEnd{slot, end, std::move(point), open}});
        }
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<LineEnd> ends;
    for (auto& [distance, end] : near)
        ends.push_back(std::move(end));
    return ends;
}

void drawAxisNames(PlaneSurface& surface, const PlaneGeometry& geometry)
{
    const std::vector<AxisNameText> names = axisNameTexts(surface, geometry);
    surface.ForeColor(PaletteBlack);
    for (const AxisNameText& name : names) {
        surface.CurrentX(name.At.X);
        surface.CurrentY(name.At.Y);
        surface.Print(name.Text);
    }
    surface.FontSize(PlaneFontPoints);
}

void drawChange(PlaneSurface& surface, const Board& board, const Outcome& outcome)
{
    const ShowOptions& show = board.showOptions();
    // A segment drawn over the picture would leave the other lines' marks as they were, though a new
    // or erased line moves them: labels make room for each other, intersections come and go. So
    // with a mark on, the whole picture is drawn anew.
    const bool slopeMoves = (show.Slope || show.Range) && outcome.CheckedSlot.has_value();
    if ((drawsMarks(show, board.slotTable(), board.lineForms()) || !board.points().empty())
        && (outcome.Picture != PictureChange::None || slopeMoves)) {
        drawPicture(surface, board);
        return;
    }
    switch (outcome.Picture) {
    case PictureChange::None:
        break;
    case PictureChange::Segment:
        DrawSlotLine(
            surface, board.slotTable(), board.geometry(), static_cast<std::int16_t>(outcome.Slot), PaletteBlue);
        break;
    case PictureChange::Plane:
        DrawPlane(surface, board.geometry());
        break;
    case PictureChange::Whole:
        drawPicture(surface, board);
        break;
    }
}

} // namespace zelmora
