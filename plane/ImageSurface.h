// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneSurface.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>

#include <functional>

namespace zelmora {

// The drawing surface backed by a persistent image of width x height logical pixels, held at a
// device pixel ratio so that lines and text stay sharp on scaled displays. Text is sized in
// pixels (the points it is given convert at 96 dots per inch). Axis-aligned lines at
// whole-pixel positions are filled as crisp rectangles; other lines and all text are antialiased.
class ImageSurface final : public PlaneSurface {
public:
    ImageSurface(int width, int height, qreal devicePixelRatio, QColor background, const QFont& font);

    void Cls() override;
    double Width() const override;
    double Height() const override;
    void DrawWidth(int pixels) override;
    void ForeColor(Rgb colour) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void FontSize(double points) override;
    void FontBold(bool bold) override;
    void CurrentX(double x) override;
    void CurrentY(double y) override;
    void Print(std::string_view text) override;
    void Refresh() override;

    const QImage& image() const { return Image; }
    // Makes the image anew at another device pixel ratio, empty, for a display with other pixels.
    void setDevicePixelRatio(qreal ratio);
    QColor penColour() const { return PenColour; }
    int penWidth() const { return PenWidth; }
    const QFont& font() const { return Font; }
    QPointF textPosition() const { return TextPosition; }

    // Called whenever the image changes (changed) and when it is to be shown at once (refresh).
    void setChangedCallback(std::function<void()> changed) { Changed = std::move(changed); }
    void setRefreshCallback(std::function<void()> refresh) { Refreshed = std::move(refresh); }

private:
    void changed();
    void makeImage(QSize size, qreal ratio);

    QImage Image;
    QColor Background;
    QColor PenColour{Qt::black};
    int PenWidth = 1;
    QFont Font;
    QPointF TextPosition;
    std::function<void()> Changed;
    std::function<void()> Refreshed;
};

} // namespace zelmora
