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
        double x1, y1, x2, y2;
        int width;
        Rgb colour;
        friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
    };
    struct PrintedText {
        double x, y;
        std::string text;
        bool bold;
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
    std::vector<std::string> calls;
    std::vector<DrawnLine> lines;
    std::vector<PrintedText> texts;
    int penWidth = 1;
    Rgb penColour{};
    bool bold = false;
    double currentX = 0;
    double currentY = 0;

private:
    void record(std::string call);
};

} // namespace zelmora::testing
