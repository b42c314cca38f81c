// SPDX-License-Identifier: MIT
#include "output/Worksheet.h"

#include "facts/Equation.h"
#include "facts/ExactLine.h"
#include "facts/LineFacts.h"
#include "lesson/LessonFile.h"
#include "output/PdfTidy.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr double millimetresPerInch = 25.4;
const QString sheetFace = u"ＭＳ Ｐゴシック"_s;

// The rows of a page above its planes, and of a plane above and below its picture, in millimetres.
constexpr double titleRow = 11;
constexpr double nameRow = 12;
constexpr double numberRow = 7;
constexpr double cellGap = 6;

// Half the whole units that fit a length, and the frame around the outermost grid lines, at a scale.
int unitsFitting(double length, double unitMillimetres, int unitPixels)
{
    const double frame = 2.0 * SheetFramePixels * unitMillimetres / unitPixels;
    // A little slack, so that a length that holds a whole number of units exactly still holds them.
    return std::max(0, static_cast<int>(std::floor((length - frame) / unitMillimetres + 1e-9)));
}

// Where the drawn segments lie, in plane units; none when no slot holds a line.
std::optional<PlaneRect> linesExtent(const SlotTable& table, const LineForms& forms)
{
    std::optional<PlaneRect> extent;
    const auto include = [&extent](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        if (!extent)
            extent = PlaneRect{x, x, y, y};
        extent->Left = std::min(extent->Left, x);
        extent->Right = std::max(extent->Right, x);
        extent->Bottom = std::min(extent->Bottom, y);
        extent->Top = std::max(extent->Top, y);
    };
    for (int slot = 0; slot < SlotTable::Rows; ++slot) {
        // A vertical line, kept beside the table, by the ends of its y.
        if (verticalLineOf(forms, slot) != nullptr) {
            if (const auto line = exactLineOf(table, forms, slot)) {
                include(line->At.get_d(), line->From.get_d());
                include(line->At.get_d(), line->To.get_d());
            }
            continue;
        }
        if (!table.isDrawn(slot))
            continue;
        const double a = double(table.get(slot, SlotTable::ANum)) / table.get(slot, SlotTable::ADen);
        const double b = double(table.get(slot, SlotTable::BNum)) / table.get(slot, SlotTable::BDen);
        for (const auto column : {SlotTable::XFrom, SlotTable::XTo}) {
            const double x = table.get(slot, column);
            include(x, x * a + b);
        }
    }
    return extent;
}

// A run of count whole units whose middle is as near the wanted middle as whole units allow.
std::pair<int, int> unitsAround(double middle, int count)
{
    // Far-away lines cannot be centred on; a plane of a thousand units each way is already no sheet.
    const double limit = 1000;
    const int low = static_cast<int>(std::lround(std::clamp(middle, -limit, limit) - count / 2.0));
    return {low, low + count};
}

QFont sheetFont(double points, bool bold)
{
    QFont font(sheetFace);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A page in device pixels from millimetres on the printable area.
class PageScale {
public:
    explicit PageScale(const QPaintDevice& device)
        : DotsPerMillimetre(device.logicalDpiX() / millimetresPerInch)
    {
    }
    QRectF rect(const QRectF& millimetres) const
    {
        return {millimetres.x() * DotsPerMillimetre, millimetres.y() * DotsPerMillimetre,
            millimetres.width() * DotsPerMillimetre, millimetres.height() * DotsPerMillimetre};
    }
    double dots(double millimetres) const { return millimetres * DotsPerMillimetre; }
    double DotsPerMillimetre;
};

void drawNameLine(QPainter& painter, const PageScale& scale, const QRectF& row)
{
    painter.setFont(sheetFont(12, false));
    painter.setPen(QPen(Qt::black, scale.dots(0.3)));
    const QRectF text = scale.rect(row.adjusted(row.width() * 0.4, 0, 0, -2));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom,
        QCoreApplication::translate("zelmora::Worksheet", "　　　組　　　番　名前"));
    painter.drawLine(
        QPointF(text.left(), text.bottom() + scale.dots(0.8)), QPointF(text.right(), text.bottom() + scale.dots(0.8)));
}

// How many equations the tallest list on the page has: every plane keeps that room below it,
// problem or answer, so that the planes of a problem sheet and its answers are the same.
int listRows(std::span<const SheetPlane> planes)
{
    int rows = 0;
    for (const SheetPlane& plane : planes) {
        if (plane.Source)
            rows = std::max(rows, static_cast<int>(answerLines(*plane.Source).size()));
    }
    return rows;
}

// The size of the equations under a plane, and the height of each of their lines, in millimetres.
double listPoints(const WorksheetSettings& settings)
{
    return settings.PerPage == 1 ? 11 : 9;
}

double listRowMillimetres(const WorksheetSettings& settings)
{
    return listPoints(settings) * millimetresPerInch / 72 * 1.5;
}

// The part of a cell the picture may take: below the plane's number, above its equations.
QRectF pictureArea(const QRectF& cell, int rows, const WorksheetSettings& settings)
{
    if (settings.Figure)
        return cell;
    return cell.adjusted(0, numberRow, 0, -rows * listRowMillimetres(settings));
}

