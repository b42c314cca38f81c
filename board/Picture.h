// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"

namespace zelmora {

class PlaneSurface;

// The whole picture, on any surface (the window, the clipboard, a file, a printer): the plane, then
// the lines of slots 0 to 9 in that order, so that a later slot lies over an earlier one where they
// cross. Surface pixels, as the geometry maps the plane.
void drawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry);
void drawPicture(PlaneSurface& surface, const Board& board);

// Brings a surface that shows the board's picture up to date after a command: one segment drawn
// over it, the plane drawn anew, or the whole picture.
void drawChange(PlaneSurface& surface, const Board& board, const Outcome& outcome);

} // namespace zelmora
