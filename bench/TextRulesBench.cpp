// SPDX-License-Identifier: MIT
// The text rules on entry texts far longer than anyone types, from 64 KiB to 1 MiB, so that the
// fitted complexity shows whether reading and folding stay linear in the length of the text.

#include "entry/FullWidth.h"
#include "entry/TextRules.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::int64_t smallestText = std::int64_t{64} << 10;
constexpr std::int64_t largestText = std::int64_t{1} << 20;

// The unit over and over, as many whole times as fit in the given number of bytes.
std::string repeated(std::string_view unit, std::int64_t bytes)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes));
    while (text.size() + unit.size() <= static_cast<std::size_t>(bytes))
        text += unit;
    return text;
}

std::string digits(std::int64_t bytes)
{
    return repeated("1234567890", bytes);
}

// Digits with a blank after each one: the reader skips blanks wherever they stand.
std::string spacedDigits(std::int64_t bytes)
{
    return repeated("1 2 3 4 5 6 7 8 9 0 ", bytes);
}

// Full-width digits, three bytes each in UTF-8, as a Japanese input method types them.
std::string fullWidthDigits(std::int64_t bytes)
{
    return repeated("１２３４５６７８９０", bytes);
}

template <typename Rule> void runOnText(benchmark::State& state, const std::string& text, Rule rule)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(rule(text));
    const auto length = static_cast<std::int64_t>(text.size());
    state.SetComplexityN(length);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * length);
}

void readNumberOfDigits(benchmark::State& state)
{
    runOnText(state, digits(state.range(0)), [](std::string_view text) { return zelmora::ReadNumber(text); });
}

void readNumberOfSpacedDigits(benchmark::State& state)
{
    runOnText(state, spacedDigits(state.range(0)), [](std::string_view text) { return zelmora::ReadNumber(text); });
}

void parseCoefficientOfDigits(benchmark::State& state)
{
    runOnText(state, digits(state.range(0)), [](std::string_view text) { return zelmora::ParseCoefficient(text); });
}

void foldFullWidthDigits(benchmark::State& state)
{
    runOnText(
        state, fullWidthDigits(state.range(0)), [](std::string_view text) { return zelmora::foldFullWidth(text); });
}

void textSizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("bytes")
        ->RangeMultiplier(2)
        ->Range(smallestText, largestText)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(readNumberOfDigits)->Name("ReadNumber/digits")->Apply(textSizes);
BENCHMARK(readNumberOfSpacedDigits)->Name("ReadNumber/spacedDigits")->Apply(textSizes);
BENCHMARK(parseCoefficientOfDigits)->Name("ParseCoefficient/digits")->Apply(textSizes);
BENCHMARK(foldFullWidthDigits)->Name("foldFullWidth/fullWidthDigits")->Apply(textSizes);

} // namespace
