// SPDX-License-Identifier: MIT
// ParseCoefficient over any bytes, and FormatCoefficient of what it gives: for a finite pair the
// written text reads back as the pair rounded to seven significant digits. So a pair whose values
// have at most seven significant digits comes back exactly, except that a denominator of 1 or -1
// is not written and reads back as 1.
#include "FuzzCheck.h"
#include "entry/TextRules.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The value as seven significant digits write it and a reader takes it back, by the C library.
float roundedToSevenDigits(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6e", static_cast<double>(value));
    return static_cast<float>(std::strtod(text, nullptr));
}

bool hasAtMostSevenDigits(float value)
{
    return roundedToSevenDigits(value) == value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using zelmora::Coefficient;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Coefficient parsed = zelmora::ParseCoefficient(text);
    require(!std::isnan(parsed.numerator) && !std::isnan(parsed.denominator), "ParseCoefficient never gives NaN");
    if (!std::isfinite(parsed.numerator) || !std::isfinite(parsed.denominator))
        return 0;

    const bool unitDenominator = std::fabs(parsed.denominator) == 1.0f;
    const std::string written = zelmora::FormatCoefficient(parsed.numerator, parsed.denominator);
    const Coefficient back = zelmora::ParseCoefficient(written);

    const Coefficient rounded{
        roundedToSevenDigits(parsed.numerator), unitDenominator ? 1.0f : roundedToSevenDigits(parsed.denominator)};
    require(back == rounded, "the written pair reads back rounded to seven significant digits");
    if (hasAtMostSevenDigits(parsed.numerator) && hasAtMostSevenDigits(parsed.denominator)) {
        const Coefficient same{parsed.numerator, unitDenominator ? 1.0f : parsed.denominator};
        require(back == same, "a pair of at most seven significant digits reads back unchanged");
    }
    return 0;
}
