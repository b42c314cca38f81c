#pragma once

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
inline const QColor PlaneBackground{255, 255, 192};

// Every caption and the plane's numbers use this Japanese gothic face; where it is not installed,
// the application substitutes a metric-compatible one.
inline const QString Face = QStringLiteral("ＭＳ Ｐゴシック");

inline QFont font(qreal points, bool bold)
{
    QFont f(Face);
    f.setPointSizeF(points);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

} // namespace look
} // namespace zelmora
