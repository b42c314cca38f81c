// SPDX-License-Identifier: MIT
#include "board/Trace.h"

namespace zelmora {
namespace {

// The first drawn slot from the given one on, going forwards or backwards round the eight.
std::optional<int> drawnSlotFrom(const SlotTable& table, const LineForms& forms, int slot, int step)
{
    for (int k = 0; k < SlotTable::UserSlots; ++k) {
        const int candidate = ((slot + step * k) % SlotTable::UserSlots + SlotTable::UserSlots) % SlotTable::UserSlots;
        if (exactLineOf(table, forms, candidate))
            return candidate;
    }
    return std::nullopt;
}

// t is χ, or y on a vertical line.
TracePoint at(const ExactLine& line, int slot, const mpq_class& t)
{
    ExactPoint point = pointAt(line, t);
    return {slot, std::move(point.X), std::move(point.Y)};
}

// Along a vertical line y is what moves: ↑ and ↓ move it by 1, ← and → go to another line.
TraceKey onVertical(TraceKey key)
{
    switch (key) {
    case TraceKey::NextLine:
        return TraceKey::Right;
    case TraceKey::PreviousLine:
        return TraceKey::Left;
    case TraceKey::Right:
        return TraceKey::NextLine;
    case TraceKey::Left:
        return TraceKey::PreviousLine;
    default:
        return key;
    }
}

} // namespace

std::optional<TracePoint> traceKey(
    const SlotTable& table, const LineForms& forms, int startSlot, const std::optional<TracePoint>& from, TraceKey key)
{
    const auto line = from ? exactLineOf(table, forms, from->Slot) : std::nullopt;
    if (!line) {
        const auto start = drawnSlotFrom(table, forms, startSlot, 1);
        if (!start)
            return std::nullopt;
        const ExactLine first = *exactLineOf(table, forms, *start);
        const bool fromTheRight = key == TraceKey::Left || key == TraceKey::LatticeLeft || key == TraceKey::End;
        return at(first, *start, fromTheRight ? first.high() : first.low());
    }
    if (line->Vertical)
        key = onVertical(key);
    // Where the point stands along its line.
    const mpq_class& t = line->Vertical ? from->Y : from->X;
    switch (key) {
    case TraceKey::Left:
        return at(*line, from->Slot, traceStop(*line, t, TraceMove::Left));
    case TraceKey::Right:
        return at(*line, from->Slot, traceStop(*line, t, TraceMove::Right));
    case TraceKey::LatticeLeft:
        return at(*line, from->Slot, traceStop(*line, t, TraceMove::LatticeLeft));
    case TraceKey::LatticeRight:
        return at(*line, from->Slot, traceStop(*line, t, TraceMove::LatticeRight));
    case TraceKey::Home:
        return at(*line, from->Slot, line->low());
    case TraceKey::End:
        return at(*line, from->Slot, line->high());
    case TraceKey::NextLine:
    case TraceKey::PreviousLine:
        break;
    }
    const int step = key == TraceKey::NextLine ? 1 : -1;
    const int slot = *drawnSlotFrom(table, forms, from->Slot + step, step);
    const ExactLine other = *exactLineOf(table, forms, slot);
    const mpq_class& kept = other.Vertical ? from->Y : from->X;
    const bool inDomain = other.low() <= kept && kept <= other.high();
    return at(other, slot, inDomain ? kept : other.low());
}

} // namespace zelmora
