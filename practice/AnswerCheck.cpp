// SPDX-License-Identifier: MIT
#include "practice/AnswerCheck.h"

#include "entry/FullWidth.h"
#include "entry/TextRules.h"
#include "facts/ExactNumber.h"

#include <cmath>

namespace zelmora {
namespace {

// How many decimal places a value has, when it is a decimal at all: its denominator divides a
// power of ten.
std::optional<unsigned long> decimalPlaces(const mpq_class& value)
{
    mpz_class rest = value.get_den();
    const unsigned long twos = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(2).get_mpz_t());
    const unsigned long fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t());
    if (rest != 1)
        return std::nullopt;
    return std::max(twos, fives);
}

} // namespace

std::optional<mpq_class> boxValue(std::string_view text)
{
    const Coefficient read = ParseCoefficient(foldFullWidth(text));
    if (!std::isfinite(read.Numerator) || !std::isfinite(read.Denominator) || read.Denominator == 0.0f)
        return std::nullopt;
    // The box's value is what single precision holds, which the box shows to seven digits; the
    // shown text is the value the pupil meant (0.1, not the float nearest to it).
    return exactCoefficient(FormatCoefficient(read.Numerator, read.Denominator));
}

Verdict compareValue(const std::optional<mpq_class>& read, const mpq_class& wanted)
{
    if (!read)
        return Verdict::Unreadable;
    if (*read == wanted)
        return Verdict::Right;
    const auto places = decimalPlaces(*read);
    if (!places || *places == 0)
        return Verdict::Wrong;
    mpz_class unit;
    mpz_ui_pow_ui(unit.get_mpz_t(), 10, *places);
    return abs(*read - wanted) < mpq_class(1, unit) ? Verdict::Near : Verdict::Wrong;
}

AnswerCheck checkAnswer(const PracticeTask& task, const std::array<std::string, 2>& texts)
{
    const TaskAnswer answer = answerOf(task);
    AnswerCheck check;
    for (std::size_t k = 0; k < 2; ++k)
        check.Parts[k] = compareValue(boxValue(texts[k]), answer[k]);
    return check;
}

AnswerCheck checkGraph(const PracticeTask& task, const ExactPoint& first, const ExactPoint& second)
{
    const ExactLine line = taskLines(task).front();
    const auto onLine
        = [&line](const ExactPoint& point) { return yAt(line, point.X) == point.Y ? Verdict::Right : Verdict::Wrong; };
    AnswerCheck check;
    check.Parts[0] = onLine(first);
    check.Parts[1] = first == second ? Verdict::Wrong : onLine(second);
    return check;
}

} // namespace zelmora
