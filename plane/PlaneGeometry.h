// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelmora {

// Where the plane sits on the surface: the surface pixel of the origin and the pixels per unit.
// A plane point (x, y) lies at surface pixel (originX + unitPixels * x, originY - unitPixels * y).
struct PlaneGeometry {
    int OriginX = 300;
    int OriginY = 300;
    std::int16_t UnitPixels = 22;
};

} // namespace zelmora
