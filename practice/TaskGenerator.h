// SPDX-License-Identifier: MIT
#pragma once

#include "practice/PracticeTask.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zelmora {

// Sets of practice tasks made from a seed. The sequence of numbers is this program's own
// (SplitMix64, written out below), so a seed gives the same tasks on every machine and with every
// library version: a teacher can name one set for the whole class.

// SplitMix64 (Steele, Lea and Flood): each call advances the state by a fixed odd constant and
// mixes it.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed)
        : State(seed)
    {
    }
    std::uint64_t next();
    // A whole number low ≤ n ≤ high, every one equally likely (rejection, not a biased modulo).
    std::int64_t between(std::int64_t low, std::int64_t high);

private:
    std::uint64_t State;
};

// How hard the numbers are: 整数, a and b whole; 分数, a = p/q with q from 2 to 5; まぜる, either, task
// by task.
enum class TaskLevel { Integer, Fraction, Mixed };
struct TaskLevelRow {
    TaskLevel Level;
    std::string_view Key;
};
inline constexpr std::array<TaskLevelRow, 3> TaskLevels{{
    {TaskLevel::Integer, "integer"},
    {TaskLevel::Fraction, "fraction"},
    {TaskLevel::Mixed, "mixed"},
}};
std::optional<TaskLevel> taskLevelNamed(std::string_view key);

// The largest denominator a fraction of the 分数 level has, in a slope and in a crossing.
inline constexpr int MaxTaskDenominator = 5;
// How many tasks a set may hold, and the counts the window offers.
inline constexpr int MaxTaskCount = 100;
inline constexpr std::array<int, 3> TaskCounts{5, 10, 20};
// Seeds a set may be made from, which a lesson file keeps exactly as a JSON number: 0 to 2^53. The
// window draws its own from 1 to 9999, short enough to say to a class.
inline constexpr std::uint64_t MaxSeed = std::uint64_t{1} << 53U;
inline constexpr std::uint64_t MaxDrawnSeed = 9999;

struct PracticeSettings {
    std::optional<TaskKind> Kind; // none: each task of any kind
    TaskLevel Level = TaskLevel::Integer;
    int Count = 10;
    std::uint64_t Seed = 1;
};

// count tasks, the same for the same settings. A 式を求める or グラフをかく line passes through at
// least two lattice points of practiceWindow() within its domain; a 交点 lies in it, with whole
// coordinates at the 整数 level and at least one a fraction at the 分数 level.
std::vector<PracticeTask> makeTasks(const PracticeSettings& settings);

} // namespace zelmora
