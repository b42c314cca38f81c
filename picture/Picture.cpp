// SPDX-License-Identifier: MIT
#include "picture/Picture.h"

#include "picture/UnitMarks.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "plane/PlaneSurface.h"
#include "slots/DrawSlotLine.h"

namespace zelmora {

namespace {

void drawLines(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, const ShowOptions& show,
    int slopeSlot, Ink ink = Ink::Colour)
{
    for (std::int16_t slot = 0; slot < SlotTable::Rows; ++slot) {
        // The style is set only around a patterned line, so that a solid picture is drawn by the
        // very same calls as ever; the marks after the lines begin solid.
        const LineStyle style = lineStyle(show, slot, ink);
        if (style != LineStyle::Solid)
            surface.DrawStyle(style);
        DrawSlotLine(surface, table, geometry, slot, lineColour(show, slot));
        if (style != LineStyle::Solid)
            surface.DrawStyle(LineStyle::Solid);
    }
    drawUnitMarks(surface, table, geometry, show, slopeSlot);
}

} // namespace

void drawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, const ShowOptions& show,
    int slopeSlot, PlaneEdges edges, Ink ink)
{
    DrawPlane(surface, geometry, edges);
    drawLines(surface, table, geometry, show, slopeSlot, ink);
}

void drawPicture(PlaneSurface& surface, const Board& board)
{
    DrawPlane(surface, board.geometry());
    if (const auto& kept = board.keptLine())
        DrawSlotLine(surface, kept->Table, board.geometry(), static_cast<std::int16_t>(kept->Slot), PaletteGrey);
    drawLines(surface, board.slotTable(), board.geometry(), board.showOptions(), board.lineSlot());
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
