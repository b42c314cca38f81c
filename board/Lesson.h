// SPDX-License-Identifier: MIT
#pragma once

#include "board/ShowOptions.h"
#include "entry/LineEntry.h"
#include "practice/PracticeTask.h"
#include "slots/SlotTable.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// What a lesson file holds: the plane size (0 小, 1 中, 2 大, as the size buttons count), the
// chosen slot (0 to 7 for slots １ to ８), the entry-box texts of each slot that holds a line, and
// the show options when the lesson sets them, the title its worksheets carry (UTF-8, empty
// when it has none), the practice tasks it sets, if any, and the ends of domains left open.
inline constexpr int MaxTitleLength = 200; // characters

// The equation a slot's line was typed as; a vertical line is kept as its equation and the bounds of
// y, in the "from" and "to" texts.
struct LessonEquation {
    std::string Text;
    bool Vertical = false;

    friend bool operator==(const LessonEquation&, const LessonEquation&) = default;
};

// A named point as a lesson keeps it: the texts its coordinates were typed as.
struct LessonPoint {
    std::string Name;
    std::string X;
    std::string Y;

    friend bool operator==(const LessonPoint&, const LessonPoint&) = default;
};

struct Lesson {
    std::string Title;
    int Size = 1;
    int CurrentSlot = 0;
    std::array<std::optional<EntryTexts>, SlotTable::UserSlots> Slots;
    // For each slot, the first of its boxes (a, b, from, to) that the file leaves out, if any: it
    // reads as an empty box.
    std::array<std::optional<EntryBox>, SlotTable::UserSlots> LeftOut;
    std::optional<ShowOptions> Show;
    std::array<std::optional<LessonEquation>, SlotTable::UserSlots> Equations;
    // For each slot, the ends of its domain left open.
    std::array<OpenEnds, SlotTable::UserSlots> Open{};
    PracticeSet Practice;
    // The named points, in order, and for each slot drawn through two of them, their names.
    std::vector<LessonPoint> Points{};
    std::array<std::optional<std::array<std::string, 2>>, SlotTable::UserSlots> Through{};

    friend bool operator==(const Lesson&, const Lesson&) = default;
};

} // namespace zelmora
