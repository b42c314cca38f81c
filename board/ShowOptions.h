// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace zelmora {

// What the picture shows beyond the lines themselves, as the 表示 menu turns it on: the slot
// numbers beside the lines, their equations, the intersections, the end points, and the slope
// triangle of the current line; whether the intersections are only those of the line drawn or
// chosen last; and whether each line, its number and its equation have a colour of their own. All off by default; with
// all off the picture is the plain one.
struct ShowOptions {
    bool Numbers = false;
    bool Equations = false;
    bool Intersections = false;
    bool Endpoints = false;
    bool Slope = false;
    bool CurrentCrossingsOnly = false;
    bool Colours = false;

    bool any() const { return Numbers || Equations || Intersections || Endpoints || Slope || Colours; }

    friend bool operator==(const ShowOptions&, const ShowOptions&) = default;
};

// Each member of ShowOptions with the key a lesson file and the settings know it by, in the order of
// the 表示 menu: a new mark is a new row here, and lessons, settings and the menu follow it.
struct ShowMark {
    const char* Key;
    bool ShowOptions::*Member;
};
inline constexpr std::array<ShowMark, 7> ShowMarks{{
    {"numbers", &ShowOptions::Numbers},
    {"equations", &ShowOptions::Equations},
    {"intersections", &ShowOptions::Intersections},
    {"crossingsOfCurrentLine", &ShowOptions::CurrentCrossingsOnly},
    {"endpoints", &ShowOptions::Endpoints},
    {"slope", &ShowOptions::Slope},
    {"colours", &ShowOptions::Colours},
}};

} // namespace zelmora
