#include "app/PictureBox.h"

#include "app/Look.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace zelmora {
namespace {

constexpr int SurfaceSize = 600;

// The image is made at the display's pixel ratio, so that a scaled display shows it sharp.
qreal displayPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , Surface(SurfaceSize, SurfaceSize, displayPixelRatio(), look::PlaneBackground, look::font(9, false))
{
    setFixedSize(SurfaceSize, SurfaceSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Surface.setChangedCallback([this] { update(); });
    Surface.setRefreshCallback([this] { update(); });
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Surface.image());
}

} // namespace zelmora
