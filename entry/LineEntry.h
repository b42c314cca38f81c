// SPDX-License-Identifier: MIT
#pragma once

#include "entry/TextRules.h"
#include "slots/SlotTable.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace zelmora {

// The four entry boxes, in their order on the panel: a, b, and the lower and upper bound of x.
enum class EntryBox { A = 0, B, From, To };
inline constexpr std::size_t EntryBoxCount = 4;
using EntryTexts = std::array<std::string, EntryBoxCount>;

// A line as read from the boxes, ready to be stored in a slot.
struct LineValues {
    Coefficient A;
    Coefficient B;
    float XFrom = 0.0f;
    float XTo = 0.0f;
};

// Why a box cannot make a line.
enum class EntryFault {
    ZeroDenominator,     // a or b has a denominator of 0, or nothing after its slash
    TooLarge,            // the value is beyond single precision
    DenominatorTooLarge, // the denominator of a or b is beyond single precision
};

// A refused line: the first box at fault and why.
struct EntryRefusal {
    EntryBox Box = EntryBox::A;
    EntryFault Fault = EntryFault::TooLarge;

    friend bool operator==(const EntryRefusal&, const EntryRefusal&) = default;
};

// Characters of a box that the number rules did not read, as they were typed, without the blanks
// around them: "abc" of "3abc", "/2" of a bound "-1/2".
struct IgnoredText {
    EntryBox Box = EntryBox::A;
    std::string Text;

    friend bool operator==(const IgnoredText&, const IgnoredText&) = default;
};

// A vertical line χ = At over From ≦ y ≦ To, which the slot table cannot hold: its texts, as the
// line's equation and the boxes write numbers ("3", "-5/2"; "-2", "5").
struct VerticalLine {
    std::string At;
    std::string From;
    std::string To;

    friend bool operator==(const VerticalLine&, const VerticalLine&) = default;
};

// The two named points a line was drawn through, which it follows while either moves; Between:
// its domain runs from the one's χ to the other's (else it keeps the domain it has).
struct PointTie {
    std::array<std::string, 2> Names;
    bool Between = true;

    friend bool operator==(const PointTie&, const PointTie&) = default;
};

// Which ends of a line's domain are left out of it, its "from" end and its "to" end as the boxes
// give them: an open end (−3 < χ) is drawn as a hollow dot. Both closed, as typed lines are.
struct OpenEnds {
    bool From = false;
    bool To = false;

    bool any() const { return From || To; }
    friend bool operator==(const OpenEnds&, const OpenEnds&) = default;
};

// What a slot's line keeps beside its row of the slot table: the equation it was typed as, to
// show beside y = aχ + b ("2χ + 3y = 6"), for a vertical line the line itself (its row then holds
// no line), the two points it was drawn through, and the ends of its domain left open.
struct LineForm {
    std::string Typed;
    std::optional<VerticalLine> Vertical;
    std::optional<PointTie> Through{};
    OpenEnds Open{};

    // Keeps nothing that the row does not say already.
    bool empty() const { return Typed.empty() && !Vertical && !Through && !Open.any(); }
    friend bool operator==(const LineForm&, const LineForm&) = default;
};
using LineForms = std::array<std::optional<LineForm>, SlotTable::Rows>;

// Whether the slot holds a line: one of the table's, or a vertical one beside it.
bool holdsLine(const SlotTable& table, const LineForms& forms, int slot);
// The slot's vertical line, if it holds one.
const VerticalLine* verticalLineOf(const LineForms& forms, int slot);
// The ends of the slot's domain left open; none when it keeps no form.
OpenEnds openEndsOf(const LineForms& forms, int slot);

// Reads the four box texts (as typed, full-width forms allowed). Refuses a zero denominator and
// any value that single precision cannot hold, naming the first box at fault; empty boxes read
// as 0 (and a denominator of 1) and are no fault.
std::variant<LineValues, EntryRefusal> readLineEntry(const EntryTexts& texts);

// The first box, in panel order, that holds characters the number rules stop before and ignore.
// Empty boxes and blanks are not counted.
std::optional<IgnoredText> ignoredText(const EntryTexts& texts);

// Marks the slot as holding the line and stores its values.
void storeLine(SlotTable& table, int slot, const LineValues& line);

// The texts the boxes show for a slot: its stored values, or four empty texts for an empty slot.
EntryTexts entryTexts(const SlotTable& table, int slot);

} // namespace zelmora
