// SPDX-License-Identifier: MIT
#include "board/Trace.h"

namespace zelmora {
namespace {

// The first drawn slot from the given one on, going forwards or backwards round the eight.
std::optional<int> drawnSlotFrom(const SlotTable& table, int slot, int step)
{
    for (int k = 0; k < SlotTable::UserSlots; ++k) {
        const int candidate = ((slot + step * k) % SlotTable::UserSlots + SlotTable::UserSlots) % SlotTable::UserSlots;
        if (exactLineOf(table, candidate))
            return candidate;
    }
    return std::nullopt;
}

TracePoint at(const ExactLine& line, int slot, const mpq_class& x)
{
    return {slot, x, yAt(line, x)};
}

} // namespace

std::optional<TracePoint> traceKey(
    const SlotTable& table, int startSlot, const std::optional<TracePoint>& from, TraceKey key)
{
    const auto line = from ? exactLineOf(table, from->Slot) : std::nullopt;
    if (!line) {
        const auto start = drawnSlotFrom(table, startSlot, 1);
        if (!start)
            return std::nullopt;
        const ExactLine first = *exactLineOf(table, *start);
        const bool fromTheRight = key == TraceKey::Left || key == TraceKey::LatticeLeft || key == TraceKey::End;
        return at(first, *start, fromTheRight ? first.high() : first.low());
    }
    switch (key) {
    case TraceKey::Left:
        return at(*line, from->Slot, traceStop(*line, from->X, TraceMove::Left));
    case TraceKey::Right:
        return at(*line, from->Slot, traceStop(*line, from->X, TraceMove::Right));
    case TraceKey::LatticeLeft:
        return at(*line, from->Slot, traceStop(*line, from->X, TraceMove::LatticeLeft));
    case TraceKey::LatticeRight:
        return at(*line, from->Slot, traceStop(*line, from->X, TraceMove::LatticeRight));
    case TraceKey::Home:
        return at(*line, from->Slot, line->low());
    case TraceKey::End:
        return at(*line, from->Slot, line->high());
    case TraceKey::NextLine:
    case TraceKey::PreviousLine:
        break;
    }
    const int step = key == TraceKey::NextLine ? 1 : -1;
    const int slot = *drawnSlotFrom(table, from->Slot + step, step);
    const ExactLine other = *exactLineOf(table, slot);
    const bool inDomain = other.low() <= from->X && from->X <= other.high();
    return at(other, slot, inDomain ? from->X : other.low());
}

} // namespace zelmora