// The rows above the planes of a page: the title, when there is one, and the name line.
double headerMillimetres(const WorksheetSettings& settings)
{
    if (settings.Figure)
        return 0;
    return (settings.Title.isEmpty() ? 0 : titleRow) + nameRow;
}

std::vector<QRectF> pageCells(QSizeF area, const WorksheetSettings& settings)
{
    const double top = headerMillimetres(settings);
    std::vector<QRectF> cells
        = cellsOf(QSizeF(area.width(), area.height() - top), settings.PerPage, settings.Landscape);
    for (QRectF& cell : cells)
        cell.translate(0, top);
    return cells;
}

void drawCell(QPainter& painter, QPagedPaintDevice& device, const PageScale& scale, const QRectF& cell,
    const SheetPlane& plane, int rows, const WorksheetSettings& settings)
{
    const Board& board = *plane.Source;
    const double rowMillimetres = listRowMillimetres(settings);
    const QRectF area = pictureArea(cell, rows, settings);
    const PagePlane placed = planeInArea(area.size(), board, settings.UnitMillimetres, settings.CentreOnLines);
    if (placed.Range.width() <= 0 || placed.Range.height() <= 0)
        return;
    // Centred across its cell, but at the top of it, so that its number stands just above it and
    // its equations just below.
    QRectF picture = placed.Place.translated(area.topLeft());
    if (!settings.Figure)
        picture.moveTop(area.top());

    if (!settings.Figure) {
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(11, true));
        painter.drawText(scale.rect(QRectF(picture.left(), cell.top(), cell.width(), numberRow - 1)),
            Qt::AlignLeft | Qt::AlignBottom, u"(%1)"_s.arg(plane.Number));
    }

    const int s = board.unitPixels();
    PictureFrame frame;
    frame.Size
        = QSizeF(placed.Range.width() * s + 2.0 * SheetFramePixels, placed.Range.height() * s + 2.0 * SheetFramePixels);
    frame.Geometry
        = {SheetFramePixels - placed.Range.Left * s, SheetFramePixels + placed.Range.Top * s, board.unitPixels()};
    frame.Edges = PlaneEdges::Sheet;
    frame.ToDevice.scale(scale.DotsPerMillimetre, scale.DotsPerMillimetre);
    frame.ToDevice.translate(picture.left(), picture.top());
    frame.ToDevice.scale(placed.UnitMillimetres / s, placed.UnitMillimetres / s);
    PictureSettings pictureSettings;
    pictureSettings.Problem = !plane.Answer;
    pictureSettings.BlackAndWhite = settings.BlackAndWhite;
    drawPictureOn(device, &painter, frame, board, pictureSettings);

    if (settings.Figure || !plane.Answer)
        return;
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(listPoints(settings), false));
    double y = picture.bottom() + 1;
    for (const QString& line : answerLines(board)) {
        painter.drawText(scale.rect(QRectF(picture.left(), y, cell.right() - picture.left(), rowMillimetres)),
            Qt::AlignLeft | Qt::AlignVCenter, line);
        y += rowMillimetres;
    }
}

// The planes each page holds: as many as it has room for, the answer key from a page of its own.
std::vector<std::span<const SheetPlane>> pagesOf(std::span<const SheetPlane> planes, std::size_t perPage)
{
    std::vector<std::span<const SheetPlane>> pages;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= planes.size(); ++i) {
        const bool full = i - first == perPage;
        const bool answersStart = i < planes.size() && planes[i].Answer && !planes[i - 1].Answer;
        if (i == planes.size() || full || answersStart) {
            pages.push_back(planes.subspan(first, i - first));
            first = i;
        }
    }
    return pages;
}

} // namespace

std::optional<Paper> paperNamed(const QString& name)
{
    for (const PaperChoice& paper : Papers) {
        if (name.compare(QString::fromUtf16(paper.Name), Qt::CaseInsensitive) == 0)
            return paper.Id;
    }
    return std::nullopt;
}

