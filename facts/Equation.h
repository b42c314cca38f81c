// SPDX-License-Identifier: MIT
#pragma once

#include "facts/ExactLine.h"

#include <string>
#include <variant>
#include <vector>

namespace zelmora {

// A line's equation in textbook form, y = aχ + b, as the pieces a renderer draws (text runs and
// fractions stacked numerator over denominator) and as plain UTF-8 text for copying.

// A fraction drawn stacked; both parts are digits alone, the sign stands in the text before it.
struct StackedFraction {
    std::string Numerator;
    std::string Denominator;

    friend bool operator==(const StackedFraction&, const StackedFraction&) = default;
};

// A run of text, or a stacked fraction. Neighbouring runs are always joined into one.
using EquationPart = std::variant<std::string, StackedFraction>;

struct Equation {
    std::vector<EquationPart> Parts;
    // The same, fractions written "n/d": "y = -2/3χ + 1".
    std::string Plain;
};

// No "1χ", no "+ -", no "+ 0"; a = 0 leaves "y = b". A coefficient typed with a slash is shown as
// its reduced fraction, one typed without as the decimal its box shows, with a zero before a
// leading point (" .5" gives "0.5"). A vertical line is "χ = h".
Equation equationOf(const ExactLine& line, Minus minus = Minus::Ascii);

// The equation a line was typed as, when it was ("2χ + 3y = 6", fractions stacked), else its
// equationOf. A vertical line's is "χ = 3" either way.
Equation shownEquationOf(const ExactLine& line, Minus minus = Minus::Ascii);

// The symbols of an equation as a screen reader is given them, for the window to say in its own
// language's words.
enum class EquationSymbol { Y, X, Equals, Plus, Minus };

// A symbol, a number's digits as its box shows them ("2", "0.5"), or a fraction said whole.
using SpokenEquationPart = std::variant<EquationSymbol, std::string, StackedFraction>;

// The equation as a screen reader is given it: y = −2/3χ + 1 is Y, Equals, Minus, 2/3, X, Plus, "1".
std::vector<SpokenEquationPart> spokenEquationParts(const ExactLine& line);

} // namespace zelmora
