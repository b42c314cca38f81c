// SPDX-License-Identifier: MIT
#include "entry/TextRules.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace zelmora {
namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The characters that count, in order: the text without blanks, tabs and line feeds.
class Characters {
public:
    explicit Characters(std::string_view text)
        : Text(text)
    {
        skip();
    }

    bool atEnd() const { return Position >= Text.size(); }
    std::size_t position() const { return Position; }
    char peek() const { return atEnd() ? '\0' : Text[Position]; }
    void advance()
    {
        ++Position;
        skip();
    }

private:
    void skip()
    {
        while (Position < Text.size() && isSkipped(Text[Position]))
            ++Position;
    }

    std::string_view Text;
    std::size_t Position = 0;
};

// The number read so far and where reading stopped; an end of 0 means nothing was read.
struct Reading {
    double Value = 0.0;
    std::size_t End = 0;
};

Reading readRadixInteger(Characters& chars, int radix)
{
    double value = 0.0;
    bool anyDigit = false;
    for (int digit = hexDigit(chars.peek()); digit >= 0 && digit < radix; digit = hexDigit(chars.peek())) {
        value = value * radix + digit;
        anyDigit = true;
        chars.advance();
    }
    return {value, anyDigit ? chars.position() : 0};
}

// A decimal number gathered without blanks, read by from_chars. Its size in decimal orders of
// magnitude is tracked alongside, so that a result from_chars cannot represent can be told
// apart as overflow (infinity) or underflow (zero).
Reading readDecimal(Characters& chars)
{
    std::string number;
    if (chars.peek() == '+' || chars.peek() == '-') {
        number += chars.peek();
        chars.advance();
    }

    bool anyDigit = false;
    bool nonZero = false;
    long long magnitude = 0; // decimal exponent of the leading significant digit, before E
    long long integerDigits = 0;
    while (isDigit(chars.peek())) {
        anyDigit = true;
        if (chars.peek() != '0' && !nonZero) {
            nonZero = true;
            integerDigits = 0;
        }
        if (nonZero)
            ++integerDigits;
        number += chars.peek();
        chars.advance();
    }
    if (nonZero)
        magnitude = integerDigits - 1;
    if (chars.peek() == '.') {
        number += '.';
        chars.advance();
        long long place = 0;
        while (isDigit(chars.peek())) {
            anyDigit = true;
            --place;
            if (chars.peek() != '0' && !nonZero) {
                nonZero = true;
                magnitude = place;
            }
            number += chars.peek();
            chars.advance();
        }
    }
    if (!anyDigit)
        return {};

    if (chars.peek() == 'E' || chars.peek() == 'e') {
        // The exponent counts only when at least one digit follows; "1E" and "1E+" read as 1.
        std::string exponent = "e";
        Characters afterE = chars;
        afterE.advance();
        if (afterE.peek() == '+' || afterE.peek() == '-') {
            exponent += afterE.peek();
            afterE.advance();
        }
        if (isDigit(afterE.peek())) {
            long long exponentValue = 0;
            const bool negative = exponent.back() == '-';
            while (isDigit(afterE.peek())) {
                if (exponentValue < 1'000'000'000)
                    exponentValue = exponentValue * 10 + (afterE.peek() - '0');
                exponent += afterE.peek();
                afterE.advance();
            }
            magnitude += negative ? -exponentValue : exponentValue;
            number += exponent;
            chars = afterE;
        }
    }

    const bool negative = number.front() == '-';
    const char* first = number.data() + (number.front() == '+' || negative ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc{} || end != number.data() + number.size())
        value = 0.0;
    return {negative ? -value : value, chars.position()};
}

// The magnitude rounded to seven significant digits, half away from zero as pupils round: the
// digits and the decimal exponent of the first. A float written out in full has at most 112
// significant digits, so the exact expansion shows whether the rest is at least half a unit.
std::pair<std::string, int> sevenSignificantDigits(float magnitude)
{
    constexpr int exactDigits = 120;
    std::array<char, exactDigits + 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(magnitude),
        std::chars_format::scientific, exactDigits);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    std::from_chars(
        scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), scientific.data() + scientific.size(), exponent);

    std::string digits{scientific[0]};
    digits.append(scientific.substr(2, 6));
    if (scientific[8] >= '5') {
        auto digit = digits.rbegin();
        while (digit != digits.rend() && *digit == '9')
            *digit++ = '0';
        if (digit == digits.rend()) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++*digit;
        }
    }
    return {digits, exponent};
}

} // namespace

NumberPrefix readNumberPrefix(std::string_view text)
{
    Characters chars(text);
    Reading reading;
    if (chars.peek() == '&') {
        Characters afterAmpersand = chars;
        afterAmpersand.advance();
        const char prefix = afterAmpersand.peek();
        if (prefix == 'H' || prefix == 'h' || prefix == 'O' || prefix == 'o') {
            afterAmpersand.advance();
            reading = readRadixInteger(afterAmpersand, prefix == 'H' || prefix == 'h' ? 16 : 8);
        }
    } else {
        reading = readDecimal(chars);
    }
    return {reading.Value, reading.End};
}

double ReadNumber(std::string_view text)
{
    return readNumberPrefix(text).Value;
}

std::string FormatNumber(float value)
{
    if (value == 0.0f)
        return " 0";
    std::string text(value < 0.0f ? "-" : " ");
    if (!std::isfinite(value))
        return text + (std::isnan(value) ? "NaN" : "Inf");

    auto [digits, exponent] = sevenSignificantDigits(std::fabs(value));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent < -4 || exponent >= 7) {
        text += digits.substr(0, 1);
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        if (exponentDigits.size() < 2)
            text += '0';
        return text + exponentDigits;
    }
    if (exponent < 0)
        return text + '.' + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto wholeDigits = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= wholeDigits)
        return text + digits + std::string(wholeDigits - digits.size(), '0');
    return text + digits.substr(0, wholeDigits) + '.' + digits.substr(wholeDigits);
}

float toSingle(double v)
{
    // Halfway between the largest float and 2^128: from here on, rounding gives infinity.
    constexpr double overflow = 0x1.ffffffp127;
    if (std::fabs(v) >= overflow)
        return std::signbit(v) ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

Coefficient ParseCoefficient(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return {toSingle(ReadNumber(text)), 1.0f};
    return {toSingle(ReadNumber(text.substr(0, slash))), toSingle(ReadNumber(text.substr(slash + 1)))};
}

std::string FormatCoefficient(float numerator, float denominator)
{
    if (std::fabs(denominator) != 1.0f)
        return FormatNumber(numerator) + "/" + FormatNumber(denominator);
    // A denominator of -1 is folded into the value, so that the text reads back as the same number.
    return FormatNumber(denominator < 0.0f ? -numerator : numerator);
}

} // namespace zelmora
