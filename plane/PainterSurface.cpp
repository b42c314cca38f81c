// SPDX-License-Identifier: MIT
#include "plane/PainterSurface.h"

#include "plane/SegmentClip.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace zelmora {
namespace {

bool isWhole(double v)
{
    return v == std::floor(v);
}

bool isFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// How many laid-out texts, and how many text widths, a surface keeps: a bound for a long session of
// ever new equations.
constexpr qsizetype maxKept = 1024;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

int pixelsForPoints(double points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

PainterSurface planeSurface(QPaintDevice& device, const QTransform& toDevice, QSizeF size, QColor background)
{
    QFont font(PlaneFace);
    font.setPixelSize(pixelsForPoints(9));
    return PainterSurface(device, size, background, font, toDevice);
}

PainterSurface::Batch::Batch(PainterSurface& surface)
    : Surface(surface)
{
    Surface.Held.emplace(&Surface.Device);
    Surface.begin(*Surface.Held);
}

PainterSurface::Batch::Batch(PainterSurface& surface, QPainter& open)
    : Surface(surface)
{
    open.save();
    Surface.Open = &open;
    Surface.begin(open);
}

PainterSurface::Batch::~Batch()
{
    if (Surface.Open) {
        Surface.Open->restore();
        Surface.Open = nullptr;
    }
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
    } else if (Open) {
        paint(*Open);
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
    if (Device.devType() == QInternal::Image && !Held && !Open && ToDevice.isIdentity()) {
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
            if (!dashPattern(Style).empty())
                dashedCrispLine(painter, a, b);
            else
                painter.fillRect(QRectF(left, top, right - left, bottom - top), PenColour);
            return;
        }
        // Round ends as discs on a flat-capped line: Qt strokes a round-capped wide line as a
        // general outline, which costs ten times as much on a long segment.
        const QPointF from(a.X, a.Y);
        const QPointF to(b.X, b.Y);
        const qreal radius = PenWidth / 2.0;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen());
        painter.drawLine(from, to);
        if (!dashPattern(Style).empty())
            return;
        painter.setPen(Qt::NoPen);
        painter.setBrush(PenColour);
        painter.drawEllipse(from, radius, radius);
        painter.drawEllipse(to, radius, radius);
        painter.setBrush(Qt::NoBrush);
    });
}

// Dash by dash, each a crisp rectangle as a solid line's would be, the first at the start. Dashes
// have flat ends: they do not reach past the ends of the line.
void PainterSurface::dashedCrispLine(QPainter& painter, Point from, Point to) const
{
    const std::span<const double> pattern = dashPattern(Style);
    const bool horizontal = from.Y == to.Y;
    const double start = horizontal ? from.X : from.Y;
    const double end = horizontal ? to.X : to.Y;
    const double across = (horizontal ? from.Y : from.X) - std::floor(PenWidth / 2.0);
    const double length = std::fabs(end - start) + 1.0; // the pixels from the start's to the end's
    const int unit = std::max(PenWidth, 1);
    std::size_t k = 0;
    for (double offset = 0; offset < length; k = (k + 2) % pattern.size()) {
        const double on = pattern[k] * unit;
        const double dash = std::min(on, length - offset);
        const double first = end >= start ? start + offset : start - offset - dash + 1.0;
        painter.fillRect(
            horizontal ? QRectF(first, across, dash, PenWidth) : QRectF(across, first, PenWidth, dash), PenColour);
        offset += on + pattern[k + 1] * unit;
    }
}

QPen PainterSurface::pen() const
{
    QPen pen(PenColour, PenWidth, Qt::SolidLine, Qt::FlatCap);
    const std::span<const double> pattern = dashPattern(Style);
    if (!pattern.empty())
        pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    return pen;
}

void PainterSurface::DrawStyle(LineStyle style)
{
    Style = style;
}

void PainterSurface::FillStyle(FillMode style)
{
    Filled = style == FillMode::Solid;
}

