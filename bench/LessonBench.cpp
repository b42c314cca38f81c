// SPDX-License-Identifier: MIT
// A lesson of eight lines saved to a file and opened again onto a board, with the file cache warm:
// the JSON text, the atomic save, and reading every slot through the number rules.

#include "board/Board.h"
#include "lesson/LessonFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <variant>

namespace {

zelmora::Lesson eightLines()
{
    zelmora::Board board;
    const zelmora::EntryTexts texts[]
        = {{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"}, {"-1", "0", "-10", "10"},
            {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"}, {"5/2", "-1/3", "-4", "4"}};
    for (const auto& line : texts)
        board.draw(line);
    return board.lesson();
}

void saveLesson(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.zelmora"));
    const zelmora::Lesson lesson = eightLines();
    for (auto _ : state) {
        if (zelmora::saveLessonFile(path, lesson))
            state.SkipWithError("the lesson was not saved");
    }
}

void openLesson(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.zelmora"));
    zelmora::saveLessonFile(path, eightLines());
    for (auto _ : state) {
        const auto loaded = zelmora::loadLessonFile(path);
        zelmora::Board board;
        const auto opened = board.open(std::get<zelmora::Lesson>(loaded));
        benchmark::DoNotOptimize(opened);
    }
}

BENCHMARK(saveLesson)->Name("Lesson/save/eightLines")->Unit(benchmark::kMicrosecond);
BENCHMARK(openLesson)->Name("Lesson/open/eightLines")->Unit(benchmark::kMicrosecond);

} // namespace
