// SPDX-License-Identifier: MIT
#include "plane/Palette.h"

#include <array>

namespace zelmora {

Rgb paletteColour(int index)
{
    static constexpr std::array<Rgb, 16> colours{{
        {0, 0, 0},       // 0 black
        {0, 0, 128},     // 1 dark blue
        {0, 128, 0},     // 2 dark green
        {0, 128, 128},   // 3 dark cyan
        {128, 0, 0},     // 4 dark red
        {128, 0, 128},   // 5 dark magenta
        {128, 128, 0},   // 6 olive
        {192, 192, 192}, // 7 light grey
        {128, 128, 128}, // 8 grey
        {0, 0, 255},     // 9 blue
        {0, 255, 0},     // 10 green
        {0, 255, 255},   // 11 cyan
        {255, 0, 0},     // 12 red
        {255, 0, 255},   // 13 magenta
        {255, 255, 0},   // 14 yellow
        {255, 255, 255}, // 15 white
    }};
    if (index < 0 || index >= static_cast<int>(colours.size()))
        return colours[PaletteBlack];
    return colours[static_cast<std::size_t>(index)];
}

} // namespace zelmora
