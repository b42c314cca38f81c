// SPDX-License-Identifier: MIT
#include "app/PictureBox.h"

#include "app/Look.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
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
    setFocusPolicy(Qt::StrongFocus);
    Surface.setChangedCallback([this] { update(); });
    Surface.setRefreshCallback([this] { update(); });
}

void PictureBox::setPixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == Surface.image().devicePixelRatio())
        return;
    Surface.setDevicePixelRatio(ratio);
    Q_EMIT pixelRatioChanged();
}

bool PictureBox::event(QEvent* event)
{
    // Sent when the window has moved to another screen, whose pixel ratio may differ.
    if (event->type() == QEvent::ScreenChangeInternal)
        setPixelRatio(devicePixelRatioF());
    return QWidget::event(event);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() == Qt::Key_Menu || shiftF10) {
        // The menu opens near the top-left corner, inside the picture.
        const QPoint at(8, 8);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        QCoreApplication::sendEvent(this, &menu);
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Surface.image());
}

} // namespace zelmora
