// SPDX-License-Identifier: MIT
#include "output/PictureOutput.h"

#include "board/Picture.h"
#include "plane/DrawPlane.h"
#include "plane/PainterSurface.h"
#include "plane/Palette.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr double PictureSide = 600;
constexpr double MillimetresPerInch = 25.4;

// The face the window's numbers are drawn in.
const QString PlaneFace = u"ＭＳ Ｐゴシック"_s;

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
    void ForeColor(Rgb) override { Surface.ForeColor(paletteColour(PaletteBlack)); }
    void Line(double x1, double y1, double x2, double y2) override { Surface.Line(x1, y1, x2, y2); }
    void FontSize(double points) override { Surface.FontSize(points); }
    void FontBold(bool bold) override { Surface.FontBold(bold); }
    void CurrentX(double x) override { Surface.CurrentX(x); }
    void CurrentY(double y) override { Surface.CurrentY(y); }
    void Print(std::string_view text) override { Surface.Print(text); }
    void Refresh() override { Surface.Refresh(); }
    void DrawStyle(int style) override { Surface.DrawStyle(style); }
    void FillStyle(int style) override { Surface.FillStyle(style); }
    void FillColor(Rgb colour) override
    {
        Surface.FillColor(colour == PlaneBackground ? Rgb{255, 255, 255} : paletteColour(PaletteBlack));
    }
    void Circle(double x, double y, double radius) override { Surface.Circle(x, y, radius); }
    void Box(double x1, double y1, double x2, double y2) override { Surface.Box(x1, y1, x2, y2); }
    double TextWidth(std::string_view text) const override { return Surface.TextWidth(text); }
    double TextHeight(std::string_view text) const override { return Surface.TextHeight(text); }

private:
    PlaneSurface& Surface;
};

QColor colourOf(Rgb rgb)
{
    return {rgb.R, rgb.G, rgb.B};
}

bool save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A short write is a failure too, even where the device does not say so.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

double unitMillimetres(const Board& board, const PictureSettings& settings, double fallbackDotsPerInch)
{
    if (settings.UnitMillimetres > 0)
        return settings.UnitMillimetres;
    return board.unitPixels() * MillimetresPerInch / fallbackDotsPerInch;
}

QByteArray png(const Board& board, const PictureSettings& settings)
{
    const int scale = std::clamp(settings.PngScale, 1, 4);
    QImage image(static_cast<int>(PictureSide) * scale, static_cast<int>(PictureSide) * scale, QImage::Format_RGB32);
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

QByteArray svg(const Board& board, const PictureSettings& settings)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(static_cast<int>(PictureSide), static_cast<int>(PictureSide)));
        generator.setViewBox(QRectF(0, 0, PictureSide, PictureSide));
        // The resolution decides the size the file asks to be printed at.
        generator.setResolution(
            qRound(board.unitPixels() * MillimetresPerInch / unitMillimetres(board, settings, 96.0)));
        generator.setTitle(u"Zelmora"_s);
        drawPictureOn(generator, {}, board, settings);
    }
    // Other programs know the face by its family names, not by the name the window asks for.
    const QByteArray asked = "font-family=\"" + PlaneFace.toUtf8() + "\"";
    bytes.replace(
        asked, "font-family=\"IPAPGothic, 'IPA PGothic', 'MS PGothic', " + PlaneFace.toUtf8() + ", sans-serif\"");
    return bytes;
}

QByteArray pdf(const Board& board, const PictureSettings& settings)
{
    constexpr int dotsPerInch = 600;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        writer.setTitle(u"Zelmora"_s);
        writer.setCreator(u"Zelmora"_s);
        const QRectF page = writer.pageLayout().paintRect(QPageLayout::Millimeter);
        drawPictureOn(writer, toPage(page.size(), dotsPerInch, board, settings), board, settings);
    }
    return bytes;
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

QRectF pictureOnPage(QSizeF page, const Board& board, const PictureSettings& settings)
{
    const double side = settings.UnitMillimetres > 0 ? PictureSide / board.unitPixels() * settings.UnitMillimetres
                                                     : std::min(page.width(), page.height());
    return {(page.width() - side) / 2, (page.height() - side) / 2, side, side};
}

QTransform toPage(QSizeF page, double dotsPerInch, const Board& board, const PictureSettings& settings)
{
    const QRectF picture = pictureOnPage(page, board, settings);
    const double dotsPerMillimetre = dotsPerInch / MillimetresPerInch;
    QTransform transform;
    transform.scale(dotsPerMillimetre, dotsPerMillimetre);
    transform.translate(picture.left(), picture.top());
    transform.scale(picture.width() / PictureSide, picture.height() / PictureSide);
    return transform;
}

void drawPictureOn(
    QPaintDevice& device, const QTransform& toDevice, const Board& board, const PictureSettings& settings)
{
    const QColor background = settings.BlackAndWhite ? QColor(Qt::white) : colourOf(PlaneBackground);
    QFont font(PlaneFace);
    font.setPixelSize(12);
    PainterSurface surface(device, QSizeF(PictureSide, PictureSide), background, font, toDevice);
    const PainterSurface::Batch batch(surface);
    surface.FontSize(20);
    BlackInk blackInk(surface);
    PlaneSurface& drawn = settings.BlackAndWhite ? static_cast<PlaneSurface&>(blackInk) : surface;
    if (settings.Problem)
        DrawPlane(drawn, board.geometry());
    else
        drawPicture(drawn, board);
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
    if (!save(path, bytes))
        return OutputFault::Unwritable;
    return std::nullopt;
}

} // namespace zelmora
