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
    Calls.push_back(std::move(call));
}

void RecordingSurface::Cls()
{
    TextX = TextY = 0;
    record("Cls");
}

void RecordingSurface::DrawWidth(int pixels)
{
    PenWidth = pixels;
    record("DrawWidth" + joined({double(pixels)}));
}

void RecordingSurface::ForeColor(Rgb colour)
{
    PenColour = colour;
    record("ForeColor" + joined({double(colour.R), double(colour.G), double(colour.B)}));
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2)
{
    Lines.push_back({x1, y1, x2, y2, PenWidth, PenColour});
    record("Line" + joined({x1, y1, x2, y2}));
}

void RecordingSurface::FontSize(double points)
{
    record("FontSize" + joined({points}));
}

void RecordingSurface::FontBold(bool isBold)
{
    Bold = isBold;
    record(isBold ? "FontBold 1" : "FontBold 0");
}

void RecordingSurface::CurrentX(double x)
{
    TextX = x;
    record("CurrentX" + joined({x}));
}

void RecordingSurface::CurrentY(double y)
{
    TextY = y;
    record("CurrentY" + joined({y}));
}

void RecordingSurface::Print(std::string_view text)
{
    Texts.push_back({TextX, TextY, std::string(text), Bold});
    TextX = 0;
    record("Print " + std::string(text));
}

void RecordingSurface::Refresh()
{
    record("Refresh");
}

} // namespace zelmora::testing
