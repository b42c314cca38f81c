// SPDX-License-Identifier: MIT
#include "board/Picture.h"

#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "slots/DrawSlotLine.h"

namespace zelmora {

void drawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry)
{
    DrawPlane(surface, geometry);
    for (std::int16_t slot = 0; slot < SlotTable::Rows; ++slot)
        DrawSlotLine(surface, table, geometry, slot, PaletteBlue);
}

void drawPicture(PlaneSurface& surface, const Board& board)
{
    drawPicture(surface, board.slotTable(), board.geometry());
}

void drawChange(PlaneSurface& surface, const Board& board, const Outcome& outcome)
{
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
