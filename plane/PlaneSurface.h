// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Rgb.h"

#include <span>
#include <string_view>

namespace zelmora {

// The styles DrawStyle and FillStyle take, numbered as those verbs have always numbered them.
// Solid and dashed lines are the picture's own; the further dash patterns tell lines apart where
// colour cannot, on paper printed in black.
enum class LineStyle : int {
    Solid = 0,
    Dashed = 1,
    Dotted = 2,
    DashDot = 3,
    DashDotDot = 4,
    LongDash = 5,
    LongDashDot = 6,
    LongDashShortDash = 7,
};
enum class FillMode : int { Solid = 0, Transparent = 1 };

// A draw style's pattern: the lengths of a dash and of the gap after it, dash after gap, in pen
// widths, repeated from the start of the line. Empty for a solid line and any unknown style.
std::span<const double> dashPattern(LineStyle style);

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
    // Solid (the default) or one of the dash patterns, for the lines and circle outlines that
    // follow. Dashes start at the visible start of each line.
    virtual void DrawStyle(LineStyle style) = 0;
    // Solid, or transparent (the default): whether circles and boxes that follow are filled.
    virtual void FillStyle(FillMode style) = 0;
    // Colour of the fills that follow.
    virtual void FillColor(Rgb colour) = 0;
    // A circle of the given radius around (x, y), outlined with the current pen and filled with the
    // fill colour when the fill style is solid.
    virtual void Circle(double x, double y, double radius) = 0;
    // The rectangle with corners (x1, y1) and (x2, y2) filled with the fill colour when the fill
    // style is solid, without an outline; nothing when it is transparent.
    virtual void Box(double x1, double y1, double x2, double y2) = 0;

    virtual void FontSize(double points) = 0;
    virtual void FontBold(bool bold) = 0;
    // Top-left corner of the next text.
    virtual void CurrentX(double x) = 0;
    virtual void CurrentY(double y) = 0;
    // A halo in the fill colour, so many pixels wide, round the glyphs of the texts that follow;
    // 0 (the default) for none.
    virtual void TextHalo(int pixels) = 0;
    // Draws UTF-8 text at the text position in the pen colour, without filling its background
    // (apart from its halo), then moves the text position to the start of the next line.
    virtual void Print(std::string_view text) = 0;
    // The text Print draws next reads as this one where the surface keeps a text layer, as a PDF
    // does: a label drawn in parts reads whole from its first part ("y = 1/2χ + 3", its stacked
    // fraction written with a slash) and not at all from the others (empty). A surface without a
    // text layer, as the screen and images are, draws as ever.
    virtual void ReadAs(std::string_view /*text*/) { }
    // How far Print would advance along the line for this UTF-8 text, and how far down it would
    // move the text position, in the current font.
    virtual double TextWidth(std::string_view text) const = 0;
    virtual double TextHeight(std::string_view text) const = 0;
    // Shows the current image.
    virtual void Refresh() = 0;
};

} // namespace zelmora
