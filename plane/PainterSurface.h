// SPDX-License-Identifier: MIT
#pragma once

#include "plane/Palette.h"
#include "plane/PlaneGeometry.h"
#include "plane/PlaneSurface.h"
#include "plane/Point.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <QStaticText>
#include <QStringList>
#include <QTransform>

#include <functional>
#include <optional>
#include <unordered_map>

class QPaintDevice;

namespace zelmora {

// The drawing surface on any Qt paint device: the window's persistent image, the clipboard's copy,
// a PNG, an SVG, a PDF or a printer page. The renderers draw in surface pixels on a surface of a
// fixed logical size (600 x 600); a transform maps them onto the device, so every device gets the
// same drawing at its own resolution. Text is sized in pixels (the points it is given convert at 96
// dots per inch). Axis-aligned lines at whole-pixel positions are filled as crisp rectangles, dash by
// dash when dashed; other lines, circles, boxes and all text are antialiased.
class PainterSurface final : public PlaneSurface {
public:
    PainterSurface(
        QPaintDevice& device, QSizeF size, QColor background, const QFont& font, const QTransform& toDevice = {});

    void Cls() override;
    double Width() const override;
    double Height() const override;
    void DrawWidth(int pixels) override;
    void ForeColor(Rgb colour) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void DrawStyle(LineStyle style) override;
    void FillStyle(FillMode style) override;
    void FillColor(Rgb colour) override;
    void Circle(double x, double y, double radius) override;
    void Box(double x1, double y1, double x2, double y2) override;
    void FontSize(double points) override;
    void FontBold(bool bold) override;
    void TextHalo(int pixels) override;
    void CurrentX(double x) override;
    void CurrentY(double y) override;
    void Print(std::string_view text) override;
    void ReadAs(std::string_view text) override;
    double TextWidth(std::string_view text) const override;
    double TextHeight(std::string_view text) const override;
    void Refresh() override;

    QColor penColour() const { return PenColour; }
    const QFont& font() const { return Font; }
    QPointF textPosition() const { return TextPosition; }

    // Where a document's text layer is to read texts otherwise than they are drawn (see ReadAs):
    // each such text is drawn in a tag of its colour (readingTag), numbered by its place in the
    // list, which the readings are added to, for the step that writes the document to put in.
    // None (the default) draws every text as it is.
    void setReadings(QStringList* readings) { Readings = readings; }

    // Called whenever the drawing changes (changed) and when it is to be shown at once (refresh).
    void setChangedCallback(std::function<void()> changed) { Changed = std::move(changed); }
    void setRefreshCallback(std::function<void()> refresh) { Refreshed = std::move(refresh); }

    // Keeps one painter open on the device while it lives. Devices such as PDF writers and SVG
    // generators take a single painter for a whole document, so drawing on them happens in a
    // batch; on an image a batch only saves opening a painter for every line.
    class Batch {
    public:
        explicit Batch(PainterSurface& surface);
        // On a painter already open on the surface's device, as a page with several pictures has:
        // the painter's state is as before once the batch ends.
        Batch(PainterSurface& surface, QPainter& open);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PainterSurface& Surface;
    };

private:
    void begin(QPainter& painter) const;
    template <typename Paint> void paint(Paint&& paint);
    void changed();
    void dashedCrispLine(QPainter& painter, Point from, Point to) const;
    QPen pen() const;
    struct Face {
        QFont Font; // as the device draws it
        QFontMetricsF Metrics;
    };
    const Face& face() const;
    const QFontMetricsF& fontMetrics() const;
    QString keyInFont(const QString& text) const;
    const QStaticText& laidOut(const QString& text);
    // A text's halo, with the text's top-left corner at the origin: its outline for vector
    // devices, an image of it at the device's scale for raster ones, each made when first needed.
    struct Halo {
        QString Text;
        QFont Font;
        QRectF Bounds;
        QRectF Core; // from the first glyph to the last, the height of a digit above the baseline
        QPainterPath Outline;
        QImage Image;
        double Scale = 0;
        QColor Colour;
    };
    Halo& haloOf(const QString& text);
    void paintHalo(QPainter& painter, Halo& halo, const QStaticText& line) const;

    QPaintDevice& Device;
    QSizeF Size;
    QTransform ToDevice;
    QColor Background;
    QColor PenColour{Qt::black};
    int PenWidth = 1;
    LineStyle Style = LineStyle::Solid;
    bool Filled = false;
    QColor FillColour{Qt::black};
    QFont Font;
    // The fonts the surface has drawn in, by size and weight, for the device's resolution.
    mutable std::unordered_map<int, Face> Faces;
    mutable const Face* Current = nullptr;
    mutable int FacesDpi = 0;
    // Texts printed and measured before, by font size, weight and text.
    QHash<QString, QStaticText> LaidOut;
    // The halos round them, by the same key and the halo's width.
    QHash<QString, Halo> Halos;
    int HaloPixels = 0;
    mutable QHash<QString, qreal> Widths;
    QPointF TextPosition;
    QStringList* Readings = nullptr;
    std::optional<QString> NextReading;
    std::optional<QPainter> Held;
    QPainter* Open = nullptr; // a painter the surface borrows for a batch
    std::function<void()> Changed;
    std::function<void()> Refreshed;
};

// A colour that tells a reading's number as well: each part of 16 bits moved off the colour by 1
// to 127, less than a step of 8 bits (257), so that it still rounds to the colour and no colour
// of 8 bits, as every other colour drawn is, reads as a tag. Numbers past 127 x 127 x 127 have no
// tag.
std::optional<QColor> readingTag(QColor colour, qsizetype reading);
struct TaggedReading {
    qsizetype Reading = 0;
    QColor Colour;
};
// The reading a colour tags and the colour it stands for; none for a colour that is not a tag.
std::optional<TaggedReading> readingOfTag(QRgba64 colour);

// Text sizes are pixels; points convert as on a standard display of 96 dots per inch (20.25 points
// are 27 pixels).
int pixelsForPoints(double points);

// The face the plane's numbers and marks are printed in, which the window's captions share.
inline const QString PlaneFace = QStringLiteral("ＭＳ Ｐゴシック");

// A colour of the palette as Qt paints it.
inline QColor toQColor(Rgb colour)
{
    return {colour.R, colour.G, colour.B};
}

// The surface a picture of the plane is drawn on, in the window, on the clipboard, in files, on
// paper and on the projector: size surface pixels (the picture's square unless a sheet gives
// another), cleared to background, its text in the plane's face. DrawPlane sets the size and weight
// of its numbers itself.
PainterSurface planeSurface(QPaintDevice& device, const QTransform& toDevice = {},
    QSizeF size = QSizeF(PictureSide, PictureSide), QColor background = toQColor(PlaneBackground));

} // namespace zelmora
