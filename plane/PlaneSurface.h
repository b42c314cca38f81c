// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Rgb.h"

#include <string_view>

namespace zelmora {

// The drawing surface the plane and the lines are drawn on, as the renderers see it.
// Coordinates are surface pixels: origin at the top-left corner, x to the right, y downwards.
// Whatever is drawn stays until Cls.
class PlaneSurface {
public:
    virtual ~PlaneSurface() = default;

    // Fills the whole surface with its background colour; the text position returns to (0, 0).
    virtual void Cls() = 0;
    virtual double Width() const = 0;
    virtual double Height() const = 0;

    // Pen width in pixels for the lines that follow.
    virtual void DrawWidth(int pixels) = 0;
    // Colour of the lines and texts that follow.
    virtual void ForeColor(Rgb colour) = 0;
    // A straight line with the current pen, clipped to the surface. The ends may lie far outside
    // or be non-finite; a line with a non-finite end is not drawn.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;

    virtual void FontSize(double points) = 0;
    virtual void FontBold(bool bold) = 0;
    // Top-left corner of the next text.
    virtual void CurrentX(double x) = 0;
    virtual void CurrentY(double y) = 0;
    // Draws UTF-8 text at the text position in the pen colour, without filling its background,
    // then moves the text position to the start of the next line.
    virtual void Print(std::string_view text) = 0;
    // Shows the current image.
    virtual void Refresh() = 0;
};

} // namespace zelmora
