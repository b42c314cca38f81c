// SPDX-License-Identifier: MIT
#pragma once

#include "plane/ImageSurface.h"

#include <QWidget>

namespace zelmora {

// The widget that shows the drawing surface: a borderless 600 x 600 area whose image persists,
// so it shows the same picture whether it was drawn before the window appeared or while it was
// covered. It takes the keyboard focus, and the Menu key or Shift+F10 opens its menu as a right
// click does.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    ImageSurface& surface() { return Surface; }
    const ImageSurface& surface() const { return Surface; }

    // Makes the image anew at the given device pixel ratio when it differs from the image's, and
    // then asks for the picture to be drawn again (pixelRatioChanged).
    void setPixelRatio(qreal ratio);

Q_SIGNALS:
    void pixelRatioChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ImageSurface Surface;
};

} // namespace zelmora
