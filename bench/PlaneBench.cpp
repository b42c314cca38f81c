// SPDX-License-Identifier: MIT
// The whole plane drawn on the image surface at the three plane sizes, against the same plane
// painted the plain way: one QPainter for the picture and one drawLine per grid line.

#include "BenchSupport.h"

#include "plane/DrawPlane.h"
#include "plane/PlaneSurface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace {

using zelmora::PlaneGeometry;
using zelmora::Rgb;

PlaneGeometry planeAt(std::int64_t unitPixels)
{
    return {300, 300, static_cast<std::int16_t>(unitPixels)};
}

// The calls DrawPlane makes, in order, so that the plain painting below draws exactly the
// plane the renderer draws. Coordinates are the surface pixels the renderer passes. Circles and
// boxes are kept too, for renderers that draw them; text is measured in the plane's face.
class CapturedPlane final : public zelmora::PlaneSurface {
public:
    struct Stroke {
        QLineF Line;
        int Width;
        QColor Colour;
        bool Dashed;
    };
    struct Disc {
        QPointF Centre;
        double Radius;
        int Width;
        QColor Colour;
        bool Dashed;
        std::optional<QColor> Fill;
    };
    struct Fill {
        QRectF Area;
        QColor Colour;
    };
    struct Caption {
        QPointF TopLeft;
        QString Text;
        double Points;
        bool Bold;
        QColor Colour;
    };
    using Step = std::variant<Stroke, Caption, Disc, Fill>;

    explicit CapturedPlane(const PlaneGeometry& geometry) { zelmora::DrawPlane(*this, geometry); }

    const std::vector<Step>& steps() const { return Steps; }

    void Cls() override
    {
        Steps.clear();
        TextPosition = {};
    }
    double Width() const override { return zelmora::bench::PlaneSize; }
    double Height() const override { return zelmora::bench::PlaneSize; }
    void DrawWidth(int pixels) override { PenWidth = pixels; }
    void ForeColor(Rgb colour) override { PenColour = QColor(colour.R, colour.G, colour.B); }
    void Line(double x1, double y1, double x2, double y2) override
    {
        Steps.emplace_back(Stroke{QLineF(x1, y1, x2, y2), PenWidth, PenColour, Dashed});
    }
    void DrawStyle(zelmora::LineStyle style) override { Dashed = style == zelmora::LineStyle::Dashed; }
    void FillStyle(zelmora::FillMode style) override { Filled = style == zelmora::FillMode::Solid; }
    void FillColor(Rgb colour) override { FillColour = QColor(colour.R, colour.G, colour.B); }
    void Circle(double x, double y, double radius) override
    {
        Steps.emplace_back(Disc{
            QPointF(x, y), radius, PenWidth, PenColour, Dashed, Filled ? std::optional(FillColour) : std::nullopt});
    }
    void Box(double x1, double y1, double x2, double y2) override
    {
        if (Filled)
            Steps.emplace_back(Fill{QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), FillColour});
    }
    void FontSize(double points) override { Points = points; }
    void FontBold(bool bold) override { Bold = bold; }
    // The plane prints its numbers without a halo.
    void TextHalo(int) override { }
    void CurrentX(double x) override { TextPosition.setX(x); }
    void CurrentY(double y) override { TextPosition.setY(y); }
    void Print(std::string_view text) override
    {
        Steps.emplace_back(Caption{TextPosition, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
            Points, Bold, PenColour});
    }
    double TextWidth(std::string_view text) const override
    {
        return metrics().horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    double TextHeight(std::string_view) const override { return metrics().height(); }
    void Refresh() override { }

private:
    QFontMetricsF metrics() const
    {
        QFont font = zelmora::bench::planeFont();
        font.setPointSizeF(Points);
        font.setBold(Bold);
        return QFontMetricsF(font);
    }

    std::vector<Step> Steps;
    int PenWidth = 1;
    QColor PenColour{Qt::black};
    bool Dashed = false;
    bool Filled = false;
    QColor FillColour{Qt::black};
    double Points = 20;
    bool Bold = false;
    QPointF TextPosition;
};

