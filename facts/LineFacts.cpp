// SPDX-License-Identifier: MIT
#include "facts/LineFacts.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zelmora {
namespace {

bool inDomain(const ExactLine& line, const mpq_class& x)
{
    return line.low() <= x && x <= line.high();
}

std::string intervalText(const ExactInterval& interval, std::string_view variable)
{
    std::string text = fractionText(interval.Low, Minus::Typographic);
    text += interval.LowOpen ? " < " : " ≦ ";
    text += variable;
    text += interval.HighOpen ? " < " : " ≦ ";
    return text + fractionText(interval.High, Minus::Typographic);
}

// The lattice points of the line y = aχ + b, a = p/q in lowest terms, are the integers χ with
// pχ + qb ≡ 0 (mod q): none unless qb is an integer c, then χ ≡ −c·p⁻¹ (mod q). The residue.
std::optional<mpz_class> latticeResidue(const ExactLine& line)
{
    mpq_class a = line.A;
    a.canonicalize();
    const mpz_class& q = a.get_den();
    mpq_class c = line.B * q;
    c.canonicalize();
    if (c.get_den() != 1)
        return std::nullopt;
    if (q == 1)
        return mpz_class(0);
    mpz_class inverse;
    const mpz_class p = a.get_num() % q;
    mpz_invert(inverse.get_mpz_t(), p.get_mpz_t(), q.get_mpz_t());
    mpz_class residue = -c.get_num() * inverse % q;
    if (residue < 0)
        residue += q;
    return residue;
}

std::vector<mpq_class> tableColumns(const ExactLine& line, const mpq_class& step)
{
    std::vector<mpq_class> columns;
    if (sgn(multiplesIn(line, step)) == 0) {
        columns.push_back(line.low());
        if (line.low() != line.high())
            columns.push_back(line.high());
        return columns;
    }
    const mpz_class first = ceilOf(line.low() / step);
    const mpz_class last = floorOf(line.high() / step);
    for (mpz_class k = first; k <= last; ++k)
        columns.emplace_back(k * step);
    return columns;
}

// Two segments of one line share what the overlap of their domains holds; where they meet end to
// end, an open end shares nothing.
Intersection sameLine(const ExactLine& first, const ExactLine& second)
{
    const mpq_class& low = std::max(first.low(), second.low());
    const mpq_class& high = std::min(first.high(), second.high());
    if (low > high)
        return {IntersectionKind::SameLineApart, std::nullopt};
    if (low < high)
        return {IntersectionKind::Overlapping, std::nullopt};
    if (!onSegment(first, low) || !onSegment(second, low))
        return {IntersectionKind::SameLineApart, std::nullopt};
    return {IntersectionKind::Point, pointAt(first, low)};
}

} // namespace

bool onSegment(const ExactLine& line, const mpq_class& t)
{
    const bool fromLow = line.lowOpen() ? line.low() < t : line.low() <= t;
    const bool toHigh = line.highOpen() ? t < line.high() : t <= line.high();
    return fromLow && toHigh;
}

Intersection intersection(const ExactLine& first, const ExactLine& second)
{
    if (first.Vertical && second.Vertical)
        return first.At == second.At ? sameLine(first, second) : Intersection{IntersectionKind::Parallel, std::nullopt};
    if (first.Vertical || second.Vertical) {
        const ExactLine& vertical = first.Vertical ? first : second;
        const ExactLine& other = first.Vertical ? second : first;
        ExactPoint point{vertical.At, yAt(other, vertical.At)};
        const bool inBoth = onSegment(other, point.X) && onSegment(vertical, point.Y);
        return {inBoth ? IntersectionKind::Point : IntersectionKind::OutsideDomain, std::move(point)};
    }
    if (first.A == second.A && first.B != second.B)
        return {IntersectionKind::Parallel, std::nullopt};
    if (first.A == second.A)
        return sameLine(first, second);
    const mpq_class x = (second.B - first.B) / (first.A - second.A);
    const bool inBoth = onSegment(first, x) && onSegment(second, x);
    return {inBoth ? IntersectionKind::Point : IntersectionKind::OutsideDomain, ExactPoint{x, yAt(first, x)}};
}

