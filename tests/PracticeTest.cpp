// SPDX-License-Identifier: MIT
#include "facts/LineFacts.h"
#include "practice/AnswerCheck.h"
#include "practice/TaskGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zelmora;

namespace {

constexpr std::uint64_t seedsTried = 300;

bool inWindow(const ExactPoint& point)
{
    const PlaneWindow window = practiceWindow();
    return window.XMin <= point.X && point.X <= window.XMax && window.YMin <= point.Y && point.Y <= window.YMax;
}

int latticePointsOn(const ExactLine& line)
{
    int count = 0;
    for (mpz_class x = ceilOf(line.low()); x <= floorOf(line.high()); ++x) {
        const ExactPoint point{x, yAt(line, x)};
        if (point.Y.get_den() == 1 && inWindow(point))
            ++count;
    }
    return count;
}

std::string describe(const PracticeTask& task)
{
    std::string text(keyOf(task.Kind));
    for (const EntryTexts& line : task.Lines)
        text += " [" + line[0] + " | " + line[1] + " | " + line[2] + " | " + line[3] + "]";
    return text;
}

// Every kind at every level over many seeds: what a pupil is shown can be read off the plane.
TEST(TaskGenerator, TasksOfEveryKindFitThePlane)
{
    for (const TaskKindRow& kind : TaskKinds) {
        for (const TaskLevelRow& level : TaskLevels) {
            for (std::uint64_t seed = 1; seed <= seedsTried; ++seed) {
                const auto tasks = makeTasks({kind.Kind, level.Level, 5, seed});
                ASSERT_EQ(tasks.size(), 5U);
                for (const PracticeTask& task : tasks) {
                    SCOPED_TRACE(describe(task) + " seed " + std::to_string(seed) + " " + std::string(level.Key));
                    ASSERT_EQ(task.Kind, kind.Kind);
                    ASSERT_FALSE(taskFault(task));
                    for (const ExactLine& line : taskLines(task)) {
                        EXPECT_TRUE(inWindow({line.low(), yAt(line, line.low())}));
                        EXPECT_TRUE(inWindow({line.high(), yAt(line, line.high())}));
                        EXPECT_LT(line.low(), line.high());
                        if (level.Level == TaskLevel::Integer) {
                            EXPECT_EQ(line.A.get_den(), 1);
                        }
                        if (level.Level != TaskLevel::Integer && kind.Kind != TaskKind::Crossing) {
                            EXPECT_LE(line.A.get_den(), MaxTaskDenominator);
                        }
                        if (level.Level == TaskLevel::Fraction && kind.Kind != TaskKind::Crossing) {
                            EXPECT_NE(line.A.get_den(), 1);
                        }
                    }
                    const TaskAnswer answer = answerOf(task);
                    if (kind.Kind == TaskKind::Equation || kind.Kind == TaskKind::Graph) {
                        EXPECT_GE(latticePointsOn(taskLines(task).front()), 2);
                    }
                    if (kind.Kind == TaskKind::Crossing) {
                        EXPECT_TRUE(inWindow({answer[0], answer[1]}));
                        const mpz_class denominator = lcm(answer[0].get_den(), answer[1].get_den());
                        if (level.Level == TaskLevel::Integer) {
                            EXPECT_EQ(denominator, 1);
                        }
                        if (level.Level == TaskLevel::Fraction) {
                            EXPECT_TRUE(denominator > 1 && denominator <= MaxTaskDenominator);
                        }
                    }
                }
            }
        }
    }
}

TEST(TaskGenerator, ASeedNamesOneSet)
{
    for (std::uint64_t seed = 1; seed <= seedsTried; ++seed) {
        const PracticeSettings settings{std::nullopt, TaskLevel::Mixed, 10, seed};
        EXPECT_EQ(makeTasks(settings), makeTasks(settings));
        PracticeSettings next = settings;
        next.Seed = seed + 1;
        EXPECT_NE(makeTasks(settings), makeTasks(next)) << seed;
    }
    // The sequence is this program's own: these tasks stay what they are on every machine.
    const auto tasks = makeTasks({TaskKind::Equation, TaskLevel::Fraction, 2, 4721});
    EXPECT_EQ(
        describe(tasks[0]) + " " + describe(tasks[1]), "equation [4/3 | -3 | -2 | 6] equation [1/4 | -2 | -6 | 6]");
    SplitMix64 random(0);
    EXPECT_EQ(random.next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(random.next(), 0x6E789E6AA1B965F4ULL);
}

TEST(AnswerCheck, ValuesTheBoxesReadAreComparedExactly)
{
    const PracticeTask equation{TaskKind::Equation, {{"-2/3", "1", "-3", "3"}}};
    const PracticeTask half{TaskKind::Equation, {{"1/2", "-3", "-6", "6"}}};
    const PracticeTask crossing{TaskKind::Crossing, {{"1", "0", "-6", "6"}, {"-2", "1", "-6", "6"}}};
    const PracticeTask range{TaskKind::Range, {{"2", "-1", "-1", "3"}}};
    const struct {
        const char* Name;
        const PracticeTask& Task;
        std::array<std::string, 2> Typed;
        Verdict A;
        Verdict B;
    } rows[] = {
        {"as written", equation, {"-2/3", "1"}, Verdict::Right, Verdict::Right},
        {"full width", equation, {"－２／３", "１"}, Verdict::Right, Verdict::Right},
        {"sign below the bar", equation, {"4/-6", "1.0"}, Verdict::Right, Verdict::Right},
        {"kana mode", equation, {"ー２・３", " 1 "}, Verdict::Right, Verdict::Right},
        {"rounded decimal is near", equation, {"-0.67", "1"}, Verdict::Near, Verdict::Right},
        {"cut decimal is near", equation, {"-.66", "1"}, Verdict::Near, Verdict::Right},
        {"decimal two places out", equation, {"-0.65", "1"}, Verdict::Wrong, Verdict::Right},
        {"a whole number is never near", equation, {"-1", "1"}, Verdict::Wrong, Verdict::Right},
        {"sign wrong", equation, {"2/3", "1"}, Verdict::Wrong, Verdict::Right},
        {"reciprocal", equation, {"-3/2", "1"}, Verdict::Wrong, Verdict::Right},
        {"b wrong", equation, {"-2/3", "-1"}, Verdict::Right, Verdict::Wrong},
        {"zero denominator", equation, {"-2/0", "1"}, Verdict::Unreadable, Verdict::Right},
        {"empty b reads 0", half, {"1/2", ""}, Verdict::Right, Verdict::Wrong},
        {"a half as a decimal", half, {"0.5", "-3"}, Verdict::Right, Verdict::Right},
        {"a half, full width", half, {"０．５", "－３"}, Verdict::Right, Verdict::Right},
        {"an exact decimal is no rounding", half, {"0.6", "-3"}, Verdict::Wrong, Verdict::Right},
        {"crossing in fractions", crossing, {"1/3", "1/3"}, Verdict::Right, Verdict::Right},
        {"crossing rounded", crossing, {"0.33", "0.3"}, Verdict::Near, Verdict::Near},
        {"crossing swapped", crossing, {"1/3", "-1/3"}, Verdict::Right, Verdict::Wrong},
        {"range", range, {"-3", "5"}, Verdict::Right, Verdict::Right},
        {"range the wrong way round", range, {"5", "-3"}, Verdict::Wrong, Verdict::Wrong},
    };
    for (const auto& row : rows) {
        const AnswerCheck check = checkAnswer(row.Task, row.Typed);
        EXPECT_EQ(check.Parts[0], row.A) << row.Name;
        EXPECT_EQ(check.Parts[1], row.B) << row.Name;
        EXPECT_EQ(check.right(), row.A == Verdict::Right && row.B == Verdict::Right) << row.Name;
    }
}

TEST(AnswerCheck, GraphPointsMustLieOnTheLineApart)
{
    const PracticeTask graph{TaskKind::Graph, {{"-2/3", "1", "-6", "6"}}};
    EXPECT_TRUE(checkGraph(graph, {0, 1}, {3, -1}).right());
    EXPECT_EQ(checkGraph(graph, {0, 1}, {3, 1}).Parts, (std::array{Verdict::Right, Verdict::Wrong}));
    EXPECT_EQ(checkGraph(graph, {0, 1}, {0, 1}).Parts, (std::array{Verdict::Right, Verdict::Wrong}));
}

TEST(PracticeTask, FaultsAndHints)
{
    EXPECT_EQ(taskFault({TaskKind::Crossing, {{"1", "0", "-6", "6"}}}), (TaskFault{TaskFaultCode::LineCount, 0}));
    EXPECT_EQ(taskFault({TaskKind::Range, {{"1/0", "0", "-6", "6"}}}), (TaskFault{TaskFaultCode::NoValue, 0}));
    EXPECT_EQ(taskFault({TaskKind::Crossing, {{"1", "0", "-6", "6"}, {"1", "2", "-6", "6"}}}),
        (TaskFault{TaskFaultCode::NoCrossing, 1}));
    EXPECT_EQ(taskFault({TaskKind::Crossing, {{"1", "0", "-6", "-1"}, {"-1", "0", "1", "6"}}}),
        (TaskFault{TaskFaultCode::NoCrossing, 1}));

    const auto hints = hintsFor({TaskKind::Equation, {{"-2/3", "1", "-3", "3"}}});
    ASSERT_EQ(hints.size(), 4U);
    const auto& lattice = std::get<LatticeHint>(hints[0]);
    EXPECT_EQ(lattice.First, (ExactPoint{0, 1}));
    EXPECT_EQ(lattice.Second, (ExactPoint{3, -1}));
    const auto& slope = std::get<SlopeHint>(hints[1]).Step;
    EXPECT_EQ(slope.Run, 3);
    EXPECT_EQ(slope.Rise, -2);
    EXPECT_EQ(std::get<InterceptHint>(hints[2]).At, (ExactPoint{0, 1}));
    EXPECT_EQ(std::get<AnswerHint>(hints[3]).Answer, (TaskAnswer{mpq_class(-2, 3), 1}));
}

} // namespace
