// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "plane/DrawPlane.h"
#include "plane/PainterSurface.h"

#include <QImage>

#include <QColor>
#include <QFont>

namespace zelmora::bench {

// What the drawing benchmarks share with the window: a 600 x 600 surface of logical pixels at a
// device pixel ratio of 1, its light-yellow background and the 20-point Japanese face of the
// plane's numbers.

inline const QColor PlaneBackground = toQColor(zelmora::PlaneBackground);
inline constexpr int PlaneSize = PictureSide;

inline QFont planeFont()
{
    QFont font(PlaneFace);
    font.setPointSizeF(PlaneFontPoints);
    return font;
}

// The window's surface: a persistent image at a device pixel ratio of 1 under the painter surface.
struct PlaneCanvas {
    PlaneCanvas()
        : Image(PlaneSize, PlaneSize, QImage::Format_RGB32)
        , Surface(planeSurface(Image))
    {
        Image.fill(PlaneBackground);
        Surface.FontSize(PlaneFontPoints);
    }

    QImage Image;
    PainterSurface Surface;
};

// A board with eight lines a pupil might draw: rising, falling, steep, flat, fractional, some
// reaching past the edges, most of them meeting.
inline Board eightLineBoard()
{
    Board board;
    const EntryTexts texts[]
        = {{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"}, {"-1", "0", "-10", "10"},
            {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"}, {"5/2", "-1/3", "-4", "4"}};
    for (const EntryTexts& line : texts)
        board.draw(line);
    return board;
}

} // namespace zelmora::bench
