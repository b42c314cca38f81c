// SPDX-License-Identifier: MIT
#include "output/PictureOutput.h"

#include "output/Worksheet.h"

#include "lesson/LessonFile.h"
#include "picture/Picture.h"
#include "plane/DrawPlane.h"
#include "plane/PainterSurface.h"
#include "plane/Palette.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <optional>
#include <span>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr double millimetresPerInch = 25.4;

// Forwards everything to another surface, but draws in black, and fills what has the plane's colour
// in white: for black-and-white worksheets.
class BlackInk final : public PlaneSurface {
public:
    explicit BlackInk(PlaneSurface& surface)
        : Surface(surface)
    {
    }

    void Cls() override { Surface.Cls(); }
    double Width() const override { return Surface.Width(); }
    double Height() const override { return Surface.Height(); }
    void DrawWidth(int pixels) override { Surface.DrawWidth(pixels); }
    void ForeColor(Rgb) override { Surface.ForeColor(PaletteBlack); }
    void Line(double x1, double y1, double x2, double y2) override { Surface.Line(x1, y1, x2, y2); }
    void FontSize(double points) override { Surface.FontSize(points); }
    void FontBold(bool bold) override { Surface.FontBold(bold); }
    void CurrentX(double x) override { Surface.CurrentX(x); }
    void CurrentY(double y) override { Surface.CurrentY(y); }
    void TextHalo(int pixels) override { Surface.TextHalo(pixels); }
    void Print(std::string_view text) override { Surface.Print(text); }
    void Refresh() override { Surface.Refresh(); }
    void DrawStyle(LineStyle style) override { Surface.DrawStyle(style); }
    void FillStyle(FillMode style) override { Surface.FillStyle(style); }
    void FillColor(Rgb colour) override
    {
        Surface.FillColor(colour == PlaneBackground ? Rgb{255, 255, 255} : PaletteBlack);
    }
    void Circle(double x, double y, double radius) override { Surface.Circle(x, y, radius); }
    void Box(double x1, double y1, double x2, double y2) override { Surface.Box(x1, y1, x2, y2); }
    double TextWidth(std::string_view text) const override { return Surface.TextWidth(text); }
    double TextHeight(std::string_view text) const override { return Surface.TextHeight(text); }

private:
    PlaneSurface& Surface;
};

double unitMillimetres(const Board& board, const PictureSettings& settings, double fallbackDotsPerInch)
{
    if (settings.UnitMillimetres > 0)
        return settings.UnitMillimetres;
    return board.unitPixels() * millimetresPerInch / fallbackDotsPerInch;
}

QByteArray png(const Board& board, const PictureSettings& settings)
{
    const int scale = std::clamp(settings.PngScale, 1, 4);
    QImage image(PictureSide * scale, PictureSide * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    // The resolution that prints one unit at the asked size, or the screen's at this scale.
    const double dotsPerMillimetre = board.unitPixels() * scale / unitMillimetres(board, settings, 96.0);
    image.setDotsPerMeterX(qRound(dotsPerMillimetre * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMillimetre * 1000));
    drawPictureOn(image, {}, board, settings);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The size the file asks to be shown at, in millimetres and exactly, rather than through a whole
// number of dots per inch; and the picture clipped to its box, since the generator leaves out the
// clip and an SVG editor would show the numbers that stand past the edge.
void sizeAndClip(QByteArray& svg, double millimetres)
{
    const QByteArray side = QByteArray::number(millimetres, 'f', 4) + "mm";
    static const QRegularExpression size(u"<svg([^>]*?) width=\"[^\"]*\" height=\"[^\"]*\""_s);
    const QString text = QString::fromUtf8(svg);
    const auto match = size.match(text);
    if (!match.hasMatch())
        return;
    QString sized = text;
    sized.replace(match.capturedStart(), match.capturedLength(),
        u"<svg%1 width=\"%2\" height=\"%2\""_s.arg(match.captured(1), QString::fromLatin1(side)));
    const qsizetype opened = sized.indexOf(u'>', match.capturedStart()) + 1;
    const qsizetype closed = sized.lastIndexOf(u"</svg>"_s);
    if (opened <= 0 || closed < opened)
        return;
    sized.insert(closed, u"</g>\n"_s);
    sized.insert(opened,
        u"\n<defs><clipPath id=\"picture\"><rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\"/></clipPath></defs>"
        "\n<g clip-path=\"url(#picture)\">"_s.arg(PictureSide));
    svg = sized.toUtf8();
}

QByteArray svg(const Board& board, const PictureSettings& settings)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(PictureSide, PictureSide));
        generator.setViewBox(QRectF(0, 0, PictureSide, PictureSide));
        generator.setTitle(u"Zelmora"_s);
        drawPictureOn(generator, {}, board, settings);
    }
    // Other programs know the face by its family names, not by the name the window asks for.
    const QByteArray asked = "font-family=\"" + PlaneFace.toUtf8() + "\"";
    bytes.replace(
        asked, "font-family=\"IPAPGothic, 'IPA PGothic', 'MS PGothic', " + PlaneFace.toUtf8() + ", sans-serif\"");
    sizeAndClip(bytes, double(PictureSide) / board.unitPixels() * unitMillimetres(board, settings, 96.0));
    return bytes;
}

