// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "board/Trace.h"

#include <QString>

#include <optional>

namespace zelmora {

// What the picture says in words, for a screen reader and beside the tracing point: Japanese, with
// fractions as Japanese readers say them ("3分の2") where a reader would otherwise say "slash".
namespace speech {

// The size of the plane, then each line with its domain and range, then (when the intersections are
// shown) where the lines meet: "1目盛り22ピクセル、χは−13から13まで。線１：y＝−3分の2χ＋1、…"
QString pictureDescription(const Board& board);

// Beside the tracing point: its coordinates, exact ("(3/2, 0)"), and the change from the point before
// ("χ＋1 → y−2/3"), empty when it did not move.
QString traceCoordinates(const TracePoint& point);
QString traceChange(const std::optional<TracePoint>& before, const TracePoint& now);

// What a screen reader says when the point moves: the line, the point and the change.
QString traceAnnouncement(const std::optional<TracePoint>& before, const TracePoint& now);
QString noLineToTrace();

// A coefficient moved by 動かして調べる: "a＝−3分の2", "b＝1".
QString coefficientMoved(const QString& name, const mpq_class& value);

} // namespace speech
} // namespace zelmora
