// SPDX-License-Identifier: MIT
#pragma once

#include "board/Trace.h"
#include "plane/PainterSurface.h"
#include "plane/PlaneGeometry.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

class QAction;
class QMenu;

namespace zelmora {

// The widget that shows the drawing surface: a borderless 600 x 600 area over a persistent image,
// so it shows the same picture whether it was drawn before the window appeared or while it was
// covered. The image is made at the display's device pixel ratio and tagged with its true
// resolution. The widget takes the keyboard focus; its menu (a right click, the Menu key or
// Shift+F10) copies the picture, and so does Ctrl+Shift+C anywhere in the window.
//
// Over the image, and never part of it (nor of copies, files or prints), it shows the point that
// traces a line with the keyboard, and the plane's coordinates under the pointer. Both go when the
// picture loses the focus.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    PainterSurface& surface() { return Surface; }
    const PainterSurface& surface() const { return Surface; }
    const QImage& image() const { return Image; }
    // 図をコピー (Ctrl+Shift+C and the picture's context menu), which the 編集 menu shows too.
    QAction* copyAction() const { return CopyAction; }
    // What the context menu offers before 図をコピー at a point of the picture (surface pixels),
    // opened with the mouse or, at the tracing point, from the keyboard.
    using MenuExtras = std::function<void(QMenu& menu, QPointF at, bool byKeyboard)>;
    void setMenuExtras(MenuExtras extras) { Extras = std::move(extras); }

    // Makes the image anew, empty, at the given device pixel ratio when it differs from the
    // image's, and then asks for the picture to be drawn again (pixelRatioChanged).
    void setPixelRatio(qreal ratio);

    // The tracing point, in surface pixels, with its coordinates and the change from the point
    // before; nothing hides it.
    struct Marker {
        QPointF At;
        QString Coordinates;
        QString Change;
    };
    void setMarker(const std::optional<Marker>& marker);
    const std::optional<Marker>& marker() const { return Traced; }
    // Where the plane lies, for the coordinates under the pointer.
    void setPlaneGeometry(const PlaneGeometry& geometry) { Geometry = geometry; }
    // The coordinates under the pointer as shown: "(2, −1)" on a grid point within 3 pixels, else
    // to a tenth; empty while the pointer is elsewhere.
    const QString& hoverText() const { return Hover; }

Q_SIGNALS:
    void pixelRatioChanged();
    void copyRequested();
    void traceKeyPressed(TraceKey key);
    // The picture lost the focus, or Esc took the point away: the tracing is over.
    void tracingEnded();
    // Esc took the point away, which the pupil is told of.
    void tracingStopped();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void makeImage(qreal ratio);
    void paintNote(QPainter& painter, QPointF near, const QStringList& lines) const;

    QImage Image;
    PainterSurface Surface;
    QAction* CopyAction = nullptr;
    MenuExtras Extras;
    std::optional<Marker> Traced;
    PlaneGeometry Geometry;
    QString Hover;
    QPointF HoverAt;
};

} // namespace zelmora