QByteArray pdf(const Board& board, const PictureSettings& settings)
{
    WorksheetSettings sheet;
    sheet.UnitMillimetres = settings.UnitMillimetres;
    sheet.BlackAndWhite = settings.BlackAndWhite;
    sheet.Kind = settings.Problem ? SheetKind::Problem : SheetKind::Answer;
    sheet.Figure = true;
    const SheetPlane plane{&board, !settings.Problem, 1};
    return worksheetPdf(std::span(&plane, 1), sheet);
}

} // namespace

std::optional<PictureFormat> pictureFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png"_s)
        return PictureFormat::Png;
    if (suffix == u"svg"_s)
        return PictureFormat::Svg;
    if (suffix == u"pdf"_s)
        return PictureFormat::Pdf;
    return std::nullopt;
}

void drawPictureOn(
    QPaintDevice& device, const QTransform& toDevice, const Board& board, const PictureSettings& settings)
{
    PictureFrame frame;
    frame.Geometry = board.geometry();
    frame.ToDevice = toDevice;
    drawPictureOn(device, nullptr, frame, board, settings);
}

void drawPictureOn(QPaintDevice& device, QPainter* open, const PictureFrame& frame, const Board& board,
    const PictureSettings& settings)
{
    const QColor background = settings.BlackAndWhite ? QColor(Qt::white) : toQColor(PlaneBackground);
    PainterSurface surface = planeSurface(device, frame.ToDevice, frame.Size, background);
    std::optional<PainterSurface::Batch> batch;
    if (open)
        batch.emplace(surface, *open);
    else
        batch.emplace(surface);
    BlackInk blackInk(surface);
    PlaneSurface& drawn = settings.BlackAndWhite ? static_cast<PlaneSurface&>(blackInk) : surface;
    if (settings.Problem) {
        DrawPlane(drawn, frame.Geometry, frame.Edges);
        drawAxisNames(drawn, frame.Geometry);
    } else {
        drawPicture(drawn, board.slotTable(), frame.Geometry, board.showOptions(), board.lineSlot(), frame.Edges,
            settings.BlackAndWhite ? Ink::BlackAndWhite : Ink::Colour, AxisNames::Inside);
    }
}

QImage withAxisNames(const QImage& picture, const PlaneGeometry& geometry)
{
    QImage named = picture;
    PainterSurface surface = planeSurface(named);
    const PainterSurface::Batch batch(surface);
    drawAxisNames(surface, geometry);
    return named;
}

std::optional<OutputFault> writePicture(const QString& path, const Board& board, const PictureSettings& settings)
{
    const auto format = pictureFormatFor(path);
    if (!format)
        return OutputFault::UnknownFormat;
    QByteArray bytes;
    switch (*format) {
    case PictureFormat::Png:
        bytes = png(board, settings);
        break;
    case PictureFormat::Svg:
        bytes = svg(board, settings);
        break;
    case PictureFormat::Pdf:
        bytes = pdf(board, settings);
        break;
    }
    if (saveFileAtomically(path, bytes))
        return OutputFault::Unwritable;
    return std::nullopt;
}

} // namespace zelmora
