// SPDX-License-Identifier: MIT
#include "plane/DrawPlane.h"

#include "plane/Palette.h"
#include "plane/PlaneSurface.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zelmora {
namespace {

void printAt(PlaneSurface& surface, Point at, std::string_view text)
{
    surface.CurrentX(at.X);
    surface.CurrentY(at.Y);
    surface.Print(text);
}

Point offset(Point point, double dx, double dy)
{
    return {point.X + dx, point.Y + dy};
}

// Each label stands left of and above its tick; a label of two digits a little further left.
void addTickLabels(std::vector<PlaneText>& texts, const PlaneGeometry& geometry, const PlaneSize& ticks, int count)
{
    for (int i = 1; i <= count; ++i) {
        const int t = i >= ticks.FirstTwoDigitLabel ? 1 : 0;
        const int number = ticks.UnitsPerLabel * i;
        texts.push_back({offset(geometry.toSurface({double(number), 0}), -15 - 8 * t, -2), tickText(number)});
        texts.push_back({offset(geometry.toSurface({double(-number), 0}), -20 - 8 * t, -2), tickText(-number)});
        texts.push_back({offset(geometry.toSurface({0, double(number)}), -25 - 13 * t, -12), tickText(number)});
        texts.push_back({offset(geometry.toSurface({0, double(-number)}), -30 - 13 * t, -12), tickText(-number)});
    }
}

} // namespace

std::vector<PlaneText> planeTexts(const PlaneGeometry& geometry)
{
    std::vector<PlaneText> texts{{offset(geometry.toSurface({0, 0}), -20, -2), "Ｏ"}};
    if (const auto ticks = planeSizeFor(geometry.UnitPixels))
        addTickLabels(texts, geometry, *ticks, ticks->LabelCount);
    return texts;
}

namespace {

struct Placed {
    double Left;
    double Top;
    double Right;
    double Bottom;

    // Nearer than the gap across counts as touching: "-1" run up against "Ｏ" reads "-1Ｏ".
    bool overlaps(const Placed& other) const
    {
        return Left < other.Right + SheetLook::Gap && other.Left < Right + SheetLook::Gap && Top < other.Bottom
            && other.Top < Bottom;
    }
};

// Keeps a text when it stands wholly on the surface and clear of the texts kept before it.
bool place(std::vector<PlaneText>& texts, std::vector<Placed>& taken, const PlaneSurface& surface, Point at,
    std::string text, double width, double height)
{
    // A number at a tick by the edge moves inside rather than being left out, when it moves less
    // than half its size: it still stands by its tick.
    const auto inside = [](double start, double size, double low, double high) {
        if (start < low && low - start <= size / 2)
            return low;
        if (start + size > high && start + size - high <= size / 2)
            return high - size;
        return start;
    };
    at.X = inside(at.X, width, SheetLook::Frame, surface.Width() - SheetLook::Frame);
    at.Y = inside(at.Y, height, SheetLook::Frame, surface.Height() - SheetLook::Frame);
    const Placed box{at.X, at.Y, at.X + width, at.Y + height};
    if (box.Left < 0 || box.Top < 0 || box.Right > surface.Width() || box.Bottom > surface.Height())
        return false;
    for (const Placed& other : taken) {
        if (box.overlaps(other))
            return false;
    }
    taken.push_back(box);
    texts.push_back({at, std::move(text)});
    return true;
}

// The whole units from first to last (rounded inwards) that are multiples of step, zero left out.
std::vector<int> multiplesBetween(double first, double last, int step)
{
    std::vector<int> numbers;
    const double limit = 1e6;
    const int from = static_cast<int>(std::ceil(std::clamp(first, -limit, limit) / step)) * step;
    for (int number = from; number <= std::clamp(last, -limit, limit); number += step) {
        if (number != 0)
            numbers.push_back(number);
    }
    return numbers;
}

std::string sheetNumber(int number)
{
    std::string text = tickText(number);
    if (text.front() == ' ')
        text.erase(0, 1);
    return text;
}

} // namespace

int sheetTickStep(double unitPixels, double widestNumber, double numberHeight)
{
    const double needed = std::max(widestNumber, numberHeight) + SheetLook::Gap;
    for (int step = 1;; step *= 10) {
        for (const int multiple : {1, 2, 5}) {
            if (step * multiple * unitPixels >= needed || step >= 1000000)
                return step * multiple;
        }
    }
}

