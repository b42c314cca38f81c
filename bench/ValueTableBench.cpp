// SPDX-License-Identifier: MIT
// The table of values of a line that meets seven others, as its window shows it after a command:
// the exact facts, the text, and the rich text laid out in a document.

#include "BenchSupport.h"
#include "app/companions/ValueTableWindow.h"
#include "board/Board.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

void updateValueTable(benchmark::State& state)
{
    zelmora::Board board = zelmora::bench::eightLineBoard();
    board.selectSlot(6);
    QTextDocument document;
    for (auto _ : state) {
        const zelmora::ValueTableText table = zelmora::valueTableText(board);
        document.setHtml(table.Html);
        benchmark::DoNotOptimize(document.size());
    }
}

BENCHMARK(updateValueTable)->Name("ValueTable/update/eightLines")->Unit(benchmark::kMicrosecond);

} // namespace
