// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "picture/Picture.h"
#include "plane/DrawPlane.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <optional>
#include <vector>

class QPaintDevice;
class QPainter;

namespace zelmora {

// The board's picture on paper and in files: PNG at the screen's pixels or more, SVG and PDF as
// vectors with real text, and the pages of a printer. Every one is drawn by the same renderer as
// the window, at its own resolution.

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its ending (.png, .svg, .pdf, in any case), if any.
std::optional<PictureFormat> pictureFormatFor(const QString& path);

struct PictureSettings {
    bool Problem = false;        // 問題用: the plane without the lines, for pupils to draw on
    bool BlackAndWhite = false;  // every line and text black, on white; with 線を色分け, each line
                                 // in its slot's dash pattern
    double UnitMillimetres = 0;  // one plane unit on paper; 0 fits the page (PDF, print) or keeps
                                 // the screen's size (SVG, PNG)
    int PngScale = 1;            // PNG pixels per screen pixel: 1, 2 or 4
    int Units = 0;               // PDF: -Units..Units units across and down; 0 the whole units the
                                 // window shows each way
    bool Plain = false;          // a white plane in colour, for saving ink
    bool PointNamesOnly = false; // 問題用: the points named 「A」 without their coordinates
    bool LinesListed = false;    // a list beside the picture names every line, as under an answer
                                 // sheet's plane: a legend entry with no free place is left to it
};

// Draws the picture on a device through a transform from surface pixels to the device, in one
// batch, clipped to the 600 x 600 picture, with the axis names in it.
void drawPictureOn(
    QPaintDevice& device, const QTransform& toDevice, const Board& board, const PictureSettings& settings);

// A picture of any size: its surface in pixels, the plane on it, how it meets the edges, and the
// transform from its pixels to the device.
struct PictureFrame {
    QSizeF Size{PictureSide, PictureSide};
    PlaneGeometry Geometry;
    PlaneEdges Edges = PlaneEdges::Window;
    QTransform ToDevice;
    bool TextsInside = false; // texts wholly past the edge left out, not only clipped
    // The readings of texts the document's text layer reads otherwise, for tidyPdf; none on a
    // device that keeps no text layer of its own making.
    QStringList* Readings = nullptr;
};

// Draws the board's lines (none for a problem sheet) on a plane of any size, with the axis names,
// on a painter already open on the device (a page holding several pictures) or on one of its own.
// Gives back the crossings whose coordinates the marks found no place for.
std::vector<ExactPoint> drawPictureOn(QPaintDevice& device, QPainter* open, const PictureFrame& frame,
    const Board& board, const PictureSettings& settings);

// A copy of the window's picture (at its own pixel ratio and resolution) with the axis names in it,
// for the clipboard.
QImage withAxisNames(const QImage& picture, const PlaneGeometry& geometry);

// What the clipboard gets: the window's picture with the axis names in it, tagged with the
// resolution at which one unit measures ClipboardUnitMillimetres, as a 5 mm worksheet prints it,
// and the same picture as SVG at that size, for programs that take vectors.
inline constexpr double ClipboardUnitMillimetres = 5;
struct ClipboardPicture {
    QImage Image;
    QByteArray Svg;
};
ClipboardPicture clipboardPicture(const QImage& picture, const Board& board);

// Why a picture could not be written.
enum class OutputFault { UnknownFormat, Unwritable };

// Writes the picture to a file, atomically: on failure any old file stays as it was.
std::optional<OutputFault> writePicture(const QString& path, const Board& board, const PictureSettings& settings);

} // namespace zelmora
