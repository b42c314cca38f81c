// SPDX-License-Identifier: MIT
#include "facts/ExactNumber.h"

#include <charconv>

namespace zelmora {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The exponent after E: an optional sign and at least one digit, no further characters.
std::optional<long> readExponent(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would take a second sign, so the first character must be a digit.
    if (text.empty() || !isDigit(text.front()))
        return std::nullopt;
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value > MaxDecimalExponent)
        return std::nullopt;
    return negative ? -value : value;
}

mpz_class powerOfTen(unsigned long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

} // namespace

std::string_view minusSign(Minus minus)
{
    return minus == Minus::Typographic ? "\u2212" : "-";
}

std::optional<mpq_class> exactNumber(std::string_view text)
{
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::string digits;
    long fractionDigits = 0;
    bool point = false;
    std::size_t position = 0;
    for (; position < text.size(); ++position) {
        const char c = text[position];
        if (isDigit(c)) {
            digits += c;
            if (point)
                ++fractionDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return std::nullopt;

    long exponent = 0;
    if (position < text.size()) {
        if (text[position] != 'E' && text[position] != 'e')
            return std::nullopt;
        const auto read = readExponent(text.substr(position + 1));
        if (!read)
            return std::nullopt;
        exponent = *read;
    }

    // All digits as one integer scaled by a power of ten: exact, however many digits the text has.
    const mpz_class mantissa(digits, 10);
    const long shift = exponent - fractionDigits;
    mpq_class value;
    if (shift >= 0) {
        value = mantissa * powerOfTen(static_cast<unsigned long>(shift));
    } else {
        value = mpq_class(mantissa, powerOfTen(static_cast<unsigned long>(-shift)));
        value.canonicalize();
    }
    return negative ? mpq_class(-value) : value;
}

std::optional<mpq_class> exactCoefficient(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return exactNumber(text);
    const auto numerator = exactNumber(text.substr(0, slash));
    const auto denominator = exactNumber(text.substr(slash + 1));
    if (!numerator || !denominator || sgn(*denominator) == 0)
        return std::nullopt;
    return mpq_class(*numerator / *denominator);
}

std::string fractionText(const mpq_class& value, Minus minus)
{
    mpq_class reduced = value;
    reduced.canonicalize();
    std::string text(sgn(reduced) < 0 ? minusSign(minus) : "");
    text += mpz_class(abs(reduced.get_num())).get_str();
    if (reduced.get_den() != 1) {
        text += '/';
        text += reduced.get_den().get_str();
    }
    return text;
}

mpz_class floorOf(const mpq_class& value)
{
    mpz_class result;
    mpz_fdiv_q(result.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    return result;
}

mpz_class ceilOf(const mpq_class& value)
{
    mpz_class result;
    mpz_cdiv_q(result.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    return result;
}

} // namespace zelmora
