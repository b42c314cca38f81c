// SPDX-License-Identifier: MIT
#pragma once

#include "app/access/LatticeCursor.h"
#include "board/Board.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>

class QKeyEvent;
class QMouseEvent;

namespace zelmora {

class Announcer;
class PictureBox;

// 点をとる on the picture: while the mode is on, a click puts a point on the nearest lattice point,
// and the arrow keys move a cursor one unit at a time, Enter putting a point there (Delete takes
// away the point there) and Esc leaving the mode. At any time a point can be dragged with the
// mouse from lattice point to lattice point, one step of the history for each drag, the lines
// drawn through it following. Surface pixels of the picture.
class PointPlacer : public QObject {
    Q_OBJECT

public:
    using Perform = std::function<void(const std::function<Outcome(Board&)>&)>;

    PointPlacer(const Board& board, PictureBox* picture, Announcer* announcer, Perform perform);

    bool active() const { return Active; }
    void setActive(bool on);

Q_SIGNALS:
    // The mode began or ended (Esc ends it from the picture).
    void activeChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key(QKeyEvent* event);
    bool press(QMouseEvent* event);
    void put(const std::string& name, const ExactPoint& at, bool continuing);
    void showCursor();

    const Board& State;
    PictureBox* Picture;
    Announcer* Announce;
    Perform Do;
    bool Active = false;
    LatticeCursor Cursor;
    std::optional<std::string> Dragged;
    bool DragMoved = false; // the drag's first move is a step of its own, the rest join it
};

} // namespace zelmora
