// SPDX-License-Identifier: MIT
#include "plane/DrawPlane.h"

#include "plane/PlaneSurface.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace zelmora {
namespace {

// How the ticks are numbered at each of the three plane sizes.
struct TickScheme {
    std::int16_t UnitPixels;
    int UnitsPerLabel;      // a label every k units
    int LabelCount;         // labels 1 to m on each half-axis
    int FirstTwoDigitLabel; // labels from this one on have two digits and sit further left
};

constexpr std::array<TickScheme, 3> tickSchemes{{
    {40, 2, 7, 5},
    {22, 5, 5, 2},
    {14, 5, 8, 2},
}};

std::optional<TickScheme> tickSchemeFor(std::int16_t unitPixels)
{
    for (const TickScheme& scheme : tickSchemes) {
        if (scheme.UnitPixels == unitPixels)
            return scheme;
    }
    return std::nullopt;
}

void printAt(PlaneSurface& surface, double x, double y, std::string_view text)
{
    surface.CurrentX(x);
    surface.CurrentY(y);
    surface.Print(text);
}

void drawTickLabels(PlaneSurface& surface, int x0, int y0, const TickScheme& ticks)
{
    const int k = ticks.UnitsPerLabel;
    const int s = ticks.UnitPixels;
    for (int i = 1; i <= ticks.LabelCount; ++i) {
        const int t = i >= ticks.FirstTwoDigitLabel ? 1 : 0;
        const int number = k * i;
        const int offset = k * s * i;
        printAt(surface, x0 - 15 + offset - 8 * t, y0 - 2, tickText(number));
        printAt(surface, x0 - 20 - offset - 8 * t, y0 - 2, tickText(-number));
        printAt(surface, x0 - 25 - 13 * t, y0 - 12 - offset, tickText(number));
        printAt(surface, x0 - 30 - 13 * t, y0 - 12 + offset, tickText(-number));
    }
}

} // namespace

std::string tickText(int number)
{
    std::array<char, 16> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), std::abs(number));
    std::string text(number < 0 ? "-" : " ");
    text.append(digits.data(), result.ptr);
    return text;
}

void DrawPlane(PlaneSurface& surface, const PlaneGeometry& geometry)
{
    const int x0 = geometry.OriginX;
    const int y0 = geometry.OriginY;
    const int s = geometry.UnitPixels;

    surface.Cls();
    const auto n = s > 0 ? static_cast<std::int16_t>(std::floor(surface.Width() / s)) : std::int16_t{0};

    surface.DrawWidth(3);
    surface.Line(0, y0, surface.Width(), y0);
    surface.Line(x0, 0, x0, surface.Height());

    // Grid lines past the edge of the surface are drawn too; the surface clips them.
    surface.DrawWidth(1);
    for (int i = 1; i <= n; ++i) {
        const int d = i * s;
        surface.Line(0, y0 + d, surface.Width(), y0 + d);
        surface.Line(x0 + d, 0, x0 + d, surface.Height());
        surface.Line(0, y0 - d, surface.Width(), y0 - d);
        surface.Line(x0 - d, 0, x0 - d, surface.Height());
    }

    surface.FontBold(true);
    printAt(surface, x0 - 20, y0 - 2, "Ｏ");

    if (const auto ticks = tickSchemeFor(geometry.UnitPixels))
        drawTickLabels(surface, x0, y0, *ticks);

    surface.Refresh();
}

} // namespace zelmora
