// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelmora {

// An opaque colour, eight bits per channel.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

} // namespace zelmora