void PainterSurface::FillColor(Rgb colour)
{
    FillColour = QColor(colour.R, colour.G, colour.B);
}

void PainterSurface::Circle(double x, double y, double radius)
{
    // A circle wholly off the surface is left out, which also keeps far coordinates from the painter.
    const double reach = radius + PenWidth;
    if (!isFinite({x, y, radius}) || radius < 0 || x + reach < 0 || x - reach > Width() || y + reach < 0
        || y - reach > Height())
        return;
    const QPointF centre(x, y);
    paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        if (!dashPattern(Style).empty()) {
            painter.setPen(pen());
            painter.setBrush(Filled ? QBrush(FillColour) : QBrush(Qt::NoBrush));
            painter.drawEllipse(centre, radius, radius);
            painter.setBrush(Qt::NoBrush);
            return;
        }
        // A solid outline is filled as the ring between two circles, the same shape a stroke would
        // give: Qt strokes a circle at twice the cost, and a picture may hold dozens of them.
        const double half = std::max(PenWidth, 1) / 2.0;
        const double outer = radius + half;
        const double inner = std::max(0.0, radius - half);
        painter.setPen(Qt::NoPen);
        if (Filled && FillColour == PenColour) {
            painter.setBrush(PenColour);
            painter.drawEllipse(centre, outer, outer);
        } else {
            QPainterPath ring;
            ring.setFillRule(Qt::OddEvenFill);
            ring.addEllipse(centre, outer, outer);
            ring.addEllipse(centre, inner, inner);
            painter.fillPath(ring, PenColour);
            if (Filled) {
                painter.setBrush(FillColour);
                painter.drawEllipse(centre, inner, inner);
            }
        }
        painter.setBrush(Qt::NoBrush);
    });
}

void PainterSurface::Box(double x1, double y1, double x2, double y2)
{
    if (!Filled || !isFinite({x1, y1, x2, y2}))
        return;
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized() & QRectF(QPointF(0, 0), Size);
    if (box.isEmpty())
        return;
    paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(box, FillColour);
    });
}

void PainterSurface::FontSize(double points)
{
    const int pixels = pixelsForPoints(points);
    if (pixels == Font.pixelSize())
        return;
    Font.setPixelSize(pixels);
    Current = nullptr;
}

void PainterSurface::FontBold(bool bold)
{
    if (bold == Font.bold())
        return;
    Font.setBold(bold);
    Current = nullptr;
}

void PainterSurface::CurrentX(double x)
{
    TextPosition.setX(x);
}

void PainterSurface::CurrentY(double y)
{
    TextPosition.setY(y);
}

void PainterSurface::TextHalo(int pixels)
{
    HaloPixels = std::max(pixels, 0);
}

void PainterSurface::Print(std::string_view text)
{
    const QString string = fromUtf8(text);
    const QStaticText& line = laidOut(string);
    Halo* halo = HaloPixels > 0 ? &haloOf(string) : nullptr;
    std::optional<QColor> tag;
    if (NextReading && Readings) {
        tag = readingTag(PenColour, Readings->size());
        if (tag)
            Readings->append(*NextReading);
    }
    NextReading.reset();
    paint([&](QPainter& painter) {
        if (halo != nullptr)
            paintHalo(painter, *halo, line);
        painter.setRenderHint(QPainter::TextAntialiasing);
        // Setting a font looks its face up again, which costs more than drawing a short text; in a
        // batch the painter often has it already.
        const QFont& font = face().Font;
        if (painter.font() != font)
            painter.setFont(font);
        painter.setPen(tag.value_or(PenColour));
        painter.drawStaticText(TextPosition, line);
    });
    TextPosition = {0.0, TextPosition.y() + fontMetrics().height()};
}

void PainterSurface::ReadAs(std::string_view text)
{
    if (Readings)
        NextReading = fromUtf8(text);
}

