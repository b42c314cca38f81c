// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelmora {

// The steps a slider of 動かして調べる moves a coefficient in: a in steps of 1/2, 1/3, 1/4 or 0.1
// from -5 to 5, b in steps of 1 or 1/2 from -10 to 10.
enum class ParameterStep { Whole, Half, Third, Quarter, Tenth };

// A slider's positions, Minimum to Maximum, position k standing for the exact value
// k / Denominator.
struct ParameterScale {
    ParameterStep Step = ParameterStep::Half;
    int Denominator = 2;
    int Minimum = -10;
    int Maximum = 10;

    friend bool operator==(const ParameterScale&, const ParameterScale&) = default;
};

// The scale of a step over -range to range.
ParameterScale parameterScale(ParameterStep step, int range);

// The value at a position as the pupil would type it, read by the same rules as the boxes to the
// exact value: " 1/ 2", "-2/ 3", " 2" for fractions and whole numbers, "0.3", "-1.5" for tenths.
std::string parameterText(const ParameterScale& scale, int position);

// The position nearest to a value, kept on the scale.
int nearestPosition(const ParameterScale& scale, double value);

// The step a slider of a starts with for a line whose a is numerator / denominator: thirds or
// quarters for a third or a quarter, halves otherwise.
ParameterStep slopeStepFor(float numerator, float denominator);

} // namespace zelmora
