// SPDX-License-Identifier: MIT
#pragma once

#include "board/ShowOptions.h"
#include "entry/LineEntry.h"
#include "practice/PracticeTask.h"
#include "slots/SlotTable.h"

#include <array>
#include <optional>
#include <string>

namespace zelmora {

// What a lesson file holds: the plane size (0 小, 1 中, 2 大, as the size buttons count), the
// chosen slot (0 to 7 for slots １ to ８), the entry-box texts of each slot that holds a line, and
// the show options when the lesson sets them, the title its worksheets carry (UTF-8, empty
// when it has none), and the practice tasks it sets, if any.
inline constexpr int MaxTitleLength = 200; // characters

struct Lesson {
    std::string Title;
    int Size = 1;
    int CurrentSlot = 0;
    std::array<std::optional<EntryTexts>, SlotTable::UserSlots> Slots;
    // For each slot, the first of its boxes (a, b, from, to) that the file leaves out, if any: it
    // reads as an empty box.
    std::array<std::optional<EntryBox>, SlotTable::UserSlots> LeftOut;
    std::optional<ShowOptions> Show;
    PracticeSet Practice;

    friend bool operator==(const Lesson&, const Lesson&) = default;
};

} // namespace zelmora
