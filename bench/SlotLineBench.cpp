// SPDX-License-Identifier: MIT
// One slot's segment drawn over the plane on the image surface: an ordinary short segment;
// y = x over -1E30 <= x <= 1E30, whose ends single precision cannot place on the surface and
// which is clipped in double precision first; and the same visible diagonal given directly.
// Then the whole picture drawn again with the eight slots the user can fill holding lines, and
// rows 8 and 9 empty; and in a batch with every mark the show options add, beside the plain one.

#include "BenchSupport.h"

#include "board/ShowOptions.h"
#include "entry/LineEntry.h"
#include "picture/Picture.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "slots/DrawSlotLine.h"
#include "slots/SlotTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

namespace {

using zelmora::Coefficient;
using zelmora::LineValues;
using zelmora::PlaneGeometry;
using zelmora::SlotTable;

constexpr PlaneGeometry middlePlane{300, 300, 22};

constexpr LineValues ordinarySegment{Coefficient{-2.0f, 3.0f}, Coefficient{1.0f, 1.0f}, -3.0f, 3.0f};
constexpr LineValues farAwaySegment{Coefficient{1.0f, 1.0f}, Coefficient{0.0f, 1.0f}, -1e30f, 1e30f};
// The part of the far-away segment the surface shows, given as an ordinary one: the difference
// between the two is the cost of clipping, the rest is painting.
constexpr LineValues wholeDiagonal{Coefficient{1.0f, 1.0f}, Coefficient{0.0f, 1.0f}, -14.0f, 14.0f};

// Lines of every kind the plane shows: rising, falling, steep, flat, fractional coefficients,
// some reaching past the edges.
constexpr std::array<LineValues, SlotTable::UserSlots> eightLines{{
    {Coefficient{-2.0f, 3.0f}, Coefficient{1.0f, 1.0f}, -3.0f, 3.0f},
    {Coefficient{2.0f, 1.0f}, Coefficient{-3.0f, 1.0f}, -5.0f, 5.0f},
    {Coefficient{1.0f, 2.0f}, Coefficient{2.0f, 1.0f}, -8.0f, 8.0f},
    {Coefficient{-1.0f, 1.0f}, Coefficient{0.0f, 1.0f}, -10.0f, 10.0f},
    {Coefficient{3.0f, 1.0f}, Coefficient{0.0f, 1.0f}, -2.0f, 2.0f},
    {Coefficient{0.0f, 1.0f}, Coefficient{4.0f, 1.0f}, -6.0f, 6.0f},
    {Coefficient{-1.0f, 4.0f}, Coefficient{-5.0f, 1.0f}, -12.0f, 12.0f},
    {Coefficient{5.0f, 2.0f}, Coefficient{-1.0f, 3.0f}, -4.0f, 4.0f},
}};

void drawOneSlot(benchmark::State& state, LineValues line)
{
    zelmora::bench::PlaneCanvas canvas;
    zelmora::DrawPlane(canvas.Surface, middlePlane);
    SlotTable table;
    zelmora::storeLine(table, 0, line);
    for (auto _ : state) {
        zelmora::DrawSlotLine(canvas.Surface, table, middlePlane, 0, zelmora::PaletteBlue);
        benchmark::DoNotOptimize(canvas.Image.constBits());
        benchmark::ClobberMemory();
    }
}

// The whole picture with a painter opened for every call, and in one batch as the window draws it.
// With every mark on, the picture adds the slot numbers, the equations, the intersections that lie
// on the surface with their coordinates, the end points and the first line's slope triangle.
void redrawEightLines(benchmark::State& state, bool batched, zelmora::ShowOptions show)
{
    zelmora::bench::PlaneCanvas canvas;
    const PlaneGeometry geometry{300, 300, static_cast<std::int16_t>(state.range(0))};
    SlotTable table;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot)
        zelmora::storeLine(table, slot, eightLines[static_cast<std::size_t>(slot)]);
    for (auto _ : state) {
        if (batched) {
            const zelmora::PainterSurface::Batch batch(canvas.Surface);
            zelmora::drawPicture(canvas.Surface, table, geometry, show, 0);
        } else {
            zelmora::drawPicture(canvas.Surface, table, geometry, show, 0);
        }
        benchmark::DoNotOptimize(canvas.Image.constBits());
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(drawOneSlot, ordinary, ordinarySegment)->Name("DrawSlotLine/ordinary")->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(drawOneSlot, farAway, farAwaySegment)->Name("DrawSlotLine/farAway")->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(drawOneSlot, wholeDiagonal, wholeDiagonal)
    ->Name("DrawSlotLine/wholeDiagonal")
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(redrawEightLines, painterPerCall, false, zelmora::ShowOptions{})
    ->Name("RedrawPicture/eightLines")
    ->ArgName("unitPixels")
    ->Arg(40)
    ->Arg(22)
    ->Arg(14)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(redrawEightLines, batch, true, zelmora::ShowOptions{})
    ->Name("RedrawPicture/eightLines/batch")
    ->ArgName("unitPixels")
    ->Arg(40)
    ->Arg(22)
    ->Arg(14)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(redrawEightLines, everyMark, true, zelmora::ShowOptions{true, true, true, true, true})
    ->Name("RedrawPicture/eightLines/batch/everyMark")
    ->ArgName("unitPixels")
    ->Arg(40)
    ->Arg(22)
    ->Arg(14)
    ->Unit(benchmark::kMicrosecond);

} // namespace
