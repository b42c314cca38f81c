// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneSurface.h"

#include <string>
#include <vector>

namespace zelmora::testing {

// A 600 x 600 surface that draws nothing and lists every call, so that the renderers' lines,
// texts and pen changes can be checked exactly.
class RecordingSurface final : public PlaneSurface {
public:
    struct DrawnLine {
        double X1, Y1, X2, Y2;
        int Width;
        Rgb Colour;
        friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
    };
    struct PrintedText {
        double X, Y;
        std::string Text;
        bool Bold;
        friend bool operator==(const PrintedText&, const PrintedText&) = default;
    };

    void Cls() override;
    double Width() const override { return 600; }
    double Height() const override { return 600; }
    void DrawWidth(int pixels) override;
    void ForeColor(Rgb colour) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void FontSize(double points) override;
    void FontBold(bool bold) override;
    void CurrentX(double x) override;
    void CurrentY(double y) override;
    void Print(std::string_view text) override;
    void Refresh() override;

    // Every call in order, one word each with its arguments, e.g. "Line 0 300 600 300".
    std::vector<std::string> Calls;
    std::vector<DrawnLine> Lines;
    std::vector<PrintedText> Texts;
    int PenWidth = 1;
    Rgb PenColour{};
    bool Bold = false;
    double TextX = 0;
    double TextY = 0;

private:
    void record(std::string call);
};

} // namespace zelmora::testing
