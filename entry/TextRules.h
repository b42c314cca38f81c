// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zelmora {

// How the text of the entry boxes (UTF-8) becomes numbers and back. Coefficients are kept as a
// numerator and a denominator in single precision, never reduced.

// Reads the number the text starts with: blanks, tabs and line feeds are skipped wherever they
// stand; an optional sign, digits with at most one full stop, an optional exponent (E or e, sign,
// digits); or &H / &O with hexadecimal / octal digits. Reading stops at the first character that
// cannot continue the number. Text that does not start with a number reads as 0; a number beyond
// the double range reads as plus or minus infinity. Independent of the locale.
double ReadNumber(std::string_view text);

// ReadNumber's value together with the length in bytes of the part of the text it read, blanks
// after the number included. A length of 0 means the text does not start with a number; what lies
// beyond the length was ignored.
struct NumberPrefix {
    double Value = 0.0;
    std::size_t Length = 0;
};
NumberPrefix readNumberPrefix(std::string_view text);

// A blank before zero or a positive value, a minus sign before a negative one; at most seven
// significant digits, rounded half away from zero (1234566.5 gives " 1234567"), no trailing zeros, no zero before the
// decimal point (" .5", "-.25"); exponent form below 1E-4 and from 1E+7 on (" 1E+08", "-1.5E-05").
std::string FormatNumber(float value);

// The single-precision value nearest to v, rounding as the hardware does; values past the single
// range become plus or minus infinity (a plain cast would be undefined there).
float toSingle(double v);

struct Coefficient {
    float Numerator = 0.0f;
    float Denominator = 1.0f;

    friend constexpr bool operator==(Coefficient, Coefficient) = default;
};

// Splits at the first ASCII slash into numerator and denominator; without a slash the
// denominator is 1. Each side is read with ReadNumber.
Coefficient ParseCoefficient(std::string_view text);

// "n/d" with both parts formatted by FormatNumber; when |d| is 1, the value n/d alone, so that
// (2, -1) gives "-2".
std::string FormatCoefficient(float numerator, float denominator);

} // namespace zelmora
