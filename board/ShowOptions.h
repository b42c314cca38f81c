// SPDX-License-Identifier: MIT
#pragma once

namespace zelmora {

// What the picture shows beyond the lines themselves, as the 表示 menu turns it on: the slot
// numbers beside the lines, their equations, the intersections, the end points, and the slope
// triangle of the current line. All off by default; with all off the picture is the plain one.
struct ShowOptions {
    bool Numbers = false;
    bool Equations = false;
    bool Intersections = false;
    bool Endpoints = false;
    bool Slope = false;

    bool any() const { return Numbers || Equations || Intersections || Endpoints || Slope; }

    friend bool operator==(const ShowOptions&, const ShowOptions&) = default;
};

} // namespace zelmora
