// SPDX-License-Identifier: MIT
#pragma once

#include "entry/LineEntry.h"
#include "facts/ExactNumber.h"

#include <optional>
#include <string>

namespace zelmora {

// A drawn line y = aχ + b over the domain between from and to, in plane units, read exactly from
// the texts its slot shows in the entry boxes. from and to stay as stored: from may exceed to.
// A vertical line χ = At has no a and b; its domain, from and to, is then of y.
struct ExactLine {
    mpq_class A;
    mpq_class B;
    mpq_class From;
    mpq_class To;
    // The a and b texts as the boxes show them, which decide how the equation writes a and b.
    std::string AText;
    std::string BText;
    bool Vertical = false;
    mpq_class At{};
    // The equation the line was typed as, when it was ("2χ + 3y = 6", "χ = 3"), ASCII minus signs.
    std::string Typed{};
    // Whether the from and the to end are left out of the domain (−3 < χ ≦ 3).
    bool FromOpen = false;
    bool ToOpen = false;

    const mpq_class& low() const { return From <= To ? From : To; }
    const mpq_class& high() const { return From <= To ? To : From; }
    bool lowOpen() const { return From <= To ? FromOpen : ToOpen; }
    bool highOpen() const { return From <= To ? ToOpen : FromOpen; }
};

// A point of the plane, in plane units.
struct ExactPoint {
    mpq_class X;
    mpq_class Y;

    friend bool operator==(const ExactPoint&, const ExactPoint&) = default;
};

// The line the four box texts (a, b, from, to) stand for; none when any of them has no value.
std::optional<ExactLine> readExactLine(const EntryTexts& texts);

// The line a slot holds, read from the texts the boxes show for it; none for an empty slot. With
// the forms kept beside the table, a vertical line too, and the equation a line was typed as.
std::optional<ExactLine> exactLineOf(const SlotTable& table, int slot);
std::optional<ExactLine> exactLineOf(const SlotTable& table, const LineForms& forms, int slot);

// y at χ = x, on the unbounded line (not for a vertical one).
mpq_class yAt(const ExactLine& line, const mpq_class& x);

// The point of the line where its domain's variable (χ, or y on a vertical line) is t.
ExactPoint pointAt(const ExactLine& line, const mpq_class& t);

} // namespace zelmora