QPageLayout pageLayoutOf(const WorksheetSettings& settings)
{
    const auto paper = std::find_if(Papers.begin(), Papers.end(),
        [&settings](const PaperChoice& choice) { return choice.Id == settings.PaperSize; });
    const double margin = settings.MarginMillimetres;
    return QPageLayout(QPageSize(paper->Size), settings.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

PagePlane planeInArea(QSizeF area, const Board& board, double unitMillimetres, bool centreOnLines)
{
    const int s = board.unitPixels();
    PagePlane plane;
    if (unitMillimetres > 0) {
        plane.UnitMillimetres = unitMillimetres;
        const int across = unitsFitting(area.width(), unitMillimetres, s);
        const int down = unitsFitting(area.height(), unitMillimetres, s);
        const auto extent = centreOnLines ? linesExtent(board.slotTable(), board.lineForms()) : std::nullopt;
        if (extent) {
            std::tie(plane.Range.Left, plane.Range.Right) = unitsAround((extent->Left + extent->Right) / 2, across);
            std::tie(plane.Range.Bottom, plane.Range.Top) = unitsAround((extent->Bottom + extent->Top) / 2, down);
        } else {
            plane.Range = {-(across / 2), across / 2, -(down / 2), down / 2};
        }
    } else {
        // The whole units the window shows from its origin to its nearer edge, each way.
        const int half = std::max(1, static_cast<int>(std::floor(300.0 / s)));
        plane.Range = {-half, half, -half, half};
        const double side = std::min(area.width(), area.height());
        plane.UnitMillimetres = side / (2.0 * half + 2.0 * SheetFramePixels / s);
    }
    const double frame = SheetFramePixels * plane.UnitMillimetres / s;
    const double width = plane.Range.width() * plane.UnitMillimetres + 2 * frame;
    const double height = plane.Range.height() * plane.UnitMillimetres + 2 * frame;
    plane.Place = {(area.width() - width) / 2, (area.height() - height) / 2, width, height};
    return plane;
}

std::vector<QRectF> cellsOf(QSizeF area, int perPage, bool landscape)
{
    int across = 1;
    int down = 1;
    switch (perPage) {
    case 2:
        (landscape ? across : down) = 2;
        break;
    case 4:
        across = down = 2;
        break;
    case 6:
        across = landscape ? 3 : 2;
        down = landscape ? 2 : 3;
        break;
    default:
        break;
    }
    const double width = (area.width() - (across - 1) * cellGap) / across;
    const double height = (area.height() - (down - 1) * cellGap) / down;
    std::vector<QRectF> cells;
    for (int row = 0; row < down; ++row) {
        for (int column = 0; column < across; ++column)
            cells.emplace_back(column * (width + cellGap), row * (height + cellGap), width, height);
    }
    return cells;
}

std::vector<QString> answerLines(const Board& board)
{
    std::vector<QString> lines;
    for (int slot = 0; slot < 8; ++slot) {
        const auto line = board.line(slot);
        if (!line)
            continue;
        const QString equation = QString::fromStdString(equationOf(*line, Minus::Typographic).Plain);
        const QString domain = QString::fromStdString(domainText(*line));
        lines.push_back(u"%1 %2 (%3)"_s.arg(QChar(0x2460 + slot), equation, domain));
    }
    return lines;
}

std::vector<SheetPlane> sheetPlanes(std::span<const Board> lessons, SheetKind kind)
{
    std::vector<SheetPlane> planes;
    const auto add = [&](bool answer) {
        for (std::size_t i = 0; i < lessons.size(); ++i)
            planes.push_back({&lessons[i], answer, static_cast<int>(i) + 1});
    };
    if (kind != SheetKind::Answer)
        add(false);
    if (kind != SheetKind::Problem)
        add(true);
    return planes;
}

void drawWorksheet(QPagedPaintDevice& device, std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    QPainter painter(&device);
    const PageScale scale(device);
    const QSizeF area = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const std::vector<QRectF> cells = pageCells(area, settings);
    const std::vector<std::span<const SheetPlane>> pages = pagesOf(planes, cells.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        const std::span<const SheetPlane> onPage = pages[page];
        if (!settings.Figure) {
            double y = 0;
            if (!settings.Title.isEmpty()) {
                painter.setPen(Qt::black);
                painter.setFont(sheetFont(16, true));
                painter.drawText(scale.rect(QRectF(0, 0, area.width(), titleRow - 2)),
                    Qt::AlignHCenter | Qt::AlignBottom, settings.Title);
                y += titleRow;
            }
            drawNameLine(painter, scale, QRectF(0, y, area.width(), nameRow));
        }
        const int rows = listRows(onPage);
        for (std::size_t i = 0; i < onPage.size(); ++i) {
            if (onPage[i].Source)
                drawCell(painter, device, scale, cells[i], onPage[i], rows, settings);
        }
    }
}

bool worksheetFits(std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    const QSizeF area = pageLayoutOf(settings).paintRect(QPageLayout::Millimeter).size();
    const std::vector<QRectF> cells = pageCells(area, settings);
    for (const std::span<const SheetPlane> page : pagesOf(planes, cells.size())) {
        const int rows = listRows(page);
        for (std::size_t i = 0; i < page.size(); ++i) {
            if (!page[i].Source)
                continue;
            const PagePlane plane = planeInArea(pictureArea(cells[i], rows, settings).size(), *page[i].Source,
                settings.UnitMillimetres, settings.CentreOnLines);
            if (plane.Range.width() < 2 || plane.Range.height() < 2)
                return false;
        }
    }
    return true;
}

QByteArray worksheetPdf(std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(pageLayoutOf(settings));
        writer.setTitle(settings.Title.isEmpty() ? u"Zelmora"_s : settings.Title);
        writer.setCreator(u"Zelmora"_s);
        drawWorksheet(writer, planes, settings);
    }
    return tidyPdf(bytes);
}

std::optional<OutputFault> writeWorksheet(
    const QString& path, std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    if (saveFileAtomically(path, worksheetPdf(planes, settings)))
        return OutputFault::Unwritable;
    return std::nullopt;
}

} // namespace zelmora
