// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneGeometry.h"

#include <string>

namespace zelmora {

class PlaneSurface;

// Clears the surface and draws the coordinate plane: 3-pixel axes through the origin, a 1-pixel
// grid line per unit, the origin mark and, for 40, 22 and 14 pixels per unit, the numbered ticks.
// Lines and texts take the pen colour the surface already has. Leaves the pen 1 pixel wide and
// the font bold.
void DrawPlane(PlaneSurface& surface, const PlaneGeometry& geometry);

// A tick number as the plane prints it: a blank before a positive number or zero, a minus sign
// before a negative one (" 5", "-10").
std::string tickText(int number);

} // namespace zelmora
