// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zelmora {

// A line typed as one equation in χ and y (UTF-8, full-width and kana forms as the boxes take
// them): "2χ + 3y = 6", "χ = 3", "3y = 2χ - 6", with an optional domain after a comma or in
// brackets ("2χ + 3y = 6 (-3 ≦ χ ≦ 3)", "y = 2χ + 1 (−3 < χ ≦ 3)"). This reads its terms; what line they make is worked
// out exactly elsewhere. Positions count characters of the typed text from 1.

enum class EquationVariable { None, X, Y };

// One term: its sign, the number texts of its coefficient (numerator, and denominator when written
// as a fraction; both empty for a bare variable) and its variable.
struct EquationTerm {
    bool Negative = false;
    std::string Numerator;
    std::string Denominator;
    EquationVariable Variable = EquationVariable::None;
    int Position = 0;            // of the term's first character after its sign
    int DenominatorPosition = 0; // of the denominator's first character, when there is one

    friend bool operator==(const EquationTerm&, const EquationTerm&) = default;
};

// A domain "low ≦ v ≦ high", the bounds as number texts (a sign and a decimal); an end written
// with "<" is left out of it ("−3 < χ ≦ 3").
struct EquationDomain {
    std::string Low;
    std::string High;
    bool LowOpen = false;
    bool HighOpen = false;
    EquationVariable Variable = EquationVariable::X;
    int Position = 0;         // of the low bound
    int VariablePosition = 0; // of its variable

    friend bool operator==(const EquationDomain&, const EquationDomain&) = default;
};

struct EquationTerms {
    std::vector<EquationTerm> Left;
    std::vector<EquationTerm> Right;
    std::optional<EquationDomain> Domain;

    friend bool operator==(const EquationTerms&, const EquationTerms&) = default;
};

// Why a typed equation makes no line. Position and Text say where and what, when it is one place.
enum class EquationFault {
    Empty,           // nothing typed
    Unreadable,      // a character that has no place there
    NoEquals,        // no "="
    ExtraEquals,     // a second "="
    MissingTerm,     // a sign or "=" with nothing after it, or an "=" with nothing before it
    ZeroDenominator, // a fraction over 0
    NoVariable,      // neither χ nor y
    TooLarge,        // a number, or the line's a, b or χ, beyond what the boxes can show
    DomainVariable,  // a domain in χ for χ = h, or in y for any other line
    DomainOrder,     // a domain whose low bound is above its high one
    DoesNotMatch,    // (lessons) the equation is not the line the slot's a and b give
    OpenEndOfPoint,  // an open end of a domain of one point, which it would leave empty
};

struct EquationRefusal {
    EquationFault Fault = EquationFault::Unreadable;
    int Position = 0;   // 0 when the fault has no one place
    std::string Text{}; // the characters at fault, as typed; for a domain, the variable it wants

    friend bool operator==(const EquationRefusal&, const EquationRefusal&) = default;
};

std::variant<EquationTerms, EquationRefusal> readEquationText(std::string_view text);

// The equation as the program writes it back: the terms as typed, χ and y for the variables,
// one blank round "+", "-" and "=", "-" as the sign ("2χ + 3y = 6", "-χ + y = 2"). No domain.
std::string equationFormText(const EquationTerms& terms);

} // namespace zelmora
