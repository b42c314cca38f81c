// SPDX-License-Identifier: MIT
#include "RecordingSurface.h"

#include <sstream>

namespace zelmora::testing {
namespace {

std::string joined(std::initializer_list<double> values)
{
    std::ostringstream out;
    for (double v : values)
        out << ' ' << v;
    return out.str();
}

} // namespace

void RecordingSurface::record(std::string call)
{
    calls.push_back(std::move(call));
}

void RecordingSurface::Cls()
{
    currentX = currentY = 0;
    record("Cls");
}

void RecordingSurface::DrawWidth(int pixels)
{
    penWidth = pixels;
    record("DrawWidth" + joined({double(pixels)}));
}

void RecordingSurface::ForeColor(Rgb colour)
{
    penColour = colour;
    record("ForeColor" + joined({double(colour.r), double(colour.g), double(colour.b)}));
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2)
{
    lines.push_back({x1, y1, x2, y2, penWidth, penColour});
    record("Line" + joined({x1, y1, x2, y2}));
}

void RecordingSurface::FontSize(double points)
{
    record("FontSize" + joined({points}));
}

void RecordingSurface::FontBold(bool isBold)
{
    bold = isBold;
    record(isBold ? "FontBold 1" : "FontBold 0");
}

void RecordingSurface::CurrentX(double x)
{
    currentX = x;
    record("CurrentX" + joined({x}));
}

void RecordingSurface::CurrentY(double y)
{
    currentY = y;
    record("CurrentY" + joined({y}));
}

void RecordingSurface::Print(std::string_view text)
{
    texts.push_back({currentX, currentY, std::string(text), bold});
    currentX = 0;
    record("Print " + std::string(text));
}

void RecordingSurface::Refresh()
{
    record("Refresh");
}

} // namespace zelmora::testing
