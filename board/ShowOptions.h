// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace zelmora {

// What the picture shows beyond the lines themselves, as the 表示 menu turns it on: the slot
// numbers beside the lines, their equations, the intersections, the end points, and the slope
// triangle of the current line; whether the intersections are only those of the line drawn or
// chosen last; whether each line, its number and its equation have a colour of their own; and the
// range of y of the current line, as a bracket on the y axis. All off by default; with all off the
// picture is the plain one.
struct ShowOptions {
    bool Numbers = false;
    bool Equations = false;
    bool Intersections = false;
    bool Endpoints = false;
    bool Slope = false;
    bool CurrentCrossingsOnly = false;
    bool Colours = false;
    bool Range = false;

    bool any() const { return Numbers || Equations || Intersections || Endpoints || Slope || Colours || Range; }

    friend bool operator==(const ShowOptions&, const ShowOptions&) = default;
};

// Marks a caption for the translators' catalogue under a context, as lupdate reads
// QT_TRANSLATE_NOOP; the window translates it in that context. The caption itself is unchanged.
consteval const char* catalogued(const char* /*context*/, const char* text)
{
    return text;
}

// Each member of ShowOptions as the 表示 menu, the settings and a lesson file know it, in the order
// of the menu: the key a lesson keeps it under (the settings under "show/" and the same key), the
// menu item's caption with its access key, and the item's object name. A new mark is a new row
// here, and lessons, settings and the menu follow it. A mark newer than the lesson files already
// written is written into a lesson only when it is on, so that those files save as they were.
struct ShowMark {
    const char* Key;
    bool ShowOptions::*Member;
    const char* Caption; // UTF-8, in the catalogue under ShowMarks
    const char* Name;
    bool WrittenWhenOff = true;
};
inline constexpr std::array<ShowMark, 8> ShowMarks{{
    {"numbers", &ShowOptions::Numbers, catalogued("ShowMarks", "線の番号(&N)"), "ShowNumbers"},
    {"equations", &ShowOptions::Equations, catalogued("ShowMarks", "式(&Q)"), "ShowEquations"},
    {"intersections", &ShowOptions::Intersections, catalogued("ShowMarks", "交点(&I)"), "ShowIntersections"},
    {"crossingsOfCurrentLine", &ShowOptions::CurrentCrossingsOnly, catalogued("ShowMarks", "交点は現在の線とだけ(&C)"),
        "ShowCurrentCrossingsOnly"},
    {"endpoints", &ShowOptions::Endpoints, catalogued("ShowMarks", "端点(&E)"), "ShowEndpoints"},
    {"slope", &ShowOptions::Slope, catalogued("ShowMarks", "変化の割合(&S)"), "ShowSlope"},
    {"colours", &ShowOptions::Colours, catalogued("ShowMarks", "線を色分け(&L)"), "ShowColours"},
    {"range", &ShowOptions::Range, catalogued("ShowMarks", "yの変域(&Y)"), "ShowRange", false},
}};

// A member of ShowOptions without its row would be neither saved, remembered nor in the menu.
static_assert(sizeof(ShowOptions) == ShowMarks.size() * sizeof(bool), "every mark of ShowOptions needs its row");

} // namespace zelmora
