// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneSurface.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zelmora::testing {

// A 600 x 600 surface that draws nothing and lists every call, so that the renderers' lines,
// texts and pen changes can be checked exactly. Text is measured by a simple rule, so that placing
// it can be checked exactly too: a font of p points is round(p * 96 / 72) pixels high, and each
// character is 0.6 of that wide when it is ASCII and as wide as high otherwise. The font starts at
// 20 points, as the window sets it.
class RecordingSurface final : public PlaneSurface {
public:
    struct DrawnLine {
        double X1, Y1, X2, Y2;
        int Width;
        Rgb Colour;
        LineStyle Style = LineStyle::Solid;
        friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
        friend void PrintTo(const DrawnLine& line, std::ostream* out);
    };
    struct PrintedText {
        double X, Y;
        std::string Text;
        bool Bold;
        Rgb Colour{};
        double Points = 20;
        int Halo = 0; // pixels of halo round the glyphs
        friend bool operator==(const PrintedText&, const PrintedText&) = default;
        friend void PrintTo(const PrintedText& text, std::ostream* out);
    };
    struct DrawnCircle {
        double X, Y, Radius;
        int Width;
        Rgb Colour;
        std::optional<Rgb> Fill{}; // none when transparent
        friend bool operator==(const DrawnCircle&, const DrawnCircle&) = default;
        friend void PrintTo(const DrawnCircle& circle, std::ostream* out);
    };
    // A box that fills, with its corners as given.
    struct FilledBox {
        double X1, Y1, X2, Y2;
        Rgb Fill;
        friend bool operator==(const FilledBox&, const FilledBox&) = default;
        friend void PrintTo(const FilledBox& box, std::ostream* out);
    };

    void Cls() override;
    double Width() const override { return 600; }
    double Height() const override { return 600; }
    void DrawWidth(int pixels) override;
    void ForeColor(Rgb colour) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void DrawStyle(LineStyle style) override;
    void FillStyle(FillMode style) override;
    void FillColor(Rgb colour) override;
    void Circle(double x, double y, double radius) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void FontSize(double points) override;
    void FontBold(bool bold) override;
    void CurrentX(double x) override;
    void CurrentY(double y) override;
    void TextHalo(int pixels) override;
    void Print(std::string_view text) override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Refresh() override;

    // The pixel height of a font of so many points.
    static double pixelsFor(double points);

    // Every call that draws or sets something, in order, one word each with its arguments, e.g.
    // "Line 0 300 600 300". Width, Height, TextWidth and TextHeight only answer and are not listed.
    std::vector<std::string> Calls;
    std::vector<DrawnLine> Lines;
    std::vector<PrintedText> Texts;
    std::vector<DrawnCircle> Circles;
    std::vector<FilledBox> Boxes;
    int PenWidth = 1;
    Rgb PenColour{};
    LineStyle Stroke = LineStyle::Solid;
    FillMode Filling = FillMode::Transparent;
    Rgb FillColour{};
    double Points = 20;
    bool Bold = false;
    double TextX = 0;
    double TextY = 0;
    int Halo = 0;

private:
    void record(std::string call);
};

} // namespace zelmora::testing
