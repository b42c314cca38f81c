// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <optional>

class QPaintDevice;

namespace zelmora {

// The board's picture on paper and in files: PNG at the screen's pixels or more, SVG and PDF as
// vectors with real text, and the pages of a printer. Every one is drawn by the same renderer as
// the window, at its own resolution.

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its ending (.png, .svg, .pdf, in any case), if any.
std::optional<PictureFormat> pictureFormatFor(const QString& path);

struct PictureSettings {
    bool Problem = false;       // 問題用: the plane without the lines, for pupils to draw on
    bool BlackAndWhite = false; // every line and text black, on white
    double UnitMillimetres = 0; // one plane unit on paper; 0 fits the page (PDF, print) or keeps
                                // the screen's size (SVG, PNG)
    int PngScale = 1;           // PNG pixels per screen pixel: 1, 2 or 4
};

// Where the 600 x 600 picture stands on a page whose printable area is given in millimetres, at
// one plane unit = UnitMillimetres (or as large as fits): centred, in millimetres. It may be larger
// than the page, which then shows its middle.
QRectF pictureOnPage(QSizeF page, const Board& board, const PictureSettings& settings);

// The transform from surface pixels to the device pixels of a page (printable area in millimetres,
// the device's dots per inch), placing the picture as pictureOnPage does.
QTransform toPage(QSizeF page, double dotsPerInch, const Board& board, const PictureSettings& settings);

// Draws the picture on a device through a transform from surface pixels to the device, in one
// batch, clipped to the 600 x 600 picture.
void drawPictureOn(
    QPaintDevice& device, const QTransform& toDevice, const Board& board, const PictureSettings& settings);

// Why a picture could not be written.
enum class OutputFault { UnknownFormat, Unwritable };

// Writes the picture to a file, atomically: on failure any old file stays as it was.
std::optional<OutputFault> writePicture(const QString& path, const Board& board, const PictureSettings& settings);

} // namespace zelmora
