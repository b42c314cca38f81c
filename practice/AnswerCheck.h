// SPDX-License-Identifier: MIT
#pragma once

#include "practice/PracticeTask.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

// Checking a pupil's answer to a task exactly. Each of the two boxes is read as the entry boxes
// read a coefficient (full-width forms, fractions, decimals), and the value the rules read is
// compared with the task's as exact fractions: 0.5 is 1/2, and 4/-6 is -2/3.

// How one part of an answer compares with the task's value.
enum class Verdict {
    Right,
    Near, // a decimal that only rounds the value (0.67 for 2/3): right to its last place
    Wrong,
    Unreadable, // a zero denominator, or a value beyond single precision
};

// The value the entry rules read from a box's text, exactly as the box would show it again; none
// when the draw command would refuse the text.
std::optional<mpq_class> boxValue(std::string_view text);

// A value read against the one wanted. Near: a decimal with at least one place, within one unit of
// its last place of the wanted value, which it differs from.
Verdict compareValue(const std::optional<mpq_class>& read, const mpq_class& wanted);

struct AnswerCheck {
    std::array<Verdict, 2> Parts{Verdict::Wrong, Verdict::Wrong};

    bool right() const { return Parts[0] == Verdict::Right && Parts[1] == Verdict::Right; }
};

// The two box texts (a and b, y's lowest and highest value, or χ and y) against the task's answer.
AnswerCheck checkAnswer(const PracticeTask& task, const std::array<std::string, 2>& texts);

// A グラフをかく answer: the two points the pupil put. Each part is right when its point lies on the
// task's line; the second is wrong too when it is the first again, which draws no line.
AnswerCheck checkGraph(const PracticeTask& task, const ExactPoint& first, const ExactPoint& second);

} // namespace zelmora
