// SPDX-License-Identifier: MIT
#include "picture/Picture.h"

#include "facts/ExactLine.h"
#include "picture/UnitMarks.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "plane/PlaneSurface.h"
#include "slots/DrawSlotLine.h"

#include <algorithm>

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

void drawLines(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, const ShowOptions& show,
    int slopeSlot, Ink ink, const LineForms& forms)
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
    drawUnitMarks(surface, table, geometry, show, slopeSlot, forms);
}

} // namespace

void drawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, const ShowOptions& show,
    int slopeSlot, PlaneEdges edges, Ink ink, const LineForms& forms)
{
    DrawPlane(surface, geometry, edges);
    drawLines(surface, table, geometry, show, slopeSlot, ink, forms);
}

void drawPicture(PlaneSurface& surface, const Board& board)
{
    DrawPlane(surface, board.geometry());
    if (const auto& kept = board.keptLine())
        DrawSlotLine(surface, kept->Table, board.geometry(), static_cast<std::int16_t>(kept->Slot), PaletteGrey);
    drawLines(surface, board.slotTable(), board.geometry(), board.showOptions(), board.lineSlot(), Ink::Colour,
        board.lineForms());
}

void drawChange(PlaneSurface& surface, const Board& board, const Outcome& outcome)
{
    const ShowOptions& show = board.showOptions();
    // A segment drawn over the picture would leave the other lines' marks as they were, though a new
    // or erased line moves them: labels make room for each other, intersections come and go. So
    // with a mark on, the whole picture is drawn anew.
    const bool slopeMoves = show.Slope && outcome.CheckedSlot.has_value();
    if (show.any() && (outcome.Picture != PictureChange::None || slopeMoves)) {
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
