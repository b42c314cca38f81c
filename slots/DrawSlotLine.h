// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneGeometry.h"
#include "plane/Rgb.h"

#include <cstdint>

namespace zelmora {

class PlaneSurface;
class SlotTable;

// Draws the segment of one slot, if it holds a line, 3 pixels wide in the given colour, and sets
// the pen back to black (its width stays 3). The ends are computed in single precision; a segment
// whose ends leave the range where that is exact is clipped to the plane first, in double
// precision.
void DrawSlotLine(
    PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, std::int16_t slot, Rgb colour);

} // namespace zelmora
