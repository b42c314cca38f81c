// SPDX-License-Identifier: MIT
// A lesson of eight lines saved to a file and opened again onto a board, with the file cache warm:
// the JSON text, the atomic save, and reading every slot through the number rules.

#include "BenchSupport.h"
#include "board/Board.h"
#include "lesson/LessonFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <variant>

namespace {

zelmora::Lesson eightLines()
{
    return zelmora::bench::eightLineBoard().lesson();
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
