// SPDX-License-Identifier: MIT
#include "board/Board.h"

#include <algorithm>

namespace zelmora {

int Board::planeSize() const
{
    for (std::size_t k = 0; k < PlaneSizes.size(); ++k) {
        if (PlaneSizes[k].UnitPixels == UnitPixels)
            return static_cast<int>(k);
    }
    return MediumPlane;
}

// All four boxes are read and checked before anything changes, so that a line that cannot be
// drawn leaves the slot, the picture and the selection as they were.
Outcome Board::draw(const EntryTexts& texts)
{
    const auto entry = readLineEntry(texts);
    if (const auto* refusal = std::get_if<EntryRefusal>(&entry)) {
        Outcome outcome;
        outcome.Focus = refusal->Box;
        outcome.SelectFocusedText = true;
        outcome.Message = *refusal;
        return outcome;
    }
    const int slot = CurrentSlot;
    storeLine(Slots, slot, std::get<LineValues>(entry));

    // Moving on to the next slot checks its button and shows it, as choosing it would.
    Outcome outcome = showSlot((slot + 1) % SlotTable::UserSlots);
    outcome.Picture = PictureChange::Segment;
    outcome.Slot = slot;
    LineSlot = static_cast<std::int16_t>(slot);
    // The line is drawn as the rules read it; the pupil hears what they left out.
    if (auto ignored = ignoredText(texts))
        outcome.Message = std::move(*ignored);
    return outcome;
}

Outcome Board::selectSlot(int slot)
{
    if (slot == CurrentSlot || slot < 0 || slot >= SlotTable::UserSlots)
        return {};
    return showSlot(slot);
}

Outcome Board::erase()
{
    Slots.set(CurrentSlot, SlotTable::Drawn, 0.0f);
    Outcome outcome;
    outcome.Texts = EntryTexts{};
    outcome.Focus = EntryBox::A;
    outcome.Message = std::monostate{};
    outcome.Picture = PictureChange::Whole;
    return outcome;
}

Outcome Board::initialScreen()
{
    for (int slot = 0; slot < SlotTable::Rows; ++slot)
        Slots.set(slot, SlotTable::Drawn, 0.0f);
    // Slot "１" is shown even when it was current already: its boxes empty.
    Outcome outcome = showSlot(0);
    outcome.Picture = PictureChange::Plane;
    return outcome;
}

Outcome Board::setPlaneSize(int size)
{
    if (size < 0 || size >= static_cast<int>(PlaneSizes.size()))
        return {};
    UnitPixels = PlaneSizes[static_cast<std::size_t>(size)].UnitPixels;
    Outcome outcome;
    outcome.SizeMark = size;
    outcome.Message = std::monostate{};
    outcome.Picture = PictureChange::Whole;
    return outcome;
}

Outcome Board::setShowOptions(const ShowOptions& options)
{
    Show = options;
    Outcome outcome;
    outcome.Picture = PictureChange::Whole;
    return outcome;
}

Lesson Board::lesson() const
{
    Lesson lesson;
    lesson.Size = planeSize();
    lesson.CurrentSlot = CurrentSlot;
    lesson.Show = Show;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        if (Slots.isDrawn(slot))
            lesson.Slots[static_cast<std::size_t>(slot)] = entryTexts(Slots, slot);
    }
    return lesson;
}

// Every slot is read before the board changes, so that a refused lesson leaves it as it was.
std::variant<Outcome, LessonRefusal> Board::open(const Lesson& lesson)
{
    SlotTable table;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto& texts = lesson.Slots[static_cast<std::size_t>(slot)];
        if (!texts)
            continue;
        const auto entry = readLineEntry(*texts);
        if (const auto* refusal = std::get_if<EntryRefusal>(&entry))
            return LessonRefusal{slot, *refusal};
        storeLine(table, slot, std::get<LineValues>(entry));
    }
    // The file's reader has checked the size and the slot; anything else is kept in range.
    const int size = std::clamp(lesson.Size, 0, static_cast<int>(PlaneSizes.size()) - 1);
    Slots = table;
    UnitPixels = PlaneSizes[static_cast<std::size_t>(size)].UnitPixels;
    if (lesson.Show)
        Show = *lesson.Show;
    Outcome outcome = showSlot(std::clamp(lesson.CurrentSlot, 0, SlotTable::UserSlots - 1));
    outcome.SizeMark = size;
    outcome.Picture = PictureChange::Whole;
    // Texts with characters the rules do not read are drawn as the rules read them, and the pupil
    // hears what was left out, as after a draw.
    for (const auto& texts : lesson.Slots) {
        if (auto ignored = texts ? ignoredText(*texts) : std::nullopt) {
            outcome.Message = std::move(*ignored);
            break;
        }
    }
    return outcome;
}

Outcome Board::showSlot(int slot)
{
    CurrentSlot = static_cast<std::int16_t>(slot);
    LineSlot = CurrentSlot;
    Outcome outcome;
    outcome.Texts = entryTexts(Slots, slot);
    outcome.CheckedSlot = slot;
    outcome.Focus = EntryBox::A;
    outcome.Message = std::monostate{};
    return outcome;
}

} // namespace zelmora
