// SPDX-License-Identifier: MIT
#pragma once

#include "entry/LineEntry.h"
#include "facts/ExactLine.h"
#include "facts/SlopeStep.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace zelmora {

// A task of practice, set by the program or a teacher's lesson, in plane units: its lines as the
// texts the entry boxes would hold for them, what the pupil is asked for, the exact answer, and
// the hints that lead to it.

enum class TaskKind {
    Equation, // 式を求める: a line drawn without its equation; the pupil gives a and b
    Graph,    // グラフをかく: an equation; the pupil puts two points on its line
    Range,    // 変域: a line and χ's domain; the pupil gives y's lowest and highest value
    Crossing, // 交点: two lines; the pupil gives χ and y of where they cross
};

// Each kind as a lesson file and the command line name it, and how many lines it has. A new kind
// is a new row here.
struct TaskKindRow {
    TaskKind Kind;
    std::string_view Key;
    int Lines;
};
inline constexpr std::array<TaskKindRow, 4> TaskKinds{{
    {TaskKind::Equation, "equation", 1},
    {TaskKind::Graph, "graph", 1},
    {TaskKind::Range, "range", 1},
    {TaskKind::Crossing, "crossing", 2},
}};

// The kind a key names, if any.
std::optional<TaskKind> taskKindNamed(std::string_view key);
std::string_view keyOf(TaskKind kind);

// The part of the plane every task the program sets lies in, lines, domains and answers alike:
// −6 ≦ χ ≦ 6, −6 ≦ y ≦ 6, which the smallest plane shows whole.
inline constexpr int PracticeReach = 6;
PlaneWindow practiceWindow();

struct PracticeTask {
    TaskKind Kind = TaskKind::Equation;
    // a, b, from and to of each line, as typed into the boxes: one line, two for a crossing.
    std::vector<EntryTexts> Lines;

    friend bool operator==(const PracticeTask&, const PracticeTask&) = default;
};

// The tasks a lesson sets, in order, and the seed they were made from, which names the set
// (「問題番号 4721」); none for a teacher's own tasks.
struct PracticeSet {
    std::vector<PracticeTask> Tasks;
    std::optional<std::uint64_t> Seed;

    bool empty() const { return Tasks.empty(); }
    friend bool operator==(const PracticeSet&, const PracticeSet&) = default;
};

// Why a task cannot be set: it has the wrong number of lines for its kind, a text of line Line
// (from 0) has no exact value (or a zero denominator), or the two lines of a crossing do not cross
// at one point of both segments.
enum class TaskFaultCode { LineCount, NoValue, NoCrossing };
struct TaskFault {
    TaskFaultCode Code = TaskFaultCode::LineCount;
    int Line = 0;

    friend bool operator==(const TaskFault&, const TaskFault&) = default;
};
std::optional<TaskFault> taskFault(const PracticeTask& task);

// The exact lines of a task without a fault.
std::vector<ExactLine> taskLines(const PracticeTask& task);

// The two values asked for: a and b (equation, graph), y's lowest and highest value (range), χ and
// y of the crossing. For a task without a fault.
using TaskAnswer = std::array<mpq_class, 2>;
TaskAnswer answerOf(const PracticeTask& task);

// The hints, in the order they are given: two lattice points of the line, the slope triangle
// between them, the point where the line meets the y axis (equation, graph); the segment's two
// ends with their values (range); the crossing (crossing). The last hint of every task is its
// answer.
struct LatticeHint {
    ExactPoint First;
    ExactPoint Second;
};
struct SlopeHint {
    SlopeStep Step;
};
struct InterceptHint {
    ExactPoint At;
};
struct EndsHint {
    ExactPoint Low;
    ExactPoint High;
};
struct CrossingHint {
    ExactPoint At;
};
struct AnswerHint {
    TaskAnswer Answer;
};
using Hint = std::variant<LatticeHint, SlopeHint, InterceptHint, EndsHint, CrossingHint, AnswerHint>;
std::vector<Hint> hintsFor(const PracticeTask& task);

} // namespace zelmora
