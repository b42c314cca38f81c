// SPDX-License-Identifier: MIT
#include "app/companions/ProjectorWindow.h"

#include "app/words/Look.h"
#include "output/PictureOutput.h"
#include "picture/Picture.h"
#include "plane/PainterSurface.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

} // namespace

ProjectorWindow::ProjectorWindow(const Board& board, QWidget* mainWindow)
    : CompanionWindow(mainWindow, Qt::Window | Qt::FramelessWindowHint)
    , State(board)
{
    setObjectName(u"Projector"_s);
    setWindowTitle(tr("Zelmora — 大きく映す"));
    setAccessibleName(tr("座標平面（大きく映す）"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    if (QScreen* screen = chooseScreen(mainWindow)) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
}

ProjectorWindow::~ProjectorWindow() = default;

QScreen* ProjectorWindow::chooseScreen(const QWidget* mainWindow)
{
    QScreen* own = mainWindow != nullptr ? mainWindow->screen() : QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != own)
            return screen;
    }
    return own;
}

void ProjectorWindow::showBoard(const Board&)
{
    update();
}

bool ProjectorWindow::closesOn(const QKeyEvent& event) const
{
    return event.key() == Qt::Key_Escape || event.key() == Qt::Key_F5;
}

// The renderer draws at the screen's size: the 600 x 600 picture scaled to the height, centred on
// green as the window is.
void ProjectorWindow::paintEvent(QPaintEvent*)
{
    const double side = std::min(width(), height());
    const QPointF corner((width() - side) / 2, (height() - side) / 2);
    {
        QPainter background(this);
        background.fillRect(rect(), look::Green);
    }
    QTransform toScreen;
    toScreen.translate(corner.x(), corner.y());
    toScreen.scale(side / PictureSide, side / PictureSide);
    if (!Surface || SurfaceSize != size()) {
        QFont font(PlaneFace);
        font.setPixelSize(pixelsForPoints(9));
        Surface = std::make_unique<PainterSurface>(
            *this, QSizeF(PictureSide, PictureSide), toQColor(PlaneBackground), font, toScreen);
        SurfaceSize = size();
    }
    const PainterSurface::Batch batch(*Surface);
    // The window's axis names stand beside its picture; here the picture stands alone.
    drawPicture(*Surface, State, AxisNames::Inside);
}

} // namespace zelmora
