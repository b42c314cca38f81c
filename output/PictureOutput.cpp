// SPDX-License-Identifier: MIT
#include "output/PictureOutput.h"

#include "output/Worksheet.h"

#include "lesson/LessonFile.h"
#include "picture/Picture.h"
#include "plane/DrawPlane.h"
#include "plane/PainterSurface.h"
#include "plane/Palette.h"
#include "slots/DrawSlotLine.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr double millimetresPerInch = 25.4;

// Forwards everything to another surface, but fills what has the plane's colour in white, and
// draws in black when asked: for black-and-white worksheets, and for white planes in colour.
class PaperInk final : public PlaneSurface {
public:
    PaperInk(PlaneSurface& surface, bool black, bool white, bool textsInside)
        : Surface(surface)
        , Black(black)
        , White(white)
        , TextsInside(textsInside)
    {
    }

    void Cls() override { Surface.Cls(); }
    double Width() const override { return Surface.Width(); }
    double Height() const override { return Surface.Height(); }
    void DrawWidth(int pixels) override { Surface.DrawWidth(pixels); }
    // The sheet's grey grid stays grey: a printer in black prints it as a fine screen.
    void ForeColor(Rgb colour) override
    {
        const bool grid = colour == SheetLook::GridColour || colour == SheetLook::FifthGridColour;
        Surface.ForeColor(Black && !grid ? PaletteBlack : colour);
    }
    void Line(double x1, double y1, double x2, double y2) override { Surface.Line(x1, y1, x2, y2); }
    void FontSize(double points) override { Surface.FontSize(points); }
    void FontBold(bool bold) override { Surface.FontBold(bold); }
    void CurrentX(double x) override
    {
        TextX = x;
        Surface.CurrentX(x);
    }
    void CurrentY(double y) override
    {
        TextY = y;
        Surface.CurrentY(y);
    }
    void TextHalo(int pixels) override { Surface.TextHalo(pixels); }
    // A text wholly past the edge is left out where asked: a file that keeps what its clip hides
    // shows it again in an editor. Its reading goes with it.
    void Print(std::string_view text) override
    {
        const std::optional<std::string> reading = std::exchange(Reading, std::nullopt);
        if (TextsInside
            && (TextX >= Width() || TextY >= Height() || TextX + TextWidth(text) <= 0
                || TextY + TextHeight(text) <= 0)) {
            TextY += TextHeight(text);
            Surface.CurrentY(TextY);
            return;
        }
        if (reading)
            Surface.ReadAs(*reading);
        Surface.Print(text);
        TextY += TextHeight(text);
    }
    void ReadAs(std::string_view text) override { Reading = std::string(text); }
    void Refresh() override { Surface.Refresh(); }
    void DrawStyle(LineStyle style) override { Surface.DrawStyle(style); }
    void FillStyle(FillMode style) override { Surface.FillStyle(style); }
    void FillColor(Rgb colour) override
    {
        if (White && colour == PlaneBackground)
            Surface.FillColor(Rgb{255, 255, 255});
        else
            Surface.FillColor(Black ? PaletteBlack : colour);
    }
    void Circle(double x, double y, double radius) override { Surface.Circle(x, y, radius); }
    void Box(double x1, double y1, double x2, double y2) override { Surface.Box(x1, y1, x2, y2); }
    double TextWidth(std::string_view text) const override { return Surface.TextWidth(text); }
    double TextHeight(std::string_view text) const override { return Surface.TextHeight(text); }

private:
    PlaneSurface& Surface;
    bool Black;
    bool White;
    bool TextsInside;
    double TextX = 0;
    double TextY = 0;
    std::optional<std::string> Reading;
};

