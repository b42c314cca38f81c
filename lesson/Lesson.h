// SPDX-License-Identifier: MIT
#pragma once

#include "entry/LineEntry.h"
#include "slots/SlotTable.h"

#include <array>
#include <optional>

namespace zelmora {

// The marks a lesson asks the plane to show beyond the lines themselves; all off unless a lesson
// turns them on.
struct ShowOptions {
    bool Numbers = false;
    bool Equations = false;
    bool Intersections = false;
    bool Endpoints = false;
    bool Slope = false;

    friend bool operator==(const ShowOptions&, const ShowOptions&) = default;
};

// What a lesson file holds: the plane size (0 小, 1 中, 2 大, as the size buttons count), the
// chosen slot (0 to 7 for slots １ to ８), the entry-box texts of each slot that holds a line, and
// the show options when the lesson sets them.
struct Lesson {
    int Size = 1;
    int CurrentSlot = 0;
    std::array<std::optional<EntryTexts>, SlotTable::UserSlots> Slots;
    std::optional<ShowOptions> Show;

    friend bool operator==(const Lesson&, const Lesson&) = default;
};

} // namespace zelmora
