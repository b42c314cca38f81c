// SPDX-License-Identifier: MIT
// The table of values of a line that meets seven others, as its window shows it after a command:
// the exact facts, the text, and the rich text laid out in a document.

#include "app/ValueTableWindow.h"
#include "board/Board.h"

#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

void updateValueTable(benchmark::State& state)
{
    zelmora::Board board;
    const zelmora::EntryTexts texts[]
        = {{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"}, {"-1", "0", "-10", "10"},
            {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"}, {"5/2", "-1/3", "-4", "4"}};
    for (const auto& line : texts)
        board.draw(line);
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
