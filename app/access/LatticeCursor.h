// SPDX-License-Identifier: MIT
#pragma once

#include "facts/ExactLine.h"
#include "plane/PlaneGeometry.h"

#include <QPointF>

class QKeyEvent;

namespace zelmora {

// The keyboard's way of putting points on a plane's lattice: the arrow keys move a cursor one unit
// at a time, Enter asks for a point there and Delete for the point there to be taken away; a click
// goes to the nearest lattice point. Plane units, from surface pixels as the geometry maps them.
class LatticeCursor {
public:
    enum class Act { None, Moved, Put, Remove };

    // What the key asks for; an arrow has moved the cursor already. Keys with modifiers ask nothing.
    Act key(const QKeyEvent& event);

    const ExactPoint& at() const { return Cursor; }
    void moveTo(const ExactPoint& point) { Cursor = point; }

    static ExactPoint nearest(const PlaneGeometry& geometry, QPointF surface);

private:
    ExactPoint Cursor{mpq_class(0), mpq_class(0)};
};

} // namespace zelmora
