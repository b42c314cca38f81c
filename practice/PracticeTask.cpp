// SPDX-License-Identifier: MIT
#include "practice/PracticeTask.h"

#include "entry/FullWidth.h"
#include "facts/LineFacts.h"

#include <algorithm>

namespace zelmora {
namespace {

// A task's texts are read as the boxes read them, full-width and kana-mode forms included, but
// exactly: a text the number rules would read only in part has no value.
std::optional<ExactLine> exactTaskLine(const EntryTexts& texts)
{
    EntryTexts folded;
    for (std::size_t k = 0; k < EntryBoxCount; ++k)
        folded[k] = foldFullWidth(texts[k]);
    return readExactLine(folded);
}

} // namespace

std::optional<TaskKind> taskKindNamed(std::string_view key)
{
    const auto row = std::ranges::find(TaskKinds, key, &TaskKindRow::Key);
    if (row == TaskKinds.end())
        return std::nullopt;
    return row->Kind;
}

std::string_view keyOf(TaskKind kind)
{
    return std::ranges::find(TaskKinds, kind, &TaskKindRow::Kind)->Key;
}

PlaneWindow practiceWindow()
{
    return {-PracticeReach, PracticeReach, -PracticeReach, PracticeReach};
}

std::optional<TaskFault> taskFault(const PracticeTask& task)
{
    const auto row = std::ranges::find(TaskKinds, task.Kind, &TaskKindRow::Kind);
    if (static_cast<int>(task.Lines.size()) != row->Lines)
        return TaskFault{TaskFaultCode::LineCount, 0};
    for (std::size_t k = 0; k < task.Lines.size(); ++k) {
        if (!exactTaskLine(task.Lines[k]))
            return TaskFault{TaskFaultCode::NoValue, static_cast<int>(k)};
    }
    if (task.Kind == TaskKind::Crossing) {
        const auto lines = taskLines(task);
        if (intersection(lines[0], lines[1]).Kind != IntersectionKind::Point)
            return TaskFault{TaskFaultCode::NoCrossing, 1};
    }
    return std::nullopt;
}

std::vector<ExactLine> taskLines(const PracticeTask& task)
{
    std::vector<ExactLine> lines;
    for (const EntryTexts& texts : task.Lines)
        lines.push_back(exactTaskLine(texts).value());
    return lines;
}

TaskAnswer answerOf(const PracticeTask& task)
{
    const auto lines = taskLines(task);
    switch (task.Kind) {
    case TaskKind::Equation:
    case TaskKind::Graph:
        return {lines[0].A, lines[0].B};
    case TaskKind::Range: {
        const ExactInterval range = yRange(lines[0]);
        return {range.Low, range.High};
    }
    case TaskKind::Crossing: {
        const ExactPoint at = *intersection(lines[0], lines[1]).Point;
        return {at.X, at.Y};
    }
    }
    return {};
}

std::vector<Hint> hintsFor(const PracticeTask& task)
{
    std::vector<Hint> hints;
    const auto lines = taskLines(task);
    const ExactLine& line = lines[0];
    switch (task.Kind) {
    case TaskKind::Equation:
    case TaskKind::Graph: {
        // The triangle's corners on the line are the two lattice points it is read between; a
        // line the program sets always has one within its domain.
        ExactLine domain = line;
        domain.From = std::max(line.low(), mpq_class(-PracticeReach));
        domain.To = std::min(line.high(), mpq_class(PracticeReach));
        if (const auto step = slopeStep(domain, practiceWindow())) {
            const mpq_class endX = step->Start.X + step->Run;
            hints.emplace_back(LatticeHint{step->Start, {endX, yAt(line, endX)}});
            hints.emplace_back(SlopeHint{*step});
        }
        hints.emplace_back(InterceptHint{{0, line.B}});
        break;
    }
    case TaskKind::Range:
        hints.emplace_back(EndsHint{{line.low(), yAt(line, line.low())}, {line.high(), yAt(line, line.high())}});
        break;
    case TaskKind::Crossing:
        hints.emplace_back(CrossingHint{*intersection(lines[0], lines[1]).Point});
        break;
    }
    hints.emplace_back(AnswerHint{answerOf(task)});
    return hints;
}

} // namespace zelmora
