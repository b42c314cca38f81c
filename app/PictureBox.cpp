// SPDX-License-Identifier: MIT
#include "app/PictureBox.h"

#include "app/Look.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr int SurfaceSize = 600;

qreal displayPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , Surface(Image, QSizeF(SurfaceSize, SurfaceSize), look::PlaneBackground, look::font(9, false))
{
    makeImage(displayPixelRatio());
    setFixedSize(SurfaceSize, SurfaceSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    Surface.setChangedCallback([this] { update(); });
    Surface.setRefreshCallback([this] { update(); });

    // Teachers paste the plane into worksheets. Ctrl+C stays the entry boxes' own copy.
    auto* copy = new QAction(u"図をコピー"_s, this);
    copy->setObjectName(u"CopyPicture"_s);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &PictureBox::copyRequested);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// The image is tagged with its true resolution, 96 dots per inch times the ratio, so that a copy
// pastes elsewhere at the size it has on screen.
void PictureBox::makeImage(qreal ratio)
{
    Image = QImage(qRound(SurfaceSize * ratio), qRound(SurfaceSize * ratio), QImage::Format_RGB32);
    Image.setDevicePixelRatio(ratio);
    const int dotsPerMeter = qRound(ratio * 96.0 / 0.0254);
    Image.setDotsPerMeterX(dotsPerMeter);
    Image.setDotsPerMeterY(dotsPerMeter);
    Image.fill(look::PlaneBackground);
}

void PictureBox::setPixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == Image.devicePixelRatio())
        return;
    makeImage(ratio);
    Q_EMIT pixelRatioChanged();
    update();
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
    painter.drawImage(QPoint(0, 0), Image);
}

} // namespace zelmora