ExactInterval yRange(const ExactLine& line)
{
    if (line.Vertical)
        return {line.low(), line.high(), line.lowOpen(), line.highOpen()};
    ExactInterval range{yAt(line, line.low()), yAt(line, line.high()), line.lowOpen(), line.highOpen()};
    if (sgn(line.A) < 0) {
        std::swap(range.Low, range.High);
        std::swap(range.LowOpen, range.HighOpen);
    }
    if (sgn(line.A) == 0 && line.low() != line.high())
        range.LowOpen = range.HighOpen = false;
    return range;
}

std::string domainText(const ExactLine& line)
{
    return intervalText({line.low(), line.high(), line.lowOpen(), line.highOpen()}, line.Vertical ? "y" : "χ");
}

std::string rangeText(const ExactLine& line)
{
    if (line.Vertical)
        return "χ = " + fractionText(line.At, Minus::Typographic);
    return intervalText(yRange(line), "y");
}

mpz_class multiplesIn(const ExactLine& line, const mpq_class& step)
{
    const mpz_class count = floorOf(line.high() / step) - ceilOf(line.low() / step) + 1;
    return count > 0 ? count : mpz_class(0);
}

mpq_class tableStep(const ExactLine& line)
{
    mpq_class step(1);
    if (line.high() - line.low() <= 12)
        return step;
    // 2, 5, 10, 20, 50, 100, …: each a 1, 2 or 5 times a power of ten.
    constexpr std::array<int, 3> leading{2, 5, 10};
    mpz_class power(1);
    for (;;) {
        for (const int times : leading) {
            step = mpq_class(power * times);
            if (multiplesIn(line, step) <= MaxTableColumns)
                return step;
        }
        power *= 10;
    }
}

std::vector<ExactPoint> tableOfValues(const ExactLine& line, const std::optional<mpq_class>& step)
{
    std::vector<ExactPoint> table;
    // χ does not vary along a vertical line: y is no function of it.
    if (line.Vertical)
        return table;
    const bool given = step && sgn(*step) > 0 && multiplesIn(line, *step) <= MaxGivenColumns;
    for (mpq_class& x : tableColumns(line, given ? *step : tableStep(line))) {
        mpq_class y = yAt(line, x);
        table.push_back({std::move(x), std::move(y)});
    }
    return table;
}

mpq_class traceStop(const ExactLine& line, const mpq_class& x, TraceMove move)
{
    switch (move) {
    case TraceMove::Home:
        return line.low();
    case TraceMove::End:
        return line.high();
    case TraceMove::Right:
        return std::min(mpq_class(x + 1), line.high());
    case TraceMove::Left:
        return std::max(mpq_class(x - 1), line.low());
    case TraceMove::LatticeLeft:
    case TraceMove::LatticeRight:
        break;
    }
    if (line.Vertical)
        return x;
    const auto residue = latticeResidue(line);
    if (!residue)
        return x;
    mpq_class a = line.A;
    a.canonicalize();
    const mpz_class& q = a.get_den();
    // The nearest integer χ ≡ residue (mod q) strictly beyond x on the side moved to.
    mpz_class lattice;
    if (move == TraceMove::LatticeRight) {
        const mpz_class past = floorOf(x) + 1 - *residue;
        mpz_cdiv_q(lattice.get_mpz_t(), past.get_mpz_t(), q.get_mpz_t());
    } else {
        const mpz_class before = ceilOf(x) - 1 - *residue;
        mpz_fdiv_q(lattice.get_mpz_t(), before.get_mpz_t(), q.get_mpz_t());
    }
    const mpq_class stop(mpz_class(*residue + lattice * q));
    return inDomain(line, stop) ? stop : x;
}

} // namespace zelmora