namespace {

constexpr int tagSteps = 127;
constexpr int eightBitStep = 257; // a part of 8 bits, v, is v * 257 in 16 bits

} // namespace

std::optional<QColor> readingTag(QColor colour, qsizetype reading)
{
    if (reading < 0 || reading >= qsizetype(tagSteps) * tagSteps * tagSteps)
        return std::nullopt;
    const QRgba64 rgb = colour.rgba64();
    const auto moved = [](quint16 part, qsizetype by) {
        const int base = (part + eightBitStep / 2) / eightBitStep * eightBitStep;
        const int step = int(by) + 1;
        return quint16(base + step <= 0xffff ? base + step : base - step);
    };
    return QColor(QRgba64::fromRgba64(moved(rgb.red(), reading % tagSteps),
        moved(rgb.green(), reading / tagSteps % tagSteps), moved(rgb.blue(), reading / tagSteps / tagSteps), 0xffff));
}

std::optional<TaggedReading> readingOfTag(QRgba64 colour)
{
    int parts[3] = {colour.red(), colour.green(), colour.blue()};
    int steps[3] = {};
    for (int i = 0; i < 3; ++i) {
        const int base = (parts[i] + eightBitStep / 2) / eightBitStep;
        steps[i] = std::abs(parts[i] - base * eightBitStep);
        if (steps[i] == 0)
            return std::nullopt;
        parts[i] = base;
    }
    return TaggedReading{
        (steps[0] - 1) + tagSteps * ((steps[1] - 1) + tagSteps * (steps[2] - 1)), QColor(parts[0], parts[1], parts[2])};
}

// Shaping a short text costs more than drawing it, and a picture prints and measures the same
// numbers and label parts again on every redraw, so each text is laid out and measured once per
// font size and weight and kept. A static text stands with its top-left corner at the position, as
// Print's text does.
QString PainterSurface::keyInFont(const QString& text) const
{
    return QString::number(Font.pixelSize()) + (Font.bold() ? u'b' : u'r') + text;
}

const QStaticText& PainterSurface::laidOut(const QString& text)
{
    const QString key = keyInFont(text);
    const auto known = LaidOut.constFind(key);
    if (known != LaidOut.constEnd())
        return *known;
    if (LaidOut.size() >= maxKept)
        LaidOut.clear();
    QStaticText line(text);
    line.setTextFormat(Qt::PlainText);
    return *LaidOut.insert(key, line);
}

// Kept like the laid-out texts: making a halo costs far more than drawing it.
PainterSurface::Halo& PainterSurface::haloOf(const QString& text)
{
    const QString key = QString::number(HaloPixels) + u'h' + keyInFont(text);
    const auto known = Halos.find(key);
    if (known != Halos.end())
        return *known;
    if (Halos.size() >= maxKept)
        Halos.clear();
    Halo halo;
    halo.Text = text;
    halo.Font = face().Font;
    const double pixels = HaloPixels;
    const QFontMetricsF& metrics = fontMetrics();
    const double advance = metrics.horizontalAdvance(text);
    halo.Bounds = QRectF(-pixels, -pixels, advance + 2 * pixels, metrics.height() + 2 * pixels);
    halo.Core = QRectF(0, metrics.ascent() - metrics.capHeight(), advance, metrics.capHeight());
    return *Halos.insert(key, halo);
}

