// SPDX-License-Identifier: MIT
// One step of a slider of 動かして調べる with every mark on and the table of values open: the line
// moved on the board, the whole picture drawn anew, and the table made and laid out at the pace at
// which the open table follows a moving line (ValueTable/update measures one rebuild alone).
// Beside it, the whole picture drawn anew alone, as any command with a mark on does.

#include "BenchSupport.h"
#include "app/companions/ValueTableWindow.h"
#include "board/Board.h"
#include "board/ParameterScale.h"
#include "picture/Picture.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <string>

namespace {

zelmora::Board markedBoard()
{
    zelmora::Board board = zelmora::bench::eightLineBoard();
    zelmora::ShowOptions all;
    all.Numbers = all.Equations = all.Intersections = all.Endpoints = all.Slope = true;
    board.setShowOptions(all);
    board.selectSlot(0);
    return board;
}

void sliderStep(benchmark::State& state)
{
    zelmora::Board board = markedBoard();
    zelmora::bench::PlaneCanvas canvas;
    QTextDocument document;
    zelmora::FollowPace pace;
    const zelmora::ParameterScale thirds = zelmora::parameterScale(zelmora::ParameterStep::Third, 5);
    int position = -2;
    int direction = 1;
    for (auto _ : state) {
        if (position + direction > 6 || position + direction < -6)
            direction = -direction;
        position += direction;
        board.moveLine(0, zelmora::parameterText(thirds, position), std::nullopt, true);
        {
            const zelmora::PainterSurface::Batch batch(canvas.Surface);
            zelmora::drawPicture(canvas.Surface, board);
        }
        if (pace.showNow()) {
            pace.shown();
            document.setHtml(zelmora::valueTableText(board).Html);
            benchmark::DoNotOptimize(document.size());
        }
    }
}

void wholeRedraw(benchmark::State& state)
{
    const zelmora::Board board = markedBoard();
    zelmora::bench::PlaneCanvas canvas;
    for (auto _ : state) {
        const zelmora::PainterSurface::Batch batch(canvas.Surface);
        zelmora::drawPicture(canvas.Surface, board);
        benchmark::DoNotOptimize(canvas.Image.constBits());
    }
}

BENCHMARK(sliderStep)->Name("Explore/sliderStep/eightLinesAllMarks")->Unit(benchmark::kMillisecond);
BENCHMARK(wholeRedraw)->Name("Explore/wholeRedraw/eightLinesAllMarks")->Unit(benchmark::kMillisecond);

} // namespace
