// SPDX-License-Identifier: MIT
#include "facts/Equation.h"

#include <string_view>
#include <utility>

namespace zelmora {
namespace {

// How the equation writes "y =", a leading minus and the sign between the χ term and b.
struct Signs {
    std::string Equals;
    std::string LeadingMinus;
    std::string Plus;
    std::string Minus;
};

// The decimal a box shows, without its sign and blanks, and with a zero before a leading point.
std::string shownDecimal(std::string_view typed)
{
    const std::size_t first = typed.find_first_not_of(" +-");
    const std::string_view shown = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    std::string text(shown.front() == '.' ? "0" : "");
    text += shown;
    const std::size_t point = text.find('.');
    if (point != std::string::npos && (point + 1 == text.size() || text[point + 1] < '0' || text[point + 1] > '9'))
        text.erase(point, 1);
    return text;
}

// A terminating decimal written out in full, without an exponent: 1E-05 is 0.00001, 1E+07 is
// 10000000. Textbooks never write E, however many digits the plain form takes.
std::string plainDecimal(const mpq_class& size)
{
    mpq_class value = size;
    value.canonicalize();
    // A decimal's denominator divides a power of ten: count the places it takes.
    mpz_class rest = value.get_den();
    std::size_t places = 0;
    for (; rest % 2 == 0 || rest % 5 == 0; ++places)
        rest /= rest % 10 == 0 ? 10 : rest % 2 == 0 ? 2 : 5;
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, places);
    std::string digits = mpz_class(value.get_num() * power / value.get_den()).get_str();
    if (places == 0)
        return digits;
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, 1, '.');
    return digits;
}

// The size of a coefficient as the pupil typed it: the box's decimal, or the reduced fraction when
// it was typed with a slash. A text that does not stand for the value (a line built in code) falls
// back to the fraction, so the equation never disagrees with the line.
EquationPart shownSize(std::string_view typed, const mpq_class& value)
{
    if (typed.find('/') == std::string_view::npos) {
        const auto read = exactNumber(typed);
        const bool exponent = typed.find_first_of("Ee") != std::string_view::npos;
        if (read && *read == value)
            return exponent ? plainDecimal(abs(value)) : shownDecimal(typed);
    }
    mpq_class size = abs(value);
    size.canonicalize();
    if (size.get_den() == 1)
        return size.get_num().get_str();
    return StackedFraction{size.get_num().get_str(), size.get_den().get_str()};
}

std::vector<EquationPart> partsOf(const ExactLine& line, const Signs& signs)
{
    std::vector<EquationPart> parts;
    const auto add = [&parts](EquationPart part) {
        const auto* text = std::get_if<std::string>(&part);
        if (text && !parts.empty() && std::holds_alternative<std::string>(parts.back()))
            std::get<std::string>(parts.back()) += *text;
        else
            parts.push_back(std::move(part));
    };

    add(signs.Equals);
    if (sgn(line.A) != 0) {
        if (sgn(line.A) < 0)
            add(signs.LeadingMinus);
        if (abs(line.A) != 1)
            add(shownSize(line.AText, line.A));
        add(std::string("χ"));
        if (sgn(line.B) == 0)
            return parts;
        add(sgn(line.B) < 0 ? signs.Minus : signs.Plus);
    } else if (sgn(line.B) < 0) {
        add(signs.LeadingMinus);
    }
    add(shownSize(line.BText, line.B));
    return parts;
}

template <typename WriteFraction>
std::string joined(const std::vector<EquationPart>& parts, WriteFraction writeFraction)
{
    std::string text;
    for (const EquationPart& part : parts) {
        if (const auto* fraction = std::get_if<StackedFraction>(&part))
            text += writeFraction(*fraction);
        else
            text += std::get<std::string>(part);
    }
    return text;
}

