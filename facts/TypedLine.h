// SPDX-License-Identifier: MIT
#pragma once

#include "entry/EquationText.h"
#include "entry/LineEntry.h"
#include "facts/ExactNumber.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zelmora {

// The line an equation typed in χ and y stands for, worked out exactly: y = aχ + b when y has a
// coefficient, else the vertical line χ = h. Plane units.
struct TypedLine {
    std::string Form; // as the program writes the equation back: "2χ + 3y = 6"
    bool Vertical = false;
    mpq_class A; // y = aχ + b
    mpq_class B;
    mpq_class At; // χ = h
    // The domain typed with it, of χ (of y for a vertical line), as number texts.
    std::optional<std::string> From;
    std::optional<std::string> To;
    // Its ends typed with "<", left out.
    OpenEnds Open{};
};

// The largest numerator or denominator a coefficient worked out from an equation may have: the
// boxes show seven significant digits.
inline constexpr long MaxWorkedOutDigits = 9999999;

std::variant<TypedLine, EquationRefusal> readTypedLine(std::string_view text);

// A coefficient as the boxes write it: "-2/ 3", " 2"; none when its numerator or denominator has
// more digits than the boxes show.
std::optional<std::string> coefficientText(const mpq_class& value);

} // namespace zelmora