// In black, a line along the χ axis lies over the black axis and vanishes. It is drawn again on a
// white casing that parts the axis around it, so that it reads as a line of its own, dashes and
// all.
void showLinesOnTheAxis(PlaneSurface& raw, PlaneSurface& drawn, const PlaneGeometry& geometry, const Board& board)
{
    const SlotTable& table = board.slotTable();
    for (std::int16_t slot = 0; slot < SlotTable::Rows; ++slot) {
        if (!table.isDrawn(slot) || table.get(slot, SlotTable::ANum) != 0 || table.get(slot, SlotTable::BNum) != 0)
            continue;
        const Point from = geometry.toSurface({table.get(slot, SlotTable::XFrom), 0});
        const Point to = geometry.toSurface({table.get(slot, SlotTable::XTo), 0});
        raw.DrawStyle(LineStyle::Solid);
        raw.ForeColor({255, 255, 255});
        raw.DrawWidth(7);
        raw.Line(from.X, from.Y, to.X, to.Y);
        raw.ForeColor(PaletteBlack);
        const LineStyle style = lineStyle(board.showOptions(), slot, Ink::BlackAndWhite);
        drawn.DrawStyle(style);
        DrawSlotLine(drawn, table, geometry, slot, PaletteBlack);
        drawn.DrawStyle(LineStyle::Solid);
    }
}

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
// clip and an SVG editor would show what stands past the edge.
void sizeAndClip(QByteArray& svg, double side, double millimetres)
{
    const QByteArray length = QByteArray::number(millimetres, 'f', 4) + "mm";
    static const QRegularExpression size(u"<svg([^>]*?) width=\"[^\"]*\" height=\"[^\"]*\""_s);
    const QString text = QString::fromUtf8(svg);
    const auto match = size.match(text);
    if (!match.hasMatch())
        return;
    QString sized = text;
    sized.replace(match.capturedStart(), match.capturedLength(),
        u"<svg%1 width=\"%2\" height=\"%2\""_s.arg(match.captured(1), QString::fromLatin1(length)));
    const qsizetype opened = sized.indexOf(u'>', match.capturedStart()) + 1;
    const qsizetype closed = sized.lastIndexOf(u"</svg>"_s);
    if (opened <= 0 || closed < opened)
        return;
    sized.insert(closed, u"</g>\n"_s);
    sized.insert(opened,
        u"\n<defs><clipPath id=\"picture\"><rect x=\"0\" y=\"0\" width=\"%1\" height=\"%1\"/></clipPath></defs>"
        "\n<g clip-path=\"url(#picture)\">"_s.arg(side));
    svg = sized.toUtf8();
}

