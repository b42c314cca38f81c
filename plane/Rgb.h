// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelmora {

// An opaque colour, eight bits per channel.
struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

} // namespace zelmora
