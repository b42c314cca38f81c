// SPDX-License-Identifier: MIT
#include "output/Worksheet.h"

#include "facts/Equation.h"
#include "facts/ExactLine.h"
#include "facts/LineFacts.h"
#include "lesson/LessonFile.h"
#include "output/PdfTidy.h"
#include "plane/PainterSurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

// The catalogue's context for the worksheet's words.
struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(zelmora::Worksheet)
};

constexpr double millimetresPerInch = 25.4;

// The rows of a page above its planes, and of a plane above and below its picture, in millimetres.
constexpr double nameRow = 12;
constexpr double numberRow = 7;
constexpr double cellGap = 6;
// The title: its largest and smallest sizes, in points, and the room kept at either end of its
// row for the answer pages' mark, in millimetres, so that problem and answer pages keep one layout.
constexpr double titlePoints = 16;
constexpr double smallestTitlePoints = 10;
constexpr int titleLines = 2;
constexpr double answerMarkRoom = 18;
constexpr double answerMarkPoints = 12;
// A pixel of a sheet's surface: 1/96 inch, the size the window's pixels are drawn for.
constexpr double pixelMillimetres = millimetresPerInch / 96;
// Texts are laid out for a sheet at this resolution, whatever the device, so that a worksheet
// wraps its lines the same on a printer, in a PDF and in the checks before either.
constexpr double layoutDotsPerInch = 600;

// Half the whole units that fit a length, and the frame around the outermost grid lines, at a scale.
int unitsFitting(double length, double unitMillimetres)
{
    const double frame = 2.0 * SheetFramePixels * unitMillimetres / sheetUnitPixels(unitMillimetres);
    // A little slack, so that a length that holds a whole number of units exactly still holds them.
    return std::max(0, static_cast<int>(std::floor((length - frame) / unitMillimetres + 1e-9)));
}

// The ends of a slot's segment in plane units, if it holds a drawn line with finite ends.
std::optional<std::array<PlanePoint, 2>> segmentOf(const SlotTable& table, int slot)
{
    if (!table.isDrawn(slot))
        return std::nullopt;
    const double a = double(table.get(slot, SlotTable::ANum)) / table.get(slot, SlotTable::ADen);
    const double b = double(table.get(slot, SlotTable::BNum)) / table.get(slot, SlotTable::BDen);
    std::array<PlanePoint, 2> ends;
    for (int end = 0; end < 2; ++end) {
        const double x = table.get(slot, end == 0 ? SlotTable::XFrom : SlotTable::XTo);
        ends[std::size_t(end)] = {x, x * a + b};
        if (!std::isfinite(ends[std::size_t(end)].X) || !std::isfinite(ends[std::size_t(end)].Y))
            return std::nullopt;
    }
    return ends;
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
        const auto ends = segmentOf(table, slot);
        if (!ends)
            continue;
        for (const PlanePoint& end : *ends)
            include(end.X, end.Y);
    }
    return extent;
}

