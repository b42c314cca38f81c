// SPDX-License-Identifier: MIT
#include "plane/ImageSurface.h"

#include "plane/SegmentClip.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace zelmora {
namespace {

// Text sizes are pixels; points convert as on a standard display of 96 dots per inch.
int pixelsForPoints(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

bool isWhole(double v)
{
    return v == std::floor(v);
}

} // namespace

ImageSurface::ImageSurface(int width, int height, qreal devicePixelRatio, QColor background, const QFont& font)
    : Background(background)
    , Font(font)
{
    if (Font.pixelSize() < 0)
        Font.setPixelSize(pixelsForPoints(Font.pointSizeF()));
    makeImage(QSize(width, height), devicePixelRatio);
}

void ImageSurface::setDevicePixelRatio(qreal ratio)
{
    makeImage(Image.deviceIndependentSize().toSize(), ratio);
    changed();
}

// The image is tagged with its true resolution, 96 dots per inch times the ratio, so that a copy
// pastes elsewhere at the size it has on screen.
void ImageSurface::makeImage(QSize size, qreal ratio)
{
    Image = QImage(qRound(size.width() * ratio), qRound(size.height() * ratio), QImage::Format_RGB32);
    Image.setDevicePixelRatio(ratio);
    const int dotsPerMeter = qRound(ratio * 96.0 / 0.0254);
    Image.setDotsPerMeterX(dotsPerMeter);
    Image.setDotsPerMeterY(dotsPerMeter);
    Image.fill(Background);
}

void ImageSurface::Cls()
{
    Image.fill(Background);
    TextPosition = {};
    changed();
}

double ImageSurface::Width() const
{
    return Image.deviceIndependentSize().width();
}

double ImageSurface::Height() const
{
    return Image.deviceIndependentSize().height();
}

void ImageSurface::DrawWidth(int pixels)
{
    PenWidth = pixels;
}

void ImageSurface::ForeColor(Rgb colour)
{
    PenColour = QColor(colour.R, colour.G, colour.B);
}

void ImageSurface::Line(double x1, double y1, double x2, double y2)
{
    // The margin keeps the rounded or square ends of a wide pen whole at the edges.
    const double margin = PenWidth + 2.0;
    const auto clipped = clipSegment({{x1, y1}, {x2, y2}}, {-margin, -margin, Width() + margin, Height() + margin});
    if (!clipped)
        return;
    const Point a = clipped->From;
    const Point b = clipped->To;

    QPainter painter(&Image);
    const bool axisAligned = (a.X == b.X || a.Y == b.Y) && isWhole(a.X) && isWhole(a.Y) && isWhole(b.X) && isWhole(b.Y);
    if (axisAligned) {
        // A line k pixels wide covers k pixel rows (or columns) centred on its coordinate, and
        // reaches half its width past its ends, as a square cap would.
        const double half = std::floor(PenWidth / 2.0);
        const double left = std::min(a.X, b.X) - half;
        const double top = std::min(a.Y, b.Y) - half;
        const double right = std::max(a.X, b.X) - half + PenWidth;
        const double bottom = std::max(a.Y, b.Y) - half + PenWidth;
        painter.fillRect(QRectF(left, top, right - left, bottom - top), PenColour);
    } else {
        // Round ends as discs on a flat-capped line: Qt strokes a round-capped wide line as a
        // general outline, which costs ten times as much on a long segment.
        const QPointF from(a.X, a.Y);
        const QPointF to(b.X, b.Y);
        const qreal radius = PenWidth / 2.0;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(PenColour, PenWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, to);
        painter.setPen(Qt::NoPen);
        painter.setBrush(PenColour);
        painter.drawEllipse(from, radius, radius);
        painter.drawEllipse(to, radius, radius);
    }
    changed();
}

// Points are converted at 96 dots per inch and set in pixels: the text keeps its size against the
// grid on any device, and the device pixel ratio alone scales it for the display.
void ImageSurface::FontSize(double points)
{
    Font.setPixelSize(pixelsForPoints(points));
}

void ImageSurface::FontBold(bool bold)
{
    Font.setBold(bold);
}

void ImageSurface::CurrentX(double x)
{
    TextPosition.setX(x);
}

void ImageSurface::CurrentY(double y)
{
    TextPosition.setY(y);
}

void ImageSurface::Print(std::string_view text)
{
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF metrics(Font, &Image);
    {
        QPainter painter(&Image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(Font);
        painter.setPen(PenColour);
        painter.drawText(QPointF(TextPosition.x(), TextPosition.y() + metrics.ascent()), line);
    }
    TextPosition = {0.0, TextPosition.y() + metrics.height()};
    changed();
}

void ImageSurface::Refresh()
{
    if (Refreshed)
        Refreshed();
}

void ImageSurface::changed()
{
    if (Changed)
        Changed();
}

} // namespace zelmora
