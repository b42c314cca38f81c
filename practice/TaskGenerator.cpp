// SPDX-License-Identifier: MIT
#include "practice/TaskGenerator.h"

#include "facts/ExactNumber.h"

#include <algorithm>
#include <limits>
#include <string>

namespace zelmora {
namespace {

// The tasks' numbers stay small enough to read off a grid: slopes up to 3 (up to 2 as fractions),
// intercepts up to 5.
constexpr int maxWholeSlope = 3;
constexpr int maxFractionSlope = 2;
constexpr int maxIntercept = 5;
constexpr int maxCrossing = 5;

mpq_class rational(std::int64_t numerator, std::int64_t denominator = 1)
{
    mpq_class value(mpz_class(static_cast<long>(numerator)), mpz_class(static_cast<long>(denominator)));
    value.canonicalize();
    return value;
}

mpq_class slope(SplitMix64& random, bool fraction)
{
    if (!fraction) {
        const std::int64_t a = random.between(-maxWholeSlope, maxWholeSlope - 1);
        return rational(a >= 0 ? a + 1 : a);
    }
    for (;;) {
        const std::int64_t q = random.between(2, MaxTaskDenominator);
        const std::int64_t p = random.between(-maxFractionSlope * q, maxFractionSlope * q);
        const mpq_class a = rational(p, q);
        // p/q itself, not a whole number or a fraction with a smaller denominator in disguise.
        if (a.get_den() == q)
            return a;
    }
}

struct WholeRange {
    long Low = 0;
    long High = 0;
};

// The whole χ over which the line stays inside the practice window.
WholeRange insideWindow(const mpq_class& a, const mpq_class& b)
{
    mpq_class low = -PracticeReach;
    mpq_class high = PracticeReach;
    if (sgn(a) != 0) {
        mpq_class atBottom = (-PracticeReach - b) / a;
        mpq_class atTop = (PracticeReach - b) / a;
        if (sgn(a) < 0)
            std::swap(atBottom, atTop);
        low = std::max(low, atBottom);
        high = std::min(high, atTop);
    }
    return {ceilOf(low).get_si(), floorOf(high).get_si()};
}

int latticePoints(const mpq_class& a, const mpq_class& b, WholeRange over)
{
    int count = 0;
    for (long x = over.Low; x <= over.High; ++x) {
        if (mpq_class(a * x + b).get_den() == 1)
            ++count;
    }
    return count;
}

EntryTexts lineTexts(const mpq_class& a, const mpq_class& b, long from, long to)
{
    return {fractionText(a), fractionText(b), std::to_string(from), std::to_string(to)};
}

// A line across the window through two lattice points or more, its domain as far as it stays inside.
PracticeTask lineTask(SplitMix64& random, TaskKind kind, bool fraction)
{
    for (;;) {
        const mpq_class a = slope(random, fraction);
        const mpq_class b = rational(random.between(-maxIntercept, maxIntercept));
        const WholeRange domain = insideWindow(a, b);
        if (domain.Low < domain.High && latticePoints(a, b, domain) >= 2)
            return {kind, {lineTexts(a, b, domain.Low, domain.High)}};
    }
}

// A segment whose ends lie inside the window, at least one unit long.
PracticeTask rangeTask(SplitMix64& random, bool fraction)
{
    for (;;) {
        const mpq_class a = slope(random, fraction);
        const mpq_class b = rational(random.between(-maxIntercept + 1, maxIntercept - 1));
        const WholeRange inside = insideWindow(a, b);
        if (inside.Low >= inside.High)
            continue;
        const std::int64_t from = random.between(inside.Low, inside.High - 1);
        const std::int64_t to = random.between(from + 1, inside.High);
        return {TaskKind::Range, {lineTexts(a, b, static_cast<long>(from), static_cast<long>(to))}};
    }
}

// Two lines across the window meeting inside it: at a lattice point chosen first (整数), or where two
// lines with whole slopes differing by at most 5 cross at a point that is not one (分数).
PracticeTask crossingTask(SplitMix64& random, bool fraction)
{
    for (;;) {
        const std::int64_t a1 = random.between(-maxWholeSlope, maxWholeSlope);
        const std::int64_t a2 = random.between(-maxWholeSlope, maxWholeSlope);
        if (a1 == a2 || (fraction && std::abs(a1 - a2) > MaxTaskDenominator))
            continue;
        mpq_class b1;
        mpq_class b2;
        mpq_class x;
        if (fraction) {
            b1 = rational(random.between(-maxIntercept, maxIntercept));
            b2 = rational(random.between(-maxIntercept, maxIntercept));
            x = (b2 - b1) / rational(a1 - a2);
        } else {
            x = rational(random.between(-maxCrossing, maxCrossing));
            const mpq_class y = rational(random.between(-maxCrossing, maxCrossing));
            b1 = y - a1 * x;
            b2 = y - a2 * x;
        }
        const mpq_class y = a1 * x + b1;
        if (abs(x) > maxCrossing || abs(y) > maxCrossing || abs(b1) > PracticeReach || abs(b2) > PracticeReach)
            continue;
        if (fraction && x.get_den() == 1 && y.get_den() == 1)
            continue;
        const WholeRange first = insideWindow(rational(a1), b1);
        const WholeRange second = insideWindow(rational(a2), b2);
        if (x < first.Low || x > first.High || x < second.Low || x > second.High)
            continue;
        return {TaskKind::Crossing,
            {lineTexts(rational(a1), b1, first.Low, first.High), lineTexts(rational(a2), b2, second.Low, second.High)}};
    }
}

} // namespace

std::uint64_t SplitMix64::next()
{
    State += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = State;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

std::int64_t SplitMix64::between(std::int64_t low, std::int64_t high)
{
    const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    // The largest multiple of span that fits: draws at or above it would favour the small values.
    const std::uint64_t limit
        = std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % span;
    std::uint64_t drawn = next();
    while (drawn >= limit)
        drawn = next();
    return low + static_cast<std::int64_t>(drawn % span);
}

std::optional<TaskLevel> taskLevelNamed(std::string_view key)
{
    const auto row = std::ranges::find(TaskLevels, key, &TaskLevelRow::Key);
    if (row == TaskLevels.end())
        return std::nullopt;
    return row->Level;
}

std::vector<PracticeTask> makeTasks(const PracticeSettings& settings)
{
    SplitMix64 random(settings.Seed);
    std::vector<PracticeTask> tasks;
    for (int k = 0; k < settings.Count; ++k) {
        const TaskKind kind = settings.Kind
            ? *settings.Kind
            : TaskKinds[static_cast<std::size_t>(random.between(0, TaskKinds.size() - 1))].Kind;
        const bool fraction = settings.Level == TaskLevel::Fraction
            || (settings.Level == TaskLevel::Mixed && random.between(0, 1) == 1);
        switch (kind) {
        case TaskKind::Equation:
        case TaskKind::Graph:
            tasks.push_back(lineTask(random, kind, fraction));
            break;
        case TaskKind::Range:
            tasks.push_back(rangeTask(random, fraction));
            break;
        case TaskKind::Crossing:
            tasks.push_back(crossingTask(random, fraction));
            break;
        }
    }
    return tasks;
}

} // namespace zelmora
