// SPDX-License-Identifier: MIT
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// The exact rational a number shown in an entry box stands for, and fractions written back as
// text (UTF-8). A shown 0.1 is exactly 1/10 here, whatever single precision stored for it.

// The largest decimal exponent a number text may carry: beyond it a text is no stored value, and
// refusing it keeps the size of the rational (and the time to build it) bounded.
inline constexpr long MaxDecimalExponent = 400;

// Which character writes a minus sign: the ASCII hyphen-minus, or U+2212 where typography wants it.
enum class Minus { Ascii, Typographic };

// The minus sign itself, "-" or "−".
std::string_view minusSign(Minus minus);

// Blanks, an optional sign, digits with at most one point, an optional exponent (E or e, an
// optional sign, digits), blanks. Anything else ("Inf", "NaN", "", "1/2") has no value.
std::optional<mpq_class> exactNumber(std::string_view text);

// "n/d" split at the first slash, each side a number text and d not zero, or "n" alone.
std::optional<mpq_class> exactCoefficient(std::string_view text);

// Reduced, the sign in front: "-4/3", "5/2", "3", "0".
std::string fractionText(const mpq_class& value, Minus minus = Minus::Ascii);

// The largest integer not above a rational, and the smallest not below it.
mpz_class floorOf(const mpq_class& value);
mpz_class ceilOf(const mpq_class& value);

} // namespace zelmora
