// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Rgb.h"

namespace zelmora {

// The classic 16-colour palette, chosen by index 0 to 15. Lines are drawn in index 9 (blue)
// and the pen goes back to index 0 (black) afterwards.
inline constexpr int PaletteBlack = 0;
inline constexpr int PaletteBlue = 9;
// Light grey, for a line kept faintly to compare with.
inline constexpr int PaletteGrey = 7;

// The plane's light yellow, behind everything drawn on it.
inline constexpr Rgb PlaneBackground{255, 255, 192};

// Indices outside 0 to 15 give black.
Rgb paletteColour(int index);

} // namespace zelmora
