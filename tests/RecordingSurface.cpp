// SPDX-License-Identifier: MIT
#include "RecordingSurface.h"

#include <cmath>
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

std::ostream& operator<<(std::ostream& out, Rgb colour)
{
    return out << "rgb(" << int(colour.R) << ", " << int(colour.G) << ", " << int(colour.B) << ")";
}

} // namespace

void PrintTo(const RecordingSurface::DrawnLine& line, std::ostream* out)
{
    *out << "line (" << line.X1 << ", " << line.Y1 << ")-(" << line.X2 << ", " << line.Y2 << ") width " << line.Width
         << ' ' << line.Colour;
    if (line.Style != LineStyle::Solid)
        *out << " style " << static_cast<int>(line.Style);
}

void PrintTo(const RecordingSurface::PrintedText& text, std::ostream* out)
{
    *out << '"' << text.Text << "\" at (" << text.X << ", " << text.Y << ") " << text.Points << " points"
         << (text.Bold ? " bold " : " ") << text.Colour;
    if (text.Halo > 0)
        *out << " halo " << text.Halo;
}

void PrintTo(const RecordingSurface::DrawnCircle& circle, std::ostream* out)
{
    *out << "circle (" << circle.X << ", " << circle.Y << ") radius " << circle.Radius << " width " << circle.Width
         << ' ' << circle.Colour;
    if (circle.Fill)
        *out << " filled " << *circle.Fill;
}

void PrintTo(const RecordingSurface::FilledBox& box, std::ostream* out)
{
    *out << "box (" << box.X1 << ", " << box.Y1 << ")-(" << box.X2 << ", " << box.Y2 << ") " << box.Fill;
}

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
    Lines.push_back({x1, y1, x2, y2, PenWidth, PenColour, Stroke});
    record("Line" + joined({x1, y1, x2, y2}));
}

void RecordingSurface::DrawStyle(LineStyle style)
{
    Stroke = style;
    record("DrawStyle" + joined({double(static_cast<int>(style))}));
}

void RecordingSurface::FillStyle(FillMode style)
{
    Filling = style;
    record("FillStyle" + joined({double(static_cast<int>(style))}));
}

void RecordingSurface::FillColor(Rgb colour)
{
    FillColour = colour;
    record("FillColor" + joined({double(colour.R), double(colour.G), double(colour.B)}));
}

void RecordingSurface::Circle(double x, double y, double radius)
{
    Circles.push_back(
        {x, y, radius, PenWidth, PenColour, Filling == FillMode::Solid ? std::optional(FillColour) : std::nullopt});
    record("Circle" + joined({x, y, radius}));
}

void RecordingSurface::Box(double x1, double y1, double x2, double y2)
{
    if (Filling == FillMode::Solid)
        Boxes.push_back({x1, y1, x2, y2, FillColour});
    record("Box" + joined({x1, y1, x2, y2}));
}

void RecordingSurface::FontSize(double points)
{
    Points = points;
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

void RecordingSurface::TextHalo(int pixels)
{
    Halo = pixels;
    record("TextHalo" + joined({double(pixels)}));
}

void RecordingSurface::Print(std::string_view text)
{
    Texts.push_back({TextX, TextY, std::string(text), Bold, PenColour, Points, Halo});
    TextX = 0;
    record("Print " + std::string(text));
}

double RecordingSurface::pixelsFor(double points)
{
    return std::round(points * 96.0 / 72.0);
}

double RecordingSurface::TextWidth(std::string_view text) const
{
    int ascii = 0;
    int wide = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            ++ascii;
        else if ((byte & 0xC0) != 0x80) // the first byte of a longer character
            ++wide;
    }
    // Three fifths as one division, so that five ASCII characters of 12 pixels are exactly 36.
    const double pixels = pixelsFor(Points);
    return 3 * ascii * pixels / 5 + wide * pixels;
}

double RecordingSurface::TextHeight(std::string_view) const
{
    return pixelsFor(Points);
}

void RecordingSurface::Refresh()
{
    record("Refresh");
}

} // namespace zelmora::testing
