#pragma once

#include "plane/ImageSurface.h"

#include <QWidget>

namespace zelmora {

// The widget that shows the drawing surface: a borderless 600 x 600 area whose image persists,
// so it shows the same picture whether it was drawn before the window appeared or while it was
// covered.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    ImageSurface& surface() { return Surface; }
    const ImageSurface& surface() const { return Surface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageSurface Surface;
};

} // namespace zelmora
