// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "output/PictureOutput.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class QPagedPaintDevice;

namespace zelmora {

// Worksheets on paper, printed or written as PDF: the paper and its margins, where the planes of
// a page stand, the whole units each plane shows, and the pages themselves (a title, a line for
// class, number and name, the planes and, on an answer sheet, each plane's equations). Lengths on
// the page are millimetres from the top-left corner of the printable area.

enum class Paper { A4, B5, A3, Letter };

struct PaperChoice {
    Paper Id;
    const char16_t* Name; // as the dialog and the command line write it
    QPageSize::PageSizeId Size;
};

// B5 is the Japanese B5 (182 x 257 mm) that school notebooks and copiers use.
inline constexpr std::array<PaperChoice, 4> Papers{{
    {Paper::A4, u"A4", QPageSize::A4},
    {Paper::B5, u"B5", QPageSize::JisB5},
    {Paper::A3, u"A3", QPageSize::A3},
    {Paper::Letter, u"Letter", QPageSize::Letter},
}};

// The paper a name stands for, in any case.
std::optional<Paper> paperNamed(const QString& name);

// How many planes a page holds, and the scales a sheet can be printed at (one unit, in millimetres).
inline constexpr std::array<int, 4> PlanesPerPage{1, 2, 4, 6};
inline constexpr double MinUnitMillimetres = 2;
inline constexpr double MaxUnitMillimetres = 20;

// The margins a worksheet may have, in millimetres.
inline constexpr double MinMarginMillimetres = 5;
inline constexpr double MaxMarginMillimetres = 30;

// How many whole units a plane fitted to its paper shows each way from its middle, unless asked
// otherwise, and the most it may be asked to show.
inline constexpr int DefaultFitUnits = 10;
inline constexpr int MaxFitUnits = 50;

// Which sheets a worksheet holds for each lesson.
enum class SheetKind {
    Problem,          // 問題用: the planes without the lines and without the list of equations
    Answer,           // the lines, each plane followed by its equations
    ProblemAndAnswer, // the problem sheets, then their answer key
};

struct WorksheetSettings {
    Paper PaperSize = Paper::A4;
    bool Landscape = false;
    double MarginMillimetres = 10;
    double UnitMillimetres = 0;     // 0: FitUnits each way at the largest scale that fits
    int FitUnits = DefaultFitUnits; // -FitUnits..FitUnits units across and down when fitted
    bool CentreOnLines = false;     // the plane's middle where the lines are, not at the origin
    int PerPage = 1;
    SheetKind Kind = SheetKind::Answer;
    bool BlackAndWhite = false;
    bool Plain = false;          // a white plane in colour
    bool PointNamesOnly = false; // problem sheets name their points 「A」, without the coordinates
    QString Title;
    bool Figure = false; // the plane alone, for placing in other documents: no title, name line or list
    std::optional<QSizeF> PageMillimetres; // a page of this size rather than the paper's
};

// The page size, orientation and margins of a worksheet.
QPageLayout pageLayoutOf(const WorksheetSettings& settings);

// Whole plane units: Left ≤ χ ≤ Right, Bottom ≤ y ≤ Top.
struct UnitRange {
    int Left = 0;
    int Right = 0;
    int Bottom = 0;
    int Top = 0;

    int width() const { return Right - Left; }
    int height() const { return Top - Bottom; }
    friend bool operator==(const UnitRange&, const UnitRange&) = default;
};

// A plane on paper: the units it shows, the length of one, the pixels of one on the sheet's
// surface (whose pixel is about 1/96 inch at every scale, see sheetUnitPixels), and where its
// picture stands in the area it was given (millimetres from that area's top-left corner).
struct PagePlane {
    UnitRange Range;
    double UnitMillimetres = 0;
    std::int16_t UnitPixels = 1;
    QRectF Place;
};

// The picture's frame around the outermost grid lines, in surface pixels, so that they are drawn
// whole.
inline constexpr int SheetFramePixels = 2;

// The pixels of one unit on a sheet's surface: as many whole pixels of 1/96 inch as the unit
// holds, so that a pixel on paper is never smaller than that and lines and letters keep their
// sizes whatever the scale and whatever size the lesson was saved at.
std::int16_t sheetUnitPixels(double unitMillimetres);

// The plane an area of paper holds. At a fixed scale, the whole units that fit; fitted, fitUnits
// each way at the largest scale at which they fit. Centred on the origin, or on the drawn
// segments. Never larger than the area. The lesson's own plane size plays no part.
PagePlane planeInArea(
    QSizeF area, const Board& board, double unitMillimetres, bool centreOnLines, int fitUnits = DefaultFitUnits);

// The frame that draws a plane placed on paper: its surface at the sheet's own pixels, with the
// edges of a sheet, its corner at a point of the page (millimetres) on a device of so many dots a
// millimetre.
PictureFrame sheetFrame(const PagePlane& placed, QPointF corner, double dotsPerMillimetre);

// Where the planes of a page stand in the area left for them, in reading order: of the ways to
// put them across and down, the one whose cells, less the room each needs above and below its
// picture (overhead, millimetres, for a cell of that width), leave the largest square. Millimetres.
std::vector<QRectF> cellsOf(QSizeF area, int perPage, const std::function<double(double)>& overhead = {});

// The slots whose segments lie wholly outside a plane's units, in order.
std::vector<int> slotsOffPlane(const Board& board, const UnitRange& range);

// The equations an answer sheet lists under a plane, one for each slot holding a line, as a
// textbook writes them: "① y = −2/3χ + 1 (−3 ≦ χ ≦ 3)".
std::vector<QString> answerLines(const Board& board);

// One plane of a worksheet: the lesson's board, as a problem or with its answers.
struct SheetPlane {
    const Board* Source = nullptr;
    bool Answer = false;
    int Number = 1; // the number the plane carries on the sheet
};

// The planes of a worksheet in page order: for each lesson its sheet, copies times over (as many as
// fill a page, when one lesson is printed for a class), or all the problem sheets and then all the
// answer sheets.
std::vector<SheetPlane> sheetPlanes(std::span<const Board> lessons, SheetKind kind, int copies = 1);

// Why a worksheet cannot be made: a plane that would show fewer than two units across or down at
// its scale (or fitted, one smaller than the smallest scale), or a title too long for two lines at
// the smallest title size.
enum class SheetFault { PlanesTooSmall, TitleTooLong };
std::optional<SheetFault> worksheetFault(std::span<const SheetPlane> planes, const WorksheetSettings& settings);

// A drawn line that lies wholly off the plane it belongs to: the plane's number and the slot.
struct LineOffPlane {
    int Plane = 1;
    int Slot = 0;
    friend bool operator==(const LineOffPlane&, const LineOffPlane&) = default;
};
// The lines of the lessons that would stand off their planes, each once, in order.
std::vector<LineOffPlane> linesOffPlanes(std::span<const SheetPlane> planes, const WorksheetSettings& settings);

// Draws the pages on a printer or a PDF writer whose page layout is already pageLayoutOf(settings);
// for a PDF, with the readings its text layer is to be given (see PictureFrame).
void drawWorksheet(QPagedPaintDevice& device, std::span<const SheetPlane> planes, const WorksheetSettings& settings,
    QStringList* readings = nullptr);

// A worksheet as a PDF document, its colours and text in the forms other programs keep.
QByteArray worksheetPdf(std::span<const SheetPlane> planes, const WorksheetSettings& settings);

// Writes a worksheet as a PDF file, atomically.
std::optional<OutputFault> writeWorksheet(
    const QString& path, std::span<const SheetPlane> planes, const WorksheetSettings& settings);

} // namespace zelmora
