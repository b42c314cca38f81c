// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneGeometry.h"

#include <cstdint>

namespace zelmora {

class PlaneSurface;
class SlotTable;

// Draws the segment of one slot, if it holds a line, 3 pixels wide in the given palette colour,
// and sets the pen back to black (its width stays 3).
void DrawSlotLine(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, std::int16_t slot,
    std::int16_t colour);

// The whole picture again: the plane, then the lines of slots 0 to 9 in that order, so that a
// later slot lies over an earlier one where they cross.
void RedrawPicture(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry);

} // namespace zelmora
