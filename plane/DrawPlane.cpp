// SPDX-License-Identifier: MIT
#include "plane/DrawPlane.h"

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

std::vector<PlaneText> sheetPlaneTexts(const PlaneGeometry& geometry, const PlaneSurface& surface)
{
    std::vector<PlaneText> texts{{offset(geometry.toSurface({0, 0}), -20, -2), "Ｏ"}};
    if (const auto ticks = planeSizeFor(geometry.UnitPixels)) {
        // Enough numbers to reach the farthest edge from the origin; the test below keeps those shown.
        const double reach = std::max({std::abs(double(geometry.OriginX)), std::abs(surface.Width() - geometry.OriginX),
            std::abs(double(geometry.OriginY)), std::abs(surface.Height() - geometry.OriginY)});
        addTickLabels(texts, geometry, *ticks,
            static_cast<int>(std::ceil(reach / (ticks->UnitsPerLabel * double(geometry.UnitPixels)))) + 1);
    }
    std::erase_if(texts, [&surface](const PlaneText& text) {
        return text.At.X < 0 || text.At.Y < 0 || text.At.X + surface.TextWidth(text.Text) > surface.Width()
            || text.At.Y + surface.TextHeight(text.Text) > surface.Height();
    });
    return texts;
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
    const int s = geometry.UnitPixels;
    const Point origin = geometry.toSurface({0, 0});

    surface.Cls();
    // The window's count of grid lines each way reaches its far edge only because its origin is in
    // the middle; a sheet's origin may be anywhere, so it counts to the farthest edge.
    const double reach = edges == PlaneEdges::Window
        ? surface.Width()
        : std::max({std::abs(origin.X), std::abs(surface.Width() - origin.X), std::abs(origin.Y),
            std::abs(surface.Height() - origin.Y)});
    const auto n = s > 0 ? static_cast<std::int16_t>(std::floor(reach / s)) : std::int16_t{0};

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
    for (const PlaneText& text :
        edges == PlaneEdges::Window ? planeTexts(geometry) : sheetPlaneTexts(geometry, surface))
        printAt(surface, text.At, text.Text);

    surface.Refresh();
}

AxisNamePlaces axisNamePlaces(const PlaneGeometry& geometry)
{
    return {geometry.OriginX + 4, geometry.OriginY + 28};
}

} // namespace zelmora
