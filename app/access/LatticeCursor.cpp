// SPDX-License-Identifier: MIT
#include "app/access/LatticeCursor.h"

#include <QKeyEvent>

#include <cmath>

namespace zelmora {

LatticeCursor::Act LatticeCursor::key(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return Act::None;
    const auto move = [this](int dx, int dy) {
        Cursor = {Cursor.X + dx, Cursor.Y + dy};
        return Act::Moved;
    };
    switch (event.key()) {
    case Qt::Key_Left:
        return move(-1, 0);
    case Qt::Key_Right:
        return move(1, 0);
    case Qt::Key_Up:
        return move(0, 1);
    case Qt::Key_Down:
        return move(0, -1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Act::Put;
    case Qt::Key_Delete:
        return Act::Remove;
    default:
        return Act::None;
    }
}

ExactPoint LatticeCursor::nearest(const PlaneGeometry& geometry, QPointF surface)
{
    const PlanePoint plane = geometry.toPlane({surface.x(), surface.y()});
    return {mpq_class(static_cast<long>(std::lround(plane.X))), mpq_class(static_cast<long>(std::lround(plane.Y)))};
}

} // namespace zelmora
