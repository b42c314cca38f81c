// SPDX-License-Identifier: MIT
#include "board/LineFacts.h"

#include <utility>

namespace zelmora {
namespace {

bool inDomain(const ExactLine& line, const mpq_class& x)
{
    return line.low() <= x && x <= line.high();
}

// The tracing stops per unit of χ: q of a = p/q when it is at most 4, else 1.
mpz_class stopsPerUnit(const ExactLine& line)
{
    mpq_class a = line.A;
    a.canonicalize();
    return a.get_den() <= 4 ? a.get_den() : mpz_class(1);
}

std::vector<mpq_class> tableColumns(const ExactLine& line)
{
    const mpz_class first = ceilOf(line.low());
    const mpz_class last = floorOf(line.high());
    std::vector<mpq_class> columns;
    if (first > last) {
        columns.push_back(line.low());
        if (line.low() != line.high())
            columns.push_back(line.high());
        return columns;
    }
    const mpz_class span = last - first;
    if (span < MaxTableColumns) {
        for (mpz_class x = first; x <= last; ++x)
            columns.emplace_back(x);
        return columns;
    }
    // The spacing exceeds 1 here, so rounding keeps the columns strictly increasing.
    const mpq_class half(1, 2);
    for (int column = 0; column < MaxTableColumns; ++column) {
        const mpq_class offset = mpq_class(span) * column / (MaxTableColumns - 1);
        columns.emplace_back(first + floorOf(offset + half));
    }
    return columns;
}

} // namespace

Intersection intersection(const ExactLine& first, const ExactLine& second)
{
    if (first.A == second.A)
        return {first.B == second.B ? IntersectionKind::Coincident : IntersectionKind::Parallel, std::nullopt};
    const mpq_class x = (second.B - first.B) / (first.A - second.A);
    const bool inBoth = inDomain(first, x) && inDomain(second, x);
    return {inBoth ? IntersectionKind::Point : IntersectionKind::OutsideDomain, ExactPoint{x, yAt(first, x)}};
}

ExactInterval yRange(const ExactLine& line)
{
    mpq_class low = yAt(line, line.low());
    mpq_class high = yAt(line, line.high());
    if (sgn(line.A) < 0)
        std::swap(low, high);
    return {low, high};
}

std::string domainText(const ExactLine& line)
{
    return fractionText(line.low(), Minus::Typographic) + " ≦ χ ≦ " + fractionText(line.high(), Minus::Typographic);
}

std::string rangeText(const ExactLine& line)
{
    const ExactInterval range = yRange(line);
    return fractionText(range.Low, Minus::Typographic) + " ≦ y ≦ " + fractionText(range.High, Minus::Typographic);
}

std::vector<ExactPoint> tableOfValues(const ExactLine& line)
{
    std::vector<ExactPoint> table;
    for (mpq_class& x : tableColumns(line)) {
        mpq_class y = yAt(line, x);
        table.push_back({std::move(x), std::move(y)});
    }
    return table;
}

mpq_class traceStep(const ExactLine& line)
{
    return mpq_class(mpz_class(1), stopsPerUnit(line));
}

mpq_class traceStop(const ExactLine& line, const mpq_class& x, TraceMove move)
{
    const mpz_class stops = stopsPerUnit(line);
    mpq_class stop;
    switch (move) {
    case TraceMove::Home:
        return line.low();
    case TraceMove::End:
        return line.high();
    case TraceMove::Right:
        stop = mpq_class(mpz_class(floorOf(x * stops) + 1), stops);
        stop.canonicalize();
        return stop < line.high() ? stop : line.high();
    case TraceMove::Left:
        stop = mpq_class(mpz_class(ceilOf(x * stops) - 1), stops);
        stop.canonicalize();
        return stop > line.low() ? stop : line.low();
    }
    return x;
}

} // namespace zelmora
