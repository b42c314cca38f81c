// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneSurface.h"
#include "plane/Rgb.h"

#include <array>

namespace zelmora {

// The colours the plane is drawn in. Lines are drawn in blue and the pen goes back to black
// afterwards.
inline constexpr Rgb PaletteBlack{0, 0, 0};
inline constexpr Rgb PaletteBlue{0, 0, 255};
// Light grey, for a line kept faintly to compare with.
inline constexpr Rgb PaletteGrey{192, 192, 192};

// The plane's light yellow, behind everything drawn on it.
inline constexpr Rgb PlaneBackground{255, 255, 192};

// 線を色分け: the colours of slots １ to ８, told apart by pupils who see colours differently too
// (Okabe and Ito's set: blue, vermilion, bluish green, reddish purple, orange, sky blue, and their
// yellow darkened, which would vanish on the plane's light yellow). Their black would vanish on
// the black axes and grid: slot ７ has a wine red instead, darker than every other slot's colour
// and apart from them in hue.
inline constexpr std::array<Rgb, 8> SlotColours{{
    {0, 114, 178},
    {213, 94, 0},
    {0, 158, 115},
    {204, 121, 167},
    {230, 159, 0},
    {86, 180, 233},
    {136, 34, 85},
    {160, 140, 0},
}};

// 線を色分け on paper printed in black: the draw styles of slots １ to ８, solid first, then short
// dashes, dots, and the patterns that mix them, so that neighbouring slots differ most.
inline constexpr std::array<LineStyle, 8> SlotDrawStyles{{
    LineStyle::Solid,
    LineStyle::Dashed,
    LineStyle::Dotted,
    LineStyle::DashDot,
    LineStyle::LongDash,
    LineStyle::DashDotDot,
    LineStyle::LongDashDot,
    LineStyle::LongDashShortDash,
}};

} // namespace zelmora
