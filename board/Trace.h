// SPDX-License-Identifier: MIT
#pragma once

#include "facts/ExactLine.h"
#include "facts/LineFacts.h"
#include "slots/SlotTable.h"

#include <optional>

namespace zelmora {

// Tracing a drawn line with the keyboard: a point that moves along a line within its domain, one
// stop at a time, and goes from line to line. Plane units, exact.

// The keys of tracing: along the line (← → by one unit, Shift+← Shift+→ to the next lattice point,
// Home End) and to another line (↑ ↓).
enum class TraceKey { Left, Right, LatticeLeft, LatticeRight, Home, End, NextLine, PreviousLine };

struct TracePoint {
    int Slot = 0; // 0 to 7
    mpq_class X;
    mpq_class Y;

    friend bool operator==(const TracePoint&, const TracePoint&) = default;
};

// Where a key takes the point. Without a point yet, tracing starts on the given slot's line (or
// the first drawn one after it): at its right end for ←, Shift+← and End, else at its left end. To another line,
// the point keeps its χ when the line's domain holds it, else goes to that line's left end. None
// when no slot holds a line. On a vertical line χ = h (kept in the forms beside the table), ↑ and
// ↓ move y by 1, Home and End go to the ends of its y, and ← → go to another line, where the point
// keeps its y if it can.
std::optional<TracePoint> traceKey(
    const SlotTable& table, const LineForms& forms, int startSlot, const std::optional<TracePoint>& from, TraceKey key);
inline std::optional<TracePoint> traceKey(
    const SlotTable& table, int startSlot, const std::optional<TracePoint>& from, TraceKey key)
{
    return traceKey(table, LineForms{}, startSlot, from, key);
}

} // namespace zelmora