// Fills the image and paints every captured step with one painter: lines with drawLine, whatever
// their direction or position, and texts with their top-left corner at the captured position.
void paintWithDrawLine(QImage& image, const std::vector<CapturedPlane::Step>& steps)
{
    image.fill(zelmora::bench::PlaneBackground);
    QPainter painter(&image);
    QPen pen;
    QFont font = zelmora::bench::planeFont();
    for (const CapturedPlane::Step& step : steps) {
        if (const auto* stroke = std::get_if<CapturedPlane::Stroke>(&step)) {
            if (pen.width() != stroke->Width || pen.color() != stroke->Colour
                || (pen.style() == Qt::DashLine) != stroke->Dashed) {
                pen = QPen(stroke->Colour, stroke->Width, stroke->Dashed ? Qt::DashLine : Qt::SolidLine);
                painter.setPen(pen);
            }
            painter.drawLine(stroke->Line);
            continue;
        }
        if (const auto* disc = std::get_if<CapturedPlane::Disc>(&step)) {
            pen = QPen(disc->Colour, disc->Width, disc->Dashed ? Qt::DashLine : Qt::SolidLine);
            painter.setPen(pen);
            painter.setBrush(disc->Fill ? QBrush(*disc->Fill) : QBrush(Qt::NoBrush));
            painter.drawEllipse(disc->Centre, disc->Radius, disc->Radius);
            painter.setBrush(Qt::NoBrush);
            continue;
        }
        if (const auto* fill = std::get_if<CapturedPlane::Fill>(&step)) {
            painter.fillRect(fill->Area, fill->Colour);
            continue;
        }
        const auto& caption = std::get<CapturedPlane::Caption>(step);
        if (font.pointSizeF() != caption.Points || font.bold() != caption.Bold) {
            font.setPointSizeF(caption.Points);
            font.setBold(caption.Bold);
        }
        painter.setFont(font);
        painter.setPen(caption.Colour);
        const double ascent = QFontMetricsF(font, &image).ascent();
        painter.drawText(QPointF(caption.TopLeft.x(), caption.TopLeft.y() + ascent), caption.Text);
        pen = painter.pen();
    }
}

void drawPlaneOnImageSurface(benchmark::State& state)
{
    zelmora::bench::PlaneCanvas canvas;
    const PlaneGeometry geometry = planeAt(state.range(0));
    for (auto _ : state) {
        zelmora::DrawPlane(canvas.Surface, geometry);
        benchmark::DoNotOptimize(canvas.Image.constBits());
        benchmark::ClobberMemory();
    }
}

void drawPlaneWithDrawLine(benchmark::State& state)
{
    const CapturedPlane plane(planeAt(state.range(0)));
    QImage image(zelmora::bench::PlaneSize, zelmora::bench::PlaneSize, QImage::Format_RGB32);
    // 96 dots per inch, as on the image surface, so that the texts come out the same size.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    for (auto _ : state) {
        paintWithDrawLine(image, plane.steps());
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
    state.counters["lines"] = static_cast<double>(std::count_if(plane.steps().begin(), plane.steps().end(),
        [](const CapturedPlane::Step& step) { return std::holds_alternative<CapturedPlane::Stroke>(step); }));
}

BENCHMARK(drawPlaneOnImageSurface)
    ->Name("DrawPlane/imageSurface")
    ->ArgName("unitPixels")
    ->Arg(40)
    ->Arg(22)
    ->Arg(14)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(drawPlaneWithDrawLine)
    ->Name("DrawPlane/drawLineBaseline")
    ->ArgName("unitPixels")
    ->Arg(40)
    ->Arg(22)
    ->Arg(14)
    ->Unit(benchmark::kMicrosecond);

} // namespace
