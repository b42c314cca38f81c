// SPDX-License-Identifier: MIT
#include "facts/TypedLine.h"

#include "entry/TextRules.h"

#include <cmath>
#include <utility>

namespace zelmora {
namespace {

// Σ of a side's terms: of χ, of y and without a variable.
struct Sums {
    mpq_class X;
    mpq_class Y;
    mpq_class Constant;
};

std::optional<EquationRefusal> add(Sums& sums, const std::vector<EquationTerm>& terms, int sign)
{
    for (const EquationTerm& term : terms) {
        mpq_class value(1);
        if (!term.Numerator.empty()) {
            const auto numerator = exactNumber(term.Numerator);
            if (!numerator)
                return EquationRefusal{EquationFault::TooLarge, term.Position, term.Numerator};
            value = *numerator;
        }
        if (!term.Denominator.empty()) {
            const auto denominator = exactNumber(term.Denominator);
            if (!denominator)
                return EquationRefusal{EquationFault::TooLarge, term.DenominatorPosition, term.Denominator};
            if (sgn(*denominator) == 0)
                return EquationRefusal{EquationFault::ZeroDenominator, term.DenominatorPosition, term.Denominator};
            value /= *denominator;
        }
        if (term.Negative != (sign < 0))
            value = -value;
        switch (term.Variable) {
        case EquationVariable::X:
            sums.X += value;
            break;
        case EquationVariable::Y:
            sums.Y += value;
            break;
        case EquationVariable::None:
            sums.Constant += value;
            break;
        }
    }
    return std::nullopt;
}

bool fitsTheBoxes(const mpq_class& value)
{
    return abs(value.get_num()) <= MaxWorkedOutDigits && value.get_den() <= MaxWorkedOutDigits;
}

} // namespace

std::optional<std::string> coefficientText(const mpq_class& value)
{
    mpq_class reduced = value;
    reduced.canonicalize();
    if (!fitsTheBoxes(reduced))
        return std::nullopt;
    return FormatCoefficient(
        static_cast<float>(reduced.get_num().get_si()), static_cast<float>(reduced.get_den().get_si()));
}

std::variant<TypedLine, EquationRefusal> readTypedLine(std::string_view text)
{
    const auto read = readEquationText(text);
    if (const auto* refusal = std::get_if<EquationRefusal>(&read))
        return *refusal;
    const auto& terms = std::get<EquationTerms>(read);
    // Everything on the left: Xχ + Yy + Constant = 0.
    Sums sums;
    if (auto refusal = add(sums, terms.Left, 1))
        return *refusal;
    if (auto refusal = add(sums, terms.Right, -1))
        return *refusal;
    if (sgn(sums.X) == 0 && sgn(sums.Y) == 0)
        return EquationRefusal{EquationFault::NoVariable, 0, {}};

    TypedLine line;
    line.Form = equationFormText(terms);
    line.Vertical = sgn(sums.Y) == 0;
    if (line.Vertical) {
        line.At = -sums.Constant / sums.X;
        line.At.canonicalize();
        if (!fitsTheBoxes(line.At))
            return EquationRefusal{EquationFault::TooLarge, 0, {}};
    } else {
        line.A = -sums.X / sums.Y;
        line.B = -sums.Constant / sums.Y;
        line.A.canonicalize();
        line.B.canonicalize();
        if (!coefficientText(line.A) || !coefficientText(line.B))
            return EquationRefusal{EquationFault::TooLarge, 0, {}};
    }
    if (const auto& domain = terms.Domain) {
        const auto wanted = line.Vertical ? EquationVariable::Y : EquationVariable::X;
        if (domain->Variable != wanted)
            return EquationRefusal{EquationFault::DomainVariable, domain->VariablePosition, line.Vertical ? "y" : "χ"};
        const auto low = exactNumber(domain->Low);
        const auto high = exactNumber(domain->High);
        if (!low || !high || !std::isfinite(toSingle(ReadNumber(domain->Low)))
            || !std::isfinite(toSingle(ReadNumber(domain->High))))
            return EquationRefusal{EquationFault::TooLarge, domain->Position, {}};
        if (*low > *high)
            return EquationRefusal{EquationFault::DomainOrder, domain->Position, {}};
        if (*low == *high && (domain->LowOpen || domain->HighOpen))
            return EquationRefusal{EquationFault::OpenEndOfPoint, domain->Position, {}};
        line.From = domain->Low;
        line.To = domain->High;
        line.Open = {domain->LowOpen, domain->HighOpen};
    }
    return line;
}

} // namespace zelmora