// Whether a segment meets a rectangle: the part of it inside, by cutting it at each side in turn.
bool meets(std::array<PlanePoint, 2> ends, const UnitRange& range)
{
    double from = 0;
    double to = 1;
    const double dx = ends[1].X - ends[0].X;
    const double dy = ends[1].Y - ends[0].Y;
    const std::array<std::pair<double, double>, 4> sides{{{-dx, ends[0].X - range.Left}, {dx, range.Right - ends[0].X},
        {-dy, ends[0].Y - range.Bottom}, {dy, range.Top - ends[0].Y}}};
    for (const auto& [p, q] : sides) {
        if (p == 0) {
            if (q < 0)
                return false;
            continue;
        }
        const double t = q / p;
        if (p < 0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
        if (from > to)
            return false;
    }
    return true;
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
    QFont font(PlaneFace);
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

// The device texts are laid out on before they are drawn: an image at the layout resolution.
const QPaintDevice& layoutDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(layoutDotsPerInch / millimetresPerInch * 1000);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

// A text broken into lines no wider than width millimetres, at word boundaries where it can and
// anywhere where a word alone is wider, so that nothing is cut at the edge.
std::vector<QString> wrapped(const QString& text, const QFont& font, double width)
{
    QTextLayout layout(text, font, const_cast<QPaintDevice*>(&layoutDevice()));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    std::vector<QString> lines;
    const double dots = width * layoutDotsPerInch / millimetresPerInch;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(dots);
        lines.push_back(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

// The title's lines and size: as large as it may be while it takes at most two lines.
struct TitleLayout {
    double Points = titlePoints;
    std::vector<QString> Lines;

    double millimetres() const { return Lines.size() * Points * millimetresPerInch / 72 * 1.3 + 3; }
};

std::optional<TitleLayout> titleLayout(const QString& title, double width)
{
    for (double points = titlePoints; points >= smallestTitlePoints; points -= 1) {
        std::vector<QString> lines = wrapped(title, sheetFont(points, true), width - 2 * answerMarkRoom);
        if (lines.size() <= std::size_t(titleLines))
            return TitleLayout{points, std::move(lines)};
    }
    return std::nullopt;
}

void drawNameLine(QPainter& painter, const PageScale& scale, const QRectF& row, bool answers, bool marked)
{
    painter.setFont(sheetFont(12, false));
    painter.setPen(QPen(Qt::black, scale.dots(0.3)));
    const QRectF text = scale.rect(row.adjusted(row.width() * 0.4, 0, 0, -2));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignBottom, Worksheet::tr("　　　組　　　番　名前"));
    painter.drawLine(
        QPointF(text.left(), text.bottom() + scale.dots(0.8)), QPointF(text.right(), text.bottom() + scale.dots(0.8)));
    if (answers && !marked) {
        painter.setFont(sheetFont(answerMarkPoints, true));
        painter.drawText(scale.rect(row.adjusted(0, 0, -row.width() * 0.6, -2)), Qt::AlignLeft | Qt::AlignBottom,
            Worksheet::tr("解答"));
    }
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

// An answer list's lines at a width, each equation wrapped rather than cut at the cell's edge.
std::vector<QString> listLines(const Board& board, double width, const WorksheetSettings& settings)
{
    std::vector<QString> lines;
    for (const QString& line : answerLines(board)) {
        for (QString& part : wrapped(line, sheetFont(listPoints(settings), false), width))
            lines.push_back(std::move(part));
    }
    return lines;
}

// The crossings whose coordinates found no place on the picture, as the list under it gives
// them: 「交点 (9/8, 1/4)　(−3, 2)」, wrapped like the equations; none when every one was placed.
std::vector<QString> crossingLines(
    const std::vector<ExactPoint>& leftOut, double width, const WorksheetSettings& settings)
{
    if (leftOut.empty())
        return {};
    // A line breaks between two points, never inside one's coordinates, unless one alone is wider.
    const QFont font = sheetFont(listPoints(settings), false);
    std::vector<QString> lines;
    QString line = Worksheet::tr("交点");
    for (const ExactPoint& point : leftOut) {
        const QString coordinates = u"(%1, %2)"_s.arg(QString::fromStdString(fractionText(point.X, Minus::Typographic)),
            QString::fromStdString(fractionText(point.Y, Minus::Typographic)));
        const QString longer = &point == &leftOut.front()
            ? line + u' ' + coordinates
            : Worksheet::tr("%1　%2", "two crossings of the list side by side").arg(line, coordinates);
        if (&point == &leftOut.front() || wrapped(longer, font, width).size() == 1) {
            line = longer;
            continue;
        }
        for (QString& part : wrapped(line, font, width))
            lines.push_back(std::move(part));
        line = coordinates;
    }
    for (QString& part : wrapped(line, font, width))
        lines.push_back(std::move(part));
    return lines;
}

// How many lines the tallest list on the page has at the cells' width: every plane keeps that
// room below it, problem or answer, so that the planes of a problem sheet and its answers are the
// same.
int listRows(std::span<const SheetPlane> planes, double width, const WorksheetSettings& settings)
{
    int rows = 0;
    for (const SheetPlane& plane : planes) {
        if (plane.Source)
            rows = std::max(rows, static_cast<int>(listLines(*plane.Source, width, settings).size()));
    }
    return rows;
}

// The part of a cell the picture may take: below the plane's number, above its equations.
QRectF pictureArea(const QRectF& cell, int rows, const WorksheetSettings& settings)
{
    if (settings.Figure)
        return cell;
    return cell.adjusted(0, numberRow, 0, -rows * listRowMillimetres(settings));
}

// The rows above the planes of a page: the title, when there is one, and the name line.
double headerMillimetres(double width, const WorksheetSettings& settings)
{
    if (settings.Figure)
        return 0;
    if (settings.Title.isEmpty())
        return nameRow;
    const auto title = titleLayout(settings.Title, width);
    return (title ? title->millimetres() : 0) + nameRow;
}

// The cells of the pages that hold these planes; their lists are the longest of all pages, so
// that every page has the same cells.
// extraRows: the rows kept beyond the equations, for the crossings listed there.
std::vector<QRectF> pageCells(
    QSizeF area, std::span<const SheetPlane> planes, const WorksheetSettings& settings, int extraRows)
{
    const double top = headerMillimetres(area.width(), settings);
    const auto overhead = [&](double width) {
        return settings.Figure
            ? 0.0
            : numberRow + (listRows(planes, width, settings) + extraRows) * listRowMillimetres(settings);
    };
    std::vector<QRectF> cells = cellsOf(QSizeF(area.width(), area.height() - top), settings.PerPage, overhead);
    for (QRectF& cell : cells)
        cell.translate(0, top);
    return cells;
}

PagePlane placedIn(const QRectF& cell, const SheetPlane& plane, int rows, const WorksheetSettings& settings)
{
    return planeInArea(pictureArea(cell, rows, settings).size(), *plane.Source, settings.UnitMillimetres,
        settings.CentreOnLines, settings.FitUnits);
}

PictureSettings pictureSettingsOf(const SheetPlane& plane, const WorksheetSettings& settings)
{
    PictureSettings picture;
    picture.Problem = !plane.Answer;
    picture.BlackAndWhite = settings.BlackAndWhite;
    picture.Plain = settings.Plain;
    picture.PointNamesOnly = settings.PointNamesOnly;
    // An answer plane's list names every line with its equation.
    picture.LinesListed = plane.Answer && !settings.Figure;
    return picture;
}

// The rows an answer plane's list takes at a width once it is placed: its equations, and the
// crossings whose coordinates find no place on its picture, found by drawing it on a page of its
// own at the resolution of a worksheet's PDF.
int listRowsOnce(const SheetPlane& plane, const PagePlane& placed, double width, const WorksheetSettings& settings)
{
    const Board& board = *plane.Source;
    if (!plane.Answer || !board.showOptions().Intersections || placed.Range.width() <= 0 || placed.Range.height() <= 0)
        return 0;
    const auto rows = static_cast<int>(listLines(board, width, settings).size());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    const std::vector<ExactPoint> leftOut = drawPictureOn(writer, nullptr,
        sheetFrame(placed, QPointF(), 600 / millimetresPerInch), board, pictureSettingsOf(plane, settings));
    // Listed from the picture's left edge, as drawCell writes them.
    return rows + static_cast<int>(crossingLines(leftOut, width - placed.Place.left(), settings).size());
}

void drawCell(QPainter& painter, QPagedPaintDevice& device, const PageScale& scale, const QRectF& cell,
    const SheetPlane& plane, int rows, const WorksheetSettings& settings, QStringList* readings)
{
    const Board& board = *plane.Source;
    const double rowMillimetres = listRowMillimetres(settings);
    const QRectF area = pictureArea(cell, rows, settings);
    const PagePlane placed = placedIn(cell, plane, rows, settings);
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

    PictureFrame frame = sheetFrame(placed, picture.topLeft(), scale.DotsPerMillimetre);
    frame.Readings = readings;
    const std::vector<ExactPoint> leftOut
        = drawPictureOn(device, &painter, frame, board, pictureSettingsOf(plane, settings));

    if (settings.Figure || !plane.Answer)
        return;
    painter.setPen(Qt::black);
    painter.setFont(sheetFont(listPoints(settings), false));
    double y = picture.bottom() + 1;
    const double width = cell.right() - picture.left();
    std::vector<QString> lines = listLines(board, width, settings);
    for (QString& line : crossingLines(leftOut, width, settings))
        lines.push_back(std::move(line));
    for (const QString& line : lines) {
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

// Calls visit(cell, plane, rows) for every plane of the worksheet, page by page.
template <typename Visit>
void forEachPlane(std::span<const SheetPlane> planes, const WorksheetSettings& settings, QSizeF area, Visit&& visit)
{
    // The crossings a picture finds no room for are listed under it: the rows for them are kept
    // too, and since they take room from the planes, which may then leave out more, until the
    // room suffices. The rows only grow, and no more than the crossings there are.
    std::vector<QRectF> cells;
    int rows = 0;
    for (int extra = 0, rounds = 0;; ++rounds) {
        cells = pageCells(area, planes, settings, extra);
        if (cells.empty())
            return;
        rows = settings.Figure ? 0 : listRows(planes, cells.front().width(), settings) + extra;
        if (settings.Figure || rounds == 8)
            break;
        int needed = rows;
        for (const std::span<const SheetPlane> page : pagesOf(planes, cells.size())) {
            for (std::size_t i = 0; i < page.size(); ++i) {
                if (page[i].Source)
                    needed = std::max(needed,
                        listRowsOnce(page[i], placedIn(cells[i], page[i], rows, settings), cells[i].width(), settings));
            }
        }
        if (needed <= rows)
            break;
        extra += needed - rows;
    }
    for (const std::span<const SheetPlane> page : pagesOf(planes, cells.size())) {
        visit(page, cells, rows);
    }
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
    if (settings.PageMillimetres) {
        return QPageLayout(
            QPageSize(*settings.PageMillimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    }
    return QPageLayout(QPageSize(paper->Size), settings.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

std::int16_t sheetUnitPixels(double unitMillimetres)
{
    return static_cast<std::int16_t>(std::clamp(std::floor(unitMillimetres / pixelMillimetres + 1e-9), 1.0, 30000.0));
}

PictureFrame sheetFrame(const PagePlane& placed, QPointF corner, double dotsPerMillimetre)
{
    const int s = placed.UnitPixels;
    PictureFrame frame;
    frame.Size
        = QSizeF(placed.Range.width() * s + 2.0 * SheetFramePixels, placed.Range.height() * s + 2.0 * SheetFramePixels);
    frame.Geometry
        = {SheetFramePixels - placed.Range.Left * s, SheetFramePixels + placed.Range.Top * s, placed.UnitPixels};
    frame.Edges = PlaneEdges::Sheet;
    frame.ToDevice.scale(dotsPerMillimetre, dotsPerMillimetre);
    frame.ToDevice.translate(corner.x(), corner.y());
    frame.ToDevice.scale(placed.UnitMillimetres / s, placed.UnitMillimetres / s);
    return frame;
}

PagePlane planeInArea(QSizeF area, const Board& board, double unitMillimetres, bool centreOnLines, int fitUnits)
{
    PagePlane plane;
    int across = 0;
    int down = 0;
    if (unitMillimetres > 0) {
        plane.UnitMillimetres = unitMillimetres;
        plane.UnitPixels = sheetUnitPixels(unitMillimetres);
        across = unitsFitting(area.width(), unitMillimetres);
        down = unitsFitting(area.height(), unitMillimetres);
    } else {
        across = down = 2 * std::max(1, fitUnits);
        const double side = std::min(area.width(), area.height());
        // The frame is a few pixels of the sheet's surface, whose pixels follow the unit: fewer
        // pixels a unit make the frame wider and the unit smaller, so the count only falls, and
        // stops where the unit holds exactly its pixels of at least 1/96 inch.
        plane.UnitPixels = sheetUnitPixels(side / across);
        for (;;) {
            plane.UnitMillimetres = side / (across + 2.0 * SheetFramePixels / plane.UnitPixels);
            const std::int16_t pixels = sheetUnitPixels(plane.UnitMillimetres);
            if (pixels >= plane.UnitPixels)
                break;
            plane.UnitPixels = pixels;
        }
    }
    const auto extent = centreOnLines ? linesExtent(board.slotTable(), board.lineForms()) : std::nullopt;
    if (extent) {
        std::tie(plane.Range.Left, plane.Range.Right) = unitsAround((extent->Left + extent->Right) / 2, across);
        std::tie(plane.Range.Bottom, plane.Range.Top) = unitsAround((extent->Bottom + extent->Top) / 2, down);
    } else {
        plane.Range = {-(across / 2), across / 2, -(down / 2), down / 2};
    }
    const double frame = SheetFramePixels * plane.UnitMillimetres / plane.UnitPixels;
    const double width = plane.Range.width() * plane.UnitMillimetres + 2 * frame;
    const double height = plane.Range.height() * plane.UnitMillimetres + 2 * frame;
    plane.Place = {(area.width() - width) / 2, (area.height() - height) / 2, width, height};
    return plane;
}

std::vector<QRectF> cellsOf(QSizeF area, int perPage, const std::function<double(double)>& overhead)
{
    perPage = std::max(1, perPage);
    int across = 1;
    double largest = -std::numeric_limits<double>::infinity();
    for (int columns = 1; columns <= perPage; ++columns) {
        if (perPage % columns != 0)
            continue;
        const int rows = perPage / columns;
        const double width = (area.width() - (columns - 1) * cellGap) / columns;
        const double height = (area.height() - (rows - 1) * cellGap) / rows - (overhead ? overhead(width) : 0.0);
        // Strictly larger, so that of two equal ways the one with fewer columns stands.
        if (std::min(width, height) > largest + 1e-9) {
            largest = std::min(width, height);
            across = columns;
        }
    }
    const int down = perPage / across;
    const double width = (area.width() - (across - 1) * cellGap) / across;
    const double height = (area.height() - (down - 1) * cellGap) / down;
    std::vector<QRectF> cells;
    for (int row = 0; row < down; ++row) {
        for (int column = 0; column < across; ++column)
            cells.emplace_back(column * (width + cellGap), row * (height + cellGap), width, height);
    }
    return cells;
}

std::vector<int> slotsOffPlane(const Board& board, const UnitRange& range)
{
    std::vector<int> slots;
    for (int slot = 0; slot < SlotTable::Rows; ++slot) {
        auto ends = segmentOf(board.slotTable(), slot);
        if (const auto line = exactLineOf(board.slotTable(), board.lineForms(), slot); line && line->Vertical) {
            const double x = line->At.get_d();
            ends = std::array<PlanePoint, 2>{PlanePoint{x, line->From.get_d()}, PlanePoint{x, line->To.get_d()}};
        }
        if (ends && !meets(*ends, range))
            slots.push_back(slot);
    }
    return slots;
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

std::vector<SheetPlane> sheetPlanes(std::span<const Board> lessons, SheetKind kind, int copies)
{
    std::vector<SheetPlane> planes;
    const auto add = [&](bool answer) {
        for (std::size_t i = 0; i < lessons.size(); ++i) {
            for (int copy = 0; copy < copies; ++copy)
                planes.push_back({&lessons[i], answer, static_cast<int>(i) + 1});
        }
    };
    if (kind != SheetKind::Answer)
        add(false);
    if (kind != SheetKind::Problem)
        add(true);
    return planes;
}

void drawWorksheet(QPagedPaintDevice& device, std::span<const SheetPlane> planes, const WorksheetSettings& settings,
    QStringList* readings)
{
    QPainter painter(&device);
    const PageScale scale(device);
    const QSizeF area = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const auto title
        = settings.Title.isEmpty() || settings.Figure ? std::nullopt : titleLayout(settings.Title, area.width());
    bool first = true;
    forEachPlane(
        planes, settings, area, [&](std::span<const SheetPlane> onPage, const std::vector<QRectF>& cells, int rows) {
            if (!first)
                device.newPage();
            first = false;
            const bool answers = !onPage.empty() && onPage.front().Answer;
            if (!settings.Figure) {
                double y = 0;
                if (title) {
                    painter.setPen(Qt::black);
                    painter.setFont(sheetFont(title->Points, true));
                    const double lineHeight = (title->millimetres() - 3) / title->Lines.size();
                    for (const QString& line : title->Lines) {
                        painter.drawText(
                            scale.rect(QRectF(answerMarkRoom, y, area.width() - 2 * answerMarkRoom, lineHeight)),
                            Qt::AlignHCenter | Qt::AlignBottom, line);
                        y += lineHeight;
                    }
                    if (answers) {
                        painter.setFont(sheetFont(answerMarkPoints, true));
                        painter.drawText(scale.rect(QRectF(area.width() - answerMarkRoom, 0, answerMarkRoom, y)),
                            Qt::AlignRight | Qt::AlignBottom, Worksheet::tr("解答"));
                    }
                    y += 3;
                }
                drawNameLine(painter, scale, QRectF(0, y, area.width(), nameRow), answers, title.has_value());
            }
            for (std::size_t i = 0; i < onPage.size(); ++i) {
                if (onPage[i].Source)
                    drawCell(painter, device, scale, cells[i], onPage[i], rows, settings, readings);
            }
        });
}

std::optional<SheetFault> worksheetFault(std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    const QSizeF area = pageLayoutOf(settings).paintRect(QPageLayout::Millimeter).size();
    if (!settings.Figure && !settings.Title.isEmpty() && !titleLayout(settings.Title, area.width()))
        return SheetFault::TitleTooLong;
    bool small = false;
    forEachPlane(
        planes, settings, area, [&](std::span<const SheetPlane> page, const std::vector<QRectF>& cells, int rows) {
            for (std::size_t i = 0; i < page.size(); ++i) {
                if (!page[i].Source)
                    continue;
                const PagePlane plane = placedIn(cells[i], page[i], rows, settings);
                small = small || plane.Range.width() < 2 || plane.Range.height() < 2
                    || plane.UnitMillimetres < MinUnitMillimetres - 1e-9;
            }
        });
    if (small)
        return SheetFault::PlanesTooSmall;
    return std::nullopt;
}

std::vector<LineOffPlane> linesOffPlanes(std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    std::vector<LineOffPlane> off;
    const QSizeF area = pageLayoutOf(settings).paintRect(QPageLayout::Millimeter).size();
    forEachPlane(
        planes, settings, area, [&](std::span<const SheetPlane> page, const std::vector<QRectF>& cells, int rows) {
            for (std::size_t i = 0; i < page.size(); ++i) {
                if (!page[i].Source)
                    continue;
                const PagePlane plane = placedIn(cells[i], page[i], rows, settings);
                for (const int slot : slotsOffPlane(*page[i].Source, plane.Range)) {
                    const LineOffPlane line{page[i].Number, slot};
                    if (std::find(off.begin(), off.end(), line) == off.end())
                        off.push_back(line);
                }
            }
        });
    return off;
}

QByteArray worksheetPdf(std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QStringList readings;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(pageLayoutOf(settings));
        writer.setTitle(settings.Title.isEmpty() ? u"Zelmora"_s : settings.Title);
        writer.setCreator(u"Zelmora"_s);
        drawWorksheet(writer, planes, settings, &readings);
    }
    return tidyPdf(bytes, readings);
}

std::optional<OutputFault> writeWorksheet(
    const QString& path, std::span<const SheetPlane> planes, const WorksheetSettings& settings)
{
    if (saveFileAtomically(path, worksheetPdf(planes, settings)))
        return OutputFault::Unwritable;
    return std::nullopt;
}

} // namespace zelmora
