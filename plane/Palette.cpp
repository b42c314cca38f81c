#include "plane/Palette.h"

#include <array>

namespace zelmora {

Rgb paletteColour(int index)
{
    static constexpr std::array<Rgb, 16> colours{{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0}, {255, 255, 255},
    }};
    if (index < 0 || index >= static_cast<int>(colours.size()))
        return colours[PaletteBlack];
    return colours[static_cast<std::size_t>(index)];
}

} // namespace zelmora
