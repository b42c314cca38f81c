// SPDX-License-Identifier: MIT
#pragma once

#include "board/Trace.h"

#include <QObject>

#include <optional>

namespace zelmora {

class Announcer;
class Board;
class PictureBox;

// Traces the board's lines with the keys of the focused picture: moves the point, shows it with its
// exact coordinates and the change from the point before, and has a screen reader say them.
class Tracer : public QObject {
    Q_OBJECT

public:
    Tracer(const Board& board, PictureBox* picture, Announcer* announcer);

    // The lines or the plane have changed: the point goes, until the next key.
    void reset();
    // Where the point is, if it is shown.
    const std::optional<TracePoint>& point() const { return Point; }

private:
    void key(TraceKey key);

    const Board& State;
    PictureBox* Picture;
    Announcer* Announce;
    std::optional<TracePoint> Point;
};

} // namespace zelmora
