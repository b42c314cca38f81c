// SPDX-License-Identifier: MIT
#include "plane/PainterSurface.h"

#include "plane/SegmentClip.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
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

PainterSurface::PainterSurface(
    QPaintDevice& device, QSizeF size, QColor background, const QFont& font, const QTransform& toDevice)
    : Device(device)
    , Size(size)
    , ToDevice(toDevice)
    , Background(background)
    , Font(font)
{
    if (Font.pixelSize() < 0)
        Font.setPixelSize(pixelsForPoints(Font.pointSizeF()));
}

PainterSurface::Batch::Batch(PainterSurface& surface)
    : Surface(surface)
{
    Surface.Held.emplace(&Surface.Device);
    Surface.begin(*Surface.Held);
}

PainterSurface::Batch::~Batch()
{
    Surface.Held.reset();
}

// Whatever is drawn stays within the surface, on a page as on the screen: labels and grid lines
// past the edge are cut there.
void PainterSurface::begin(QPainter& painter) const
{
    painter.setTransform(ToDevice);
    painter.setClipRect(QRectF(QPointF(0, 0), Size));
}

template <typename Paint> void PainterSurface::paint(Paint&& paint)
{
    if (Held) {
        paint(*Held);
    } else {
        QPainter painter(&Device);
        begin(painter);
        paint(painter);
    }
    changed();
}

void PainterSurface::Cls()
{
    // An image is filled whole, which also covers the pixels a fractional device pixel ratio leaves
    // at its edges.
    if (Device.devType() == QInternal::Image && !Held && ToDevice.isIdentity()) {
        static_cast<QImage&>(Device).fill(Background);
        changed();
    } else {
        paint([this](QPainter& painter) { painter.fillRect(QRectF(QPointF(0, 0), Size), Background); });
    }
    TextPosition = {};
}

double PainterSurface::Width() const
{
    return Size.width();
}

double PainterSurface::Height() const
{
    return Size.height();
}

void PainterSurface::DrawWidth(int pixels)
{
    PenWidth = pixels;
}

void PainterSurface::ForeColor(Rgb colour)
{
    PenColour = QColor(colour.R, colour.G, colour.B);
}

void PainterSurface::Line(double x1, double y1, double x2, double y2)
{
    // The margin keeps the rounded or square ends of a wide pen whole at the edges.
    const double margin = PenWidth + 2.0;
    const auto clipped = clipSegment({{x1, y1}, {x2, y2}}, {-margin, -margin, Width() + margin, Height() + margin});
    if (!clipped)
        return;
    const Point a = clipped->From;
    const Point b = clipped->To;

    const bool axisAligned = (a.X == b.X || a.Y == b.Y) && isWhole(a.X) && isWhole(a.Y) && isWhole(b.X) && isWhole(b.Y);
    paint([&](QPainter& painter) {
        if (axisAligned) {
            // A line k pixels wide covers k pixel rows (or columns) centred on its coordinate, and
            // reaches half its width past its ends, as a square cap would.
            const double half = std::floor(PenWidth / 2.0);
            const double left = std::min(a.X, b.X) - half;
            const double top = std::min(a.Y, b.Y) - half;
            const double right = std::max(a.X, b.X) - half + PenWidth;
            const double bottom = std::max(a.Y, b.Y) - half + PenWidth;
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillRect(QRectF(left, top, right - left, bottom - top), PenColour);
            return;
        }
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
        painter.setBrush(Qt::NoBrush);
    });
}

void PainterSurface::FontSize(double points)
{
    Font.setPixelSize(pixelsForPoints(points));
}

void PainterSurface::FontBold(bool bold)
{
    Font.setBold(bold);
}

void PainterSurface::CurrentX(double x)
{
    TextPosition.setX(x);
}

void PainterSurface::CurrentY(double y)
{
    TextPosition.setY(y);
}

void PainterSurface::Print(std::string_view text)
{
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetricsF metrics(Font, &Device);
    paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(Font);
        painter.setPen(PenColour);
        painter.drawText(QPointF(TextPosition.x(), TextPosition.y() + metrics.ascent()), line);
    });
    TextPosition = {0.0, TextPosition.y() + metrics.height()};
}

void PainterSurface::Refresh()
{
    if (Refreshed)
        Refreshed();
}

void PainterSurface::changed()
{
    if (Changed)
        Changed();
}

} // namespace zelmora
