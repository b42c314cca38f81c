// SPDX-License-Identifier: MIT
#include "facts/SlopeStep.h"

#include <algorithm>
#include <utility>

namespace zelmora {

std::optional<ExactInterval> visibleDomain(const ExactLine& line, const PlaneWindow& window)
{
    if (line.Vertical) {
        if (line.At < window.XMin || line.At > window.XMax)
            return std::nullopt;
        mpq_class low = std::max(line.low(), window.YMin);
        mpq_class high = std::min(line.high(), window.YMax);
        if (low > high)
            return std::nullopt;
        return ExactInterval{std::move(low), std::move(high)};
    }
    mpq_class low = std::max(line.low(), window.XMin);
    mpq_class high = std::min(line.high(), window.XMax);
    if (sgn(line.A) == 0) {
        if (line.B < window.YMin || line.B > window.YMax)
            return std::nullopt;
    } else {
        mpq_class atYMin = (window.YMin - line.B) / line.A;
        mpq_class atYMax = (window.YMax - line.B) / line.A;
        if (sgn(line.A) < 0)
            std::swap(atYMin, atYMax);
        low = std::max(low, atYMin);
        high = std::min(high, atYMax);
    }
    if (low > high)
        return std::nullopt;
    return ExactInterval{low, high};
}

std::optional<SlopeStep> slopeStep(const ExactLine& line, const PlaneWindow& window)
{
    if (line.Vertical)
        return std::nullopt;
    mpq_class a = line.A;
    a.canonicalize();
    if (sgn(a) == 0 || a.get_den() > MaxSlopeRun)
        return std::nullopt;
    const auto visible = visibleDomain(line, window);
    if (!visible)
        return std::nullopt;
    const mpz_class& run = a.get_den();
    const auto fits = [&](const mpq_class& x) { return visible->Low <= x && x + run <= visible->High; };

    mpq_class b = line.B;
    b.canonicalize();
    if (b.get_den() == 1 && fits(0))
        return SlopeStep{{0, b}, a.get_num(), run};

    // The lattice points of the line repeat every run in χ, so the first run of integers holds the
    // first of them or shows there are none.
    std::optional<mpz_class> offset;
    for (mpz_class x = 0; x < run && !offset; ++x) {
        if (yAt(line, x).get_den() == 1)
            offset = x;
    }
    if (!offset)
        return std::nullopt;

    // Starts are χ0 = offset + k run; the one centred best is the k nearest ideal, within the fitting ks.
    const mpz_class kMin = ceilOf((visible->Low - *offset) / run);
    const mpz_class kMax = floorOf((visible->High - run - *offset) / run);
    if (kMin > kMax)
        return std::nullopt;
    const mpq_class middle = (visible->Low + visible->High) / 2;
    const mpq_class ideal = (middle - mpq_class(run) / 2 - *offset) / run;
    mpz_class k = std::clamp(floorOf(ideal), kMin, kMax);
    const mpz_class above = std::clamp(mpz_class(k + 1), kMin, kMax);
    if (abs(above - ideal) < abs(k - ideal))
        k = above;
    const mpq_class start = *offset + k * run;
    return SlopeStep{{start, yAt(line, start)}, a.get_num(), run};
}

} // namespace zelmora
