// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PainterSurface.h"

#include <QImage>
#include <QWidget>

namespace zelmora {

// The widget that shows the drawing surface: a borderless 600 x 600 area over a persistent image,
// so it shows the same picture whether it was drawn before the window appeared or while it was
// covered. The image is made at the display's device pixel ratio and tagged with its true
// resolution. The widget takes the keyboard focus; its menu (a right click, the Menu key or
// Shift+F10) copies the picture, and so does Ctrl+Shift+C anywhere in the window.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    PainterSurface& surface() { return Surface; }
    const PainterSurface& surface() const { return Surface; }
    const QImage& image() const { return Image; }

    // Makes the image anew, empty, at the given device pixel ratio when it differs from the
    // image's, and then asks for the picture to be drawn again (pixelRatioChanged).
    void setPixelRatio(qreal ratio);

Q_SIGNALS:
    void pixelRatioChanged();
    void copyRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void makeImage(qreal ratio);

    QImage Image;
    PainterSurface Surface;
};

} // namespace zelmora