SheetTexts sheetPlaneTexts(const PlaneGeometry& geometry, PlaneSurface& surface)
{
    SheetTexts texts;
    std::vector<Placed> taken;
    const double width = surface.Width();
    const double height = surface.Height();
    const Point origin = geometry.toSurface({0, 0});
    const double inner = SheetLook::Frame;
    texts.XAlongEdge = origin.Y < inner || origin.Y > height - inner;
    texts.YAlongEdge = origin.X < inner || origin.X > width - inner;
    const PlaneRect shown = geometry.visible(width, height, -inner);
    const double half = SheetLook::AxisWidth / 2.0;
    const double gap = SheetLook::Gap;

    surface.FontSize(SheetLook::NumberPoints);
    surface.FontBold(true);
    const std::vector<int> xAll = multiplesBetween(shown.Left, shown.Right, 1);
    const std::vector<int> yAll = multiplesBetween(shown.Bottom, shown.Top, 1);
    double widest = 0;
    for (const auto* numbers : {&xAll, &yAll}) {
        if (!numbers->empty()) {
            widest = std::max({widest, surface.TextWidth(sheetNumber(numbers->front())),
                surface.TextWidth(sheetNumber(numbers->back()))});
        }
    }
    const double numberHeight = surface.TextHeight("0");
    const int step = sheetTickStep(geometry.UnitPixels, widest, numberHeight);

    if (!texts.XAlongEdge && !texts.YAlongEdge) {
        const double markWidth = surface.TextWidth("Ｏ");
        place(texts.Numbers, taken, surface, {origin.X - half - gap - markWidth, origin.Y + half + 1}, "Ｏ", markWidth,
            surface.TextHeight("Ｏ"));
    }
    // The χ axis's numbers under it, or over it where the bottom edge leaves no room; along the
    // bottom edge when the axis is off the plane.
    const double below = origin.Y + half + 1;
    const double xTop = texts.XAlongEdge         ? height - inner - numberHeight - 1
        : below + numberHeight <= height - inner ? below
                                                 : origin.Y - half - 1 - numberHeight;
    for (const int number : multiplesBetween(shown.Left, shown.Right, step)) {
        const std::string text = sheetNumber(number);
        const double textWidth = surface.TextWidth(text);
        const double x = geometry.toSurface({double(number), 0}).X;
        // A negative number centres its digits on the tick, its sign before them.
        const double sign = number < 0 ? textWidth - surface.TextWidth(sheetNumber(-number)) : 0;
        place(texts.Numbers, taken, surface, {x - sign - (textWidth - sign) / 2, xTop}, text, textWidth, numberHeight);
    }
    for (const int number : multiplesBetween(shown.Bottom, shown.Top, step)) {
        const std::string text = sheetNumber(number);
        const double textWidth = surface.TextWidth(text);
        const double y = geometry.toSurface({0, double(number)}).Y - numberHeight / 2;
        double left = texts.YAlongEdge ? inner + 2 : origin.X - half - gap - textWidth;
        if (left < inner)
            left = origin.X + half + gap;
        place(texts.Numbers, taken, surface, {left, y}, text, textWidth, numberHeight);
    }

    surface.FontSize(SheetLook::NamePoints);
    const double xWidth = surface.TextWidth("χ");
    const double xHeight = surface.TextHeight("χ");
    const double xLeft = width - inner - xWidth - gap;
    // Over the right end of the χ axis, or over the edge's numbers; under the axis near the top edge.
    const double xAbove = (texts.XAlongEdge ? xTop : origin.Y - half) - 1 - xHeight;
    place(texts.Names, taken, surface, {xLeft, xAbove >= inner ? xAbove : origin.Y + half + 1}, "χ", xWidth, xHeight);
    const double yWidth = surface.TextWidth("ｙ");
    const double yHeight = surface.TextHeight("ｙ");
    double yLeft = texts.YAlongEdge ? inner + 2 + widest + gap : origin.X + half + gap;
    if (yLeft + yWidth > width - inner)
        yLeft = origin.X - half - gap - yWidth;
    place(texts.Names, taken, surface, {yLeft, inner + 1}, "ｙ", yWidth, yHeight);
    surface.FontSize(SheetLook::NumberPoints);
    return texts;
}