// χ = h, the size of h as a whole number or a stacked fraction.
std::vector<EquationPart> verticalParts(const ExactLine& line, const std::string& equals, const std::string& minus)
{
    std::vector<EquationPart> parts{equals + (sgn(line.At) < 0 ? minus : std::string())};
    mpq_class size = abs(line.At);
    size.canonicalize();
    if (size.get_den() == 1)
        std::get<std::string>(parts.back()) += size.get_num().get_str();
    else
        parts.emplace_back(StackedFraction{size.get_num().get_str(), size.get_den().get_str()});
    return parts;
}

std::string plainOf(const std::vector<EquationPart>& parts)
{
    return joined(
        parts, [](const StackedFraction& fraction) { return fraction.Numerator + "/" + fraction.Denominator; });
}

} // namespace

Equation shownEquationOf(const ExactLine& line, Minus minus)
{
    if (line.Typed.empty())
        return equationOf(line, minus);
    // The typed form is written with ASCII minus signs and fractions "n/d" of plain digits.
    const std::string sign(minusSign(minus));
    Equation equation;
    const std::string& typed = line.Typed;
    std::string run;
    for (std::size_t k = 0; k < typed.size();) {
        const std::size_t digits = typed.find_first_not_of("0123456789.", k);
        if (digits != k && digits != std::string::npos && typed[digits] == '/') {
            const std::size_t end = typed.find_first_not_of("0123456789.", digits + 1);
            if (!run.empty())
                equation.Parts.emplace_back(std::exchange(run, {}));
            equation.Parts.emplace_back(StackedFraction{typed.substr(k, digits - k),
                typed.substr(digits + 1, (end == std::string::npos ? typed.size() : end) - digits - 1)});
            k = end == std::string::npos ? typed.size() : end;
            continue;
        }
        if (typed[k] == '-')
            run += sign;
        else
            run += typed[k];
        ++k;
    }
    if (!run.empty())
        equation.Parts.emplace_back(std::move(run));
    equation.Plain = plainOf(equation.Parts);
    return equation;
}

Equation equationOf(const ExactLine& line, Minus minus)
{
    const std::string sign(minusSign(minus));
    Equation equation;
    if (line.Vertical) {
        equation.Parts = verticalParts(line, "χ = ", sign);
        equation.Plain = plainOf(equation.Parts);
        return equation;
    }
    equation.Parts = partsOf(line, {"y = ", sign, " + ", " " + sign + " "});
    equation.Plain = joined(equation.Parts,
        [](const StackedFraction& fraction) { return fraction.Numerator + "/" + fraction.Denominator; });
    return equation;
}

std::vector<SpokenEquationPart> spokenEquationParts(const ExactLine& line)
{
    std::vector<SpokenEquationPart> parts;
    const auto size = [&parts](const EquationPart& shown) {
        std::visit([&parts](const auto& part) { parts.emplace_back(part); }, shown);
    };
    if (line.Vertical) {
        parts = {EquationSymbol::X, EquationSymbol::Equals};
        if (sgn(line.At) < 0)
            parts.emplace_back(EquationSymbol::Minus);
        mpq_class at = abs(line.At);
        at.canonicalize();
        if (at.get_den() == 1)
            parts.emplace_back(at.get_num().get_str());
        else
            parts.emplace_back(StackedFraction{at.get_num().get_str(), at.get_den().get_str()});
        return parts;
    }
    parts = {EquationSymbol::Y, EquationSymbol::Equals};
    if (sgn(line.A) != 0) {
        if (sgn(line.A) < 0)
            parts.emplace_back(EquationSymbol::Minus);
        if (abs(line.A) != 1)
            size(shownSize(line.AText, line.A));
        parts.emplace_back(EquationSymbol::X);
        if (sgn(line.B) == 0)
            return parts;
        parts.emplace_back(sgn(line.B) < 0 ? EquationSymbol::Minus : EquationSymbol::Plus);
    } else if (sgn(line.B) < 0) {
        parts.emplace_back(EquationSymbol::Minus);
    }
    size(shownSize(line.BText, line.B));
    return parts;
}

} // namespace zelmora
