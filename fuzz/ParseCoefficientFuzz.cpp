// SPDX-License-Identifier: MIT
// ParseCoefficient over any bytes, and FormatCoefficient of what it gives: for a finite pair the
// written text reads back as the pair rounded to seven significant digits, exact ties away from
// zero. So a pair whose values have at most seven significant digits comes back exactly, except
// that a denominator of 1 or -1 is not written: it reads back as 1, with the sign of -1 moved
// into the numerator.
#include "FuzzCheck.h"
#include "entry/TextRules.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string written(const char* format, double value, int rounding)
{
    const int saved = std::fegetround();
    std::fesetround(rounding);
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::fesetround(saved);
    return text;
}

// The value as seven significant digits write it and a reader takes it back, by the C library,
// whose printf follows the rounding mode: an exact tie (eight digits, the last a 5, written the
// same rounded either way) goes away from zero, anything else to the nearest.
float roundedToSevenDigits(float value)
{
    const double magnitude = std::fabs(static_cast<double>(value));
    const std::string eight = written("%.7e", magnitude, FE_TOWARDZERO);
    const bool tie = eight == written("%.7e", magnitude, FE_UPWARD) && eight[8] == '5';
    const double rounded = std::strtod(written("%.6e", magnitude, tie ? FE_UPWARD : FE_TONEAREST).c_str(), nullptr);
    return static_cast<float>(std::signbit(value) ? -rounded : rounded);
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
    require(!std::isnan(parsed.Numerator) && !std::isnan(parsed.Denominator), "ParseCoefficient never gives NaN");
    if (!std::isfinite(parsed.Numerator) || !std::isfinite(parsed.Denominator))
        return 0;

    const bool unitDenominator = std::fabs(parsed.Denominator) == 1.0f;
    const std::string written = zelmora::FormatCoefficient(parsed.Numerator, parsed.Denominator);
    const Coefficient back = zelmora::ParseCoefficient(written);

    const float numerator = parsed.Denominator == -1.0f ? -parsed.Numerator : parsed.Numerator;
    const Coefficient rounded{
        roundedToSevenDigits(numerator), unitDenominator ? 1.0f : roundedToSevenDigits(parsed.Denominator)};
    require(back == rounded, "the written pair reads back rounded to seven significant digits");
    if (hasAtMostSevenDigits(parsed.Numerator) && hasAtMostSevenDigits(parsed.Denominator)) {
        const Coefficient same{numerator, unitDenominator ? 1.0f : parsed.Denominator};
        require(back == same, "a pair of at most seven significant digits reads back unchanged");
    }
    return 0;
}
