// SPDX-License-Identifier: MIT
#include "board/ParameterScale.h"

#include "entry/TextRules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace zelmora {
namespace {

int denominatorOf(ParameterStep step)
{
    switch (step) {
    case ParameterStep::Whole:
        return 1;
    case ParameterStep::Half:
        return 2;
    case ParameterStep::Third:
        return 3;
    case ParameterStep::Quarter:
        return 4;
    case ParameterStep::Tenth:
        break;
    }
    return 10;
}

} // namespace

ParameterScale parameterScale(ParameterStep step, int range)
{
    const int denominator = denominatorOf(step);
    return {step, denominator, -range * denominator, range * denominator};
}

// Tenths are written as decimals, which is how a pupil types them; the rules read "0.3" as 3/10
// exactly. Every other value is the fraction in lowest terms, written as a selected slot shows it.
std::string parameterText(const ParameterScale& scale, int position)
{
    const int divisor = std::gcd(position, scale.Denominator);
    const int numerator = position / divisor;
    const int denominator = scale.Denominator / divisor;
    if (denominator == 1)
        return FormatNumber(static_cast<float>(numerator));
    if (scale.Step == ParameterStep::Tenth) {
        const int whole = std::abs(position) / 10;
        return (position < 0 ? "-" : "") + std::to_string(whole) + "." + std::to_string(std::abs(position) % 10);
    }
    return FormatCoefficient(static_cast<float>(numerator), static_cast<float>(denominator));
}

int nearestPosition(const ParameterScale& scale, double value)
{
    if (!std::isfinite(value))
        return value > 0 ? scale.Maximum : value < 0 ? scale.Minimum : 0;
    const double position = std::round(value * scale.Denominator);
    return static_cast<int>(std::clamp(position, double(scale.Minimum), double(scale.Maximum)));
}

ParameterStep slopeStepFor(float numerator, float denominator)
{
    // Whole numbers of at most seven digits, as a pupil types them; anything else is no fraction
    // of a unit's thirds or quarters.
    constexpr float largest = 1e7f;
    const auto whole = [](float value) { return std::trunc(value) == value && std::fabs(value) < largest; };
    if (!whole(numerator) || !whole(denominator) || denominator == 0.0f)
        return ParameterStep::Half;
    const auto n = static_cast<long>(numerator);
    const auto d = static_cast<long>(denominator);
    const long reduced = std::abs(d / std::gcd(n, d));
    if (reduced == 3)
        return ParameterStep::Third;
    if (reduced == 4)
        return ParameterStep::Quarter;
    return ParameterStep::Half;
}

} // namespace zelmora
