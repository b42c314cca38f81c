#pragma once

#include "entry/TextRules.h"

#include <array>
#include <string>
#include <variant>

namespace zelmora {

class SlotTable;

// The four entry boxes, in their order on the panel: a, b, and the lower and upper bound of x.
enum class EntryBox { A = 0, B, From, To };
inline constexpr std::size_t EntryBoxCount = 4;
using EntryTexts = std::array<std::string, EntryBoxCount>;

// A line as read from the boxes, ready to be stored in a slot.
struct LineValues {
    Coefficient a;
    Coefficient b;
    float xFrom = 0.0f;
    float xTo = 0.0f;
};

// Why the boxes cannot make a line: the first box at fault and a message for the pupil.
struct EntryFault {
    EntryBox box = EntryBox::A;
    std::string message;
};

// Reads the four box texts (as typed, full-width forms allowed). Refuses a zero denominator and
// any value that single precision cannot hold, naming the first box at fault; empty boxes read
// as 0 (and a denominator of 1) and are no fault.
std::variant<LineValues, EntryFault> readLineEntry(const EntryTexts& texts);

// Marks the slot as holding the line and stores its values.
void storeLine(SlotTable& table, int slot, const LineValues& line);

// The texts the boxes show for a slot: its stored values, or four empty texts for an empty slot.
EntryTexts entryTexts(const SlotTable& table, int slot);

} // namespace zelmora