namespace {

// A text of a sheet stands on a backing of the plane's colour, so that no grid line runs through
// it: on paper a number is read by itself, small, and the grid is dark.
void printBacked(PlaneSurface& surface, const PlaneText& text)
{
    surface.FillStyle(FillMode::Solid);
    surface.FillColor(PlaneBackground);
    surface.Box(text.At.X - 1, text.At.Y, text.At.X + surface.TextWidth(text.Text) + 1,
        text.At.Y + surface.TextHeight(text.Text));
    surface.FillStyle(FillMode::Transparent);
    printAt(surface, text.At, text.Text);
}

void drawSheetPlane(PlaneSurface& surface, const PlaneGeometry& geometry)
{
    const int s = geometry.UnitPixels;
    const Point origin = geometry.toSurface({0, 0});
    surface.Cls();
    surface.DrawWidth(SheetLook::AxisWidth);
    surface.Line(0, origin.Y, surface.Width(), origin.Y);
    surface.Line(origin.X, 0, origin.X, surface.Height());
    surface.DrawWidth(SheetLook::GridWidth);
    const PlaneRect shown = geometry.visible(surface.Width(), surface.Height());
    const double limit = 1e6;
    // Every fifth line from the origin darker, so that units are counted in fives wherever the
    // sheet's corner stands.
    const auto gridColour = [](int i) { return i % 5 == 0 ? SheetLook::FifthGridColour : SheetLook::GridColour; };
    if (s > 0) {
        for (int i = static_cast<int>(std::ceil(std::max(shown.Left, -limit))); i <= std::min(shown.Right, limit);
             ++i) {
            const double x = geometry.toSurface({double(i), 0}).X;
            if (i != 0) {
                surface.ForeColor(gridColour(i));
                surface.Line(x, 0, x, surface.Height());
            }
        }
        for (int i = static_cast<int>(std::ceil(std::max(shown.Bottom, -limit))); i <= std::min(shown.Top, limit);
             ++i) {
            const double y = geometry.toSurface({0, double(i)}).Y;
            if (i != 0) {
                surface.ForeColor(gridColour(i));
                surface.Line(0, y, surface.Width(), y);
            }
        }
    }
    surface.ForeColor(PaletteBlack);
    const SheetTexts texts = sheetPlaneTexts(geometry, surface);
    for (const PlaneText& text : texts.Numbers)
        printBacked(surface, text);
    surface.Refresh();
}

} // namespace

void DrawSheetAxisNames(PlaneSurface& surface, const PlaneGeometry& geometry)
{
    const SheetTexts texts = sheetPlaneTexts(geometry, surface);
    surface.FontSize(SheetLook::NamePoints);
    surface.FontBold(true);
    for (const PlaneText& name : texts.Names)
        printBacked(surface, name);
    surface.FontSize(SheetLook::NumberPoints);
}

std::string tickText(int number)
{
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(number));
    std::string text(number < 0 ? "-" : " ");
    text.append(digits.data(), result.ptr);
    return text;
}

void DrawPlane(PlaneSurface& surface, const PlaneGeometry& geometry, PlaneEdges edges)
{
    if (edges == PlaneEdges::Sheet) {
        drawSheetPlane(surface, geometry);
        return;
    }
    const int s = geometry.UnitPixels;
    const Point origin = geometry.toSurface({0, 0});

    surface.Cls();
    const auto n = s > 0 ? static_cast<std::int16_t>(std::floor(surface.Width() / s)) : std::int16_t{0};

    surface.DrawWidth(3);
    surface.Line(0, origin.Y, surface.Width(), origin.Y);
    surface.Line(origin.X, 0, origin.X, surface.Height());

    // Grid lines past the edge of the surface are drawn too; the surface clips them.
    surface.DrawWidth(1);
    for (int i = 1; i <= n; ++i) {
        const Point rightBelow = geometry.toSurface({double(i), double(-i)});
        const Point leftAbove = geometry.toSurface({double(-i), double(i)});
        surface.Line(0, rightBelow.Y, surface.Width(), rightBelow.Y);
        surface.Line(rightBelow.X, 0, rightBelow.X, surface.Height());
        surface.Line(0, leftAbove.Y, surface.Width(), leftAbove.Y);
        surface.Line(leftAbove.X, 0, leftAbove.X, surface.Height());
    }

    surface.FontSize(PlaneFontPoints);
    surface.FontBold(true);
    for (const PlaneText& text : planeTexts(geometry))
        printAt(surface, text.At, text.Text);

    surface.Refresh();
}

AxisNamePlaces axisNamePlaces(const PlaneGeometry& geometry)
{
    return {geometry.OriginX + 4, geometry.OriginY + 28};
}

} // namespace zelmora