// Bold as the PDF draws it: the regular face filled and outlined in its own colour, since the face
// has no bold and a program that does not make one up would draw the numbers regular.
void outlineBold(QByteArray& svg)
{
    static const QRegularExpression boldText(
        uR"re(<text fill="(#[0-9a-fA-F]{6})" fill-opacity="([0-9.]+)" stroke="none"([^>]*?) font-size="([0-9.]+)" font-weight="700")re"_s);
    QString text = QString::fromUtf8(svg);
    QString out;
    qsizetype from = 0;
    for (auto matches = boldText.globalMatch(text); matches.hasNext();) {
        const auto match = matches.next();
        out += QStringView(text).mid(from, match.capturedStart() - from);
        const double width = match.captured(4).toDouble() / 40;
        out += u"<text fill=\"%1\" fill-opacity=\"%2\" stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\" "
               "stroke-linejoin=\"round\"%4 font-size=\"%5\" font-weight=\"400\""_s.arg(match.captured(1),
                   match.captured(2), QString::number(width, 'g', 4), match.captured(3), match.captured(4));
        from = match.capturedEnd();
    }
    out += QStringView(text).mid(from);
    out.replace(u"font-weight=\"700\""_s, u"font-weight=\"400\""_s);
    svg = out.toUtf8();
}

QByteArray svg(const Board& board, const PictureSettings& settings)
{
    // The window's square, or -Units..Units units around the origin.
    const int s = board.unitPixels();
    const int side = settings.Units > 0 ? 2 * settings.Units * s : PictureSide;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(QSize(side, side));
        generator.setViewBox(QRectF(0, 0, side, side));
        generator.setTitle(u"Zelmora"_s);
        PictureFrame frame;
        frame.Size = QSizeF(side, side);
        frame.Geometry = {side / 2, side / 2, board.geometry().UnitPixels};
        frame.TextsInside = true;
        drawPictureOn(generator, nullptr, frame, board, settings);
    }
    // Other programs know the face by its family names, not by the name the window asks for.
    const QByteArray asked = "font-family=\"" + PlaneFace.toUtf8() + "\"";
    bytes.replace(
        asked, "font-family=\"IPAPGothic, 'IPA PGothic', 'MS PGothic', " + PlaneFace.toUtf8() + ", sans-serif\"");
    outlineBold(bytes);
    sizeAndClip(bytes, side, double(side) / s * unitMillimetres(board, settings, 96.0));
    return bytes;
}

// A page the size of the picture: -Units..Units units, or the whole units the window shows each
// way from its origin, at the asked scale or the screen's.
QByteArray pdf(const Board& board, const PictureSettings& settings)
{
    WorksheetSettings sheet;
    sheet.UnitMillimetres = unitMillimetres(board, settings, 96.0);
    const int units = settings.Units > 0 ? settings.Units : std::max(1, PictureSide / 2 / board.unitPixels());
    const double frame = SheetFramePixels * sheet.UnitMillimetres / sheetUnitPixels(sheet.UnitMillimetres);
    // A hair more than the picture, so that its whole units fit however the sum rounds.
    const double side = 2 * units * sheet.UnitMillimetres + 2 * frame + 1e-6;
    sheet.PageMillimetres = QSizeF(side, side);
    sheet.MarginMillimetres = 0;
    sheet.BlackAndWhite = settings.BlackAndWhite;
    sheet.Plain = settings.Plain;
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

std::vector<ExactPoint> drawPictureOn(QPaintDevice& device, QPainter* open, const PictureFrame& frame,
    const Board& board, const PictureSettings& settings)
{
    std::vector<ExactPoint> leftOut;
    const bool white = settings.BlackAndWhite || settings.Plain;
    const QColor background = white ? QColor(Qt::white) : toQColor(PlaneBackground);
    PainterSurface surface = planeSurface(device, frame.ToDevice, frame.Size, background);
    surface.setReadings(frame.Readings);
    std::optional<PainterSurface::Batch> batch;
    if (open)
        batch.emplace(surface, *open);
    else
        batch.emplace(surface);
    PaperInk paperInk(surface, settings.BlackAndWhite, white, frame.TextsInside);
    PlaneSurface& drawn = white || frame.TextsInside ? static_cast<PlaneSurface&>(paperInk) : surface;
    // A sheet names its axes where they are read, even when they lie off its plane; any other
    // picture has the names inside, where the marks' labels keep off them.
    const bool sheet = frame.Edges == PlaneEdges::Sheet;
    if (settings.Problem && !board.points().empty()) {
        // The points a pupil is to draw a line through stay on the problem, their labels clear of
        // the sheet's numbers and names as on an answer.
        drawPicture(drawn, SlotTable{}, frame.Geometry, ShowOptions{}, 0, frame.Edges,
            settings.BlackAndWhite ? Ink::BlackAndWhite : Ink::Colour, sheet ? AxisNames::Beside : AxisNames::Inside,
            {}, {board.points(), settings.PointNamesOnly});
    } else if (settings.Problem) {
        DrawPlane(drawn, frame.Geometry, frame.Edges);
        if (!sheet)
            drawAxisNames(drawn, frame.Geometry);
    } else {
        leftOut = drawPicture(drawn, board.slotTable(), frame.Geometry, board.showOptions(), board.lineSlot(),
            frame.Edges, settings.BlackAndWhite ? Ink::BlackAndWhite : Ink::Colour,
            sheet ? AxisNames::Beside : AxisNames::Inside, board.lineForms(), {board.points()},
            settings.LinesListed ? LineList::Beside : LineList::None);
        if (settings.BlackAndWhite)
            showLinesOnTheAxis(surface, drawn, frame.Geometry, board);
    }
    if (sheet)
        DrawSheetAxisNames(drawn, frame.Geometry);
    return leftOut;
}

QImage withAxisNames(const QImage& picture, const PlaneGeometry& geometry)
{
    QImage named = picture;
    PainterSurface surface = planeSurface(named);
    const PainterSurface::Batch batch(surface);
    drawAxisNames(surface, geometry);
    return named;
}

ClipboardPicture clipboardPicture(const QImage& picture, const Board& board)
{
    ClipboardPicture copy{withAxisNames(picture, board.geometry()), {}};
    const double dotsPerMetre = board.unitPixels() * copy.Image.devicePixelRatio() / ClipboardUnitMillimetres * 1000;
    copy.Image.setDotsPerMeterX(qRound(dotsPerMetre));
    copy.Image.setDotsPerMeterY(qRound(dotsPerMetre));
    PictureSettings settings;
    settings.UnitMillimetres = ClipboardUnitMillimetres;
    copy.Svg = svg(board, settings);
    return copy;
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
