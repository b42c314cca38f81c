// SPDX-License-Identifier: MIT
#include "plane/PlaneGeometry.h"

namespace zelmora {

std::optional<PlaneSize> planeSizeFor(std::int16_t unitPixels)
{
    for (const PlaneSize& size : PlaneSizes) {
        if (size.UnitPixels == unitPixels)
            return size;
    }
    return std::nullopt;
}

} // namespace zelmora