// Between the glyphs, the halo fills the band of the digits from the first glyph to the last: a grid
// line seen through a space, "(−3, 3)", would read as a minus sign.
// Vector devices (PDF, SVG, printers) get the glyphs' outline widened by the halo, filled together
// with the glyphs by the winding rule, so that their own strokes are covered too. Filling that
// outline, many overlapping curves, costs a raster device far more than the text itself: there the
// text is stamped in the halo's colour all round, out to the halo's width, once into an image at
// the device's scale, which is then copied.
void PainterSurface::paintHalo(QPainter& painter, Halo& halo, const QStaticText& line) const
{
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) {
        if (halo.Outline.isEmpty()) {
            QPainterPath glyphs;
            glyphs.addText(QPointF(0, fontMetrics().ascent()), halo.Font, halo.Text);
            QPainterPathStroker stroker;
            stroker.setWidth(2.0 * HaloPixels);
            stroker.setJoinStyle(Qt::RoundJoin);
            stroker.setCapStyle(Qt::RoundCap);
            halo.Outline = stroker.createStroke(glyphs);
            halo.Outline.addPath(glyphs);
            halo.Outline.setFillRule(Qt::WindingFill);
        }
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(TextPosition);
        painter.fillPath(halo.Outline, FillColour);
        painter.fillRect(halo.Core, FillColour);
        painter.translate(-TextPosition);
        return;
    }
    const QTransform toDevice = painter.deviceTransform();
    const double scale = std::hypot(toDevice.m11(), toDevice.m12());
    if (halo.Image.isNull() || halo.Scale != scale || halo.Colour != FillColour) {
        const QSize size(static_cast<int>(std::ceil(halo.Bounds.width() * scale)) + 1,
            static_cast<int>(std::ceil(halo.Bounds.height() * scale)) + 1);
        halo.Image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        halo.Image.fill(Qt::transparent);
        QPainter stamp(&halo.Image);
        stamp.setRenderHint(QPainter::TextAntialiasing);
        stamp.scale(scale, scale);
        stamp.translate(-halo.Bounds.topLeft());
        stamp.setFont(halo.Font);
        stamp.setPen(FillColour);
        // Rings of stamps a device pixel or so apart, so that no gap shows between them.
        const double outer = HaloPixels;
        for (double radius = 0.5 / scale; radius <= outer + 1e-9; radius += std::min(1.0, outer) / 2) {
            const int count = std::max(4, static_cast<int>(std::ceil(2 * M_PI * radius * scale / 1.5)));
            for (int i = 0; i < count; ++i) {
                const double angle = 2 * M_PI * i / count;
                stamp.drawStaticText(QPointF(radius * std::cos(angle), radius * std::sin(angle)), line);
            }
        }
        stamp.fillRect(halo.Core, FillColour);
        halo.Scale = scale;
        halo.Colour = FillColour;
    }
    const QRectF target(
        TextPosition + halo.Bounds.topLeft(), QSizeF(halo.Image.width() / scale, halo.Image.height() / scale));
    painter.drawImage(target, halo.Image);
}

double PainterSurface::TextWidth(std::string_view text) const
{
    const QString line = fromUtf8(text);
    const QString key = keyInFont(line);
    const auto known = Widths.constFind(key);
    if (known != Widths.constEnd())
        return *known;
    if (Widths.size() >= maxKept)
        Widths.clear();
    return *Widths.insert(key, fontMetrics().horizontalAdvance(line));
}

double PainterSurface::TextHeight(std::string_view) const
{
    return fontMetrics().height();
}

// Looking a font up costs more than drawing or measuring a short text with it, and a picture
// switches between a few sizes again and again; so each size and weight is looked up once, for the
// device's resolution, and kept until that changes (an image made anew for another display).
const PainterSurface::Face& PainterSurface::face() const
{
    const int dpi = Device.logicalDpiY();
    if (dpi != FacesDpi) {
        Faces.clear();
        Current = nullptr;
        FacesDpi = dpi;
    }
    if (Current == nullptr) {
        const int key = Font.pixelSize() * 2 + (Font.bold() ? 1 : 0);
        auto known = Faces.find(key);
        if (known == Faces.end()) {
            const QFont onDevice(Font, &Device);
            known = Faces.emplace(key, Face{onDevice, QFontMetricsF(onDevice, &Device)}).first;
        }
        Current = &known->second;
    }
    return *Current;
}

const QFontMetricsF& PainterSurface::fontMetrics() const
{
    return face().Metrics;
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
