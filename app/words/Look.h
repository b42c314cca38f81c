// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PainterSurface.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace zelmora {

// The window's colours and its one typeface.
namespace look {

inline const QColor Green{0, 128, 0};
inline const QColor Olive{128, 128, 0};
inline const QColor White{255, 255, 255};
inline const QColor Blue{0, 0, 255};
inline const QColor Yellow{255, 255, 0};
inline const QColor Black{0, 0, 0};
// The tracing point: a red that stands out on the light yellow plane and on the blue lines.
inline const QColor TraceRed{204, 0, 0};

// Every caption and the plane's numbers use this Japanese gothic face; where it is not installed,
// the application substitutes a metric-compatible one.
inline const QString Face = PlaneFace;

// Font sizes are given in points as at 96 dots per inch and set in pixels, so that captions keep to
// their controls whatever the desktop's logical DPI; displays with more pixels scale the whole window
// through its device pixel ratio instead.
inline QFont font(qreal points, bool bold)
{
    QFont f(Face);
    f.setPixelSize(pixelsForPoints(points));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

} // namespace look
} // namespace zelmora
