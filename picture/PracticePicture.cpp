// SPDX-License-Identifier: MIT
#include "picture/PracticePicture.h"

#include "facts/ExactNumber.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "plane/PlaneSurface.h"

#include <algorithm>
#include <string>

namespace zelmora {
namespace {

constexpr int lineWidth = 3;
constexpr double dotRadius = 5;
constexpr double ringRadius = 9;
constexpr double numberPoints = 12;
constexpr Rgb hintColour{0, 158, 115}; // bluish green, apart from the task's blue and the pupil's vermilion
constexpr Rgb pupilColour{213, 94, 0};
constexpr Rgb traceColour{204, 0, 0};

Point at(const PlaneGeometry& geometry, const mpq_class& x, const mpq_class& y)
{
    return geometry.toSurface({x.get_d(), y.get_d()});
}

void segment(PlaneSurface& surface, const PlaneGeometry& geometry, const ExactLine& line)
{
    const Point from = at(geometry, line.low(), yAt(line, line.low()));
    const Point to = at(geometry, line.high(), yAt(line, line.high()));
    surface.Line(from.X, from.Y, to.X, to.Y);
}

void dot(PlaneSurface& surface, const PlaneGeometry& geometry, const ExactPoint& point, Rgb colour)
{
    const Point centre = at(geometry, point.X, point.Y);
    surface.DrawWidth(1);
    surface.ForeColor(colour);
    surface.FillColor(colour);
    surface.FillStyle(FillMode::Solid);
    surface.Circle(centre.X, centre.Y, dotRadius);
    surface.FillStyle(FillMode::Transparent);
}

void ring(PlaneSurface& surface, const PlaneGeometry& geometry, const ExactPoint& point, Rgb colour)
{
    const Point centre = at(geometry, point.X, point.Y);
    surface.DrawWidth(2);
    surface.ForeColor(colour);
    surface.FillStyle(FillMode::Transparent);
    surface.Circle(centre.X, centre.Y, ringRadius);
}

void number(PlaneSurface& surface, double x, double y, const std::string& text)
{
    surface.CurrentX(x);
    surface.CurrentY(y);
    surface.Print(text);
}

// Dashed legs, the run under (or over) its leg and the rise beside its own.
void slopeTriangle(PlaneSurface& surface, const PlaneGeometry& geometry, const SlopeStep& step)
{
    const Point start = at(geometry, step.Start.X, step.Start.Y);
    const Point corner = at(geometry, step.Start.X + step.Run, step.Start.Y);
    const Point end = at(geometry, step.Start.X + step.Run, step.Start.Y + step.Rise);
    surface.ForeColor(hintColour);
    surface.DrawWidth(2);
    surface.DrawStyle(LineStyle::Dashed);
    surface.Line(start.X, start.Y, corner.X, corner.Y);
    surface.Line(corner.X, corner.Y, end.X, end.Y);
    surface.DrawStyle(LineStyle::Solid);
    surface.FontSize(numberPoints);
    surface.FontBold(true);
    const bool falls = sgn(step.Rise) < 0;
    const std::string run = step.Run.get_str();
    const std::string rise = fractionText(step.Rise, Minus::Typographic);
    number(surface, (start.X + corner.X - surface.TextWidth(run)) / 2,
        falls ? corner.Y - surface.TextHeight(run) - 2 : corner.Y + 2, run);
    number(surface, corner.X + 4, (corner.Y + end.Y - surface.TextHeight(rise)) / 2, rise);
}

} // namespace

void drawPracticePicture(PlaneSurface& surface, const PlaneGeometry& geometry, const PracticeTask& task, int hintsShown,
    const PupilAnswer& pupil, const std::optional<ExactPoint>& traced)
{
    DrawPlane(surface, geometry);
    const std::vector<ExactLine> lines = taskLines(task);
    surface.DrawWidth(lineWidth);
    surface.ForeColor(PaletteBlue);
    // A グラフをかく task's line is hers to draw; once she has checked, it stands beside hers.
    if (task.Kind != TaskKind::Graph || pupil.Line) {
        for (const ExactLine& line : lines)
            segment(surface, geometry, line);
    }
    if (pupil.Line) {
        surface.DrawWidth(lineWidth);
        surface.ForeColor(pupilColour);
        surface.DrawStyle(LineStyle::Dashed);
        segment(surface, geometry, *pupil.Line);
        surface.DrawStyle(LineStyle::Solid);
    }
    if (pupil.Point)
        dot(surface, geometry, *pupil.Point, pupilColour);
    for (const ExactPoint& point : pupil.Points)
        dot(surface, geometry, point, pupilColour);

    const std::vector<Hint> hints = hintsFor(task);
    const auto shown = static_cast<std::size_t>(std::clamp(hintsShown, 0, static_cast<int>(hints.size())));
    for (std::size_t k = 0; k < shown; ++k) {
        if (const auto* lattice = std::get_if<LatticeHint>(&hints[k])) {
            dot(surface, geometry, lattice->First, hintColour);
            dot(surface, geometry, lattice->Second, hintColour);
        } else if (const auto* slope = std::get_if<SlopeHint>(&hints[k])) {
            slopeTriangle(surface, geometry, slope->Step);
        } else if (const auto* intercept = std::get_if<InterceptHint>(&hints[k])) {
            ring(surface, geometry, intercept->At, hintColour);
        } else if (const auto* ends = std::get_if<EndsHint>(&hints[k])) {
            dot(surface, geometry, ends->Low, hintColour);
            dot(surface, geometry, ends->High, hintColour);
        } else if (const auto* crossing = std::get_if<CrossingHint>(&hints[k])) {
            ring(surface, geometry, crossing->At, hintColour);
        }
    }
    if (traced) {
        const Point centre = at(geometry, traced->X, traced->Y);
        surface.DrawWidth(3);
        surface.ForeColor(traceColour);
        surface.Circle(centre.X, centre.Y, ringRadius);
    }
    // As DrawSlotLine leaves it.
    surface.ForeColor(PaletteBlack);
    surface.DrawWidth(lineWidth);
    surface.FontSize(PlaneFontPoints);
    surface.FontBold(true);
}

} // namespace zelmora
