// SPDX-License-Identifier: MIT
#include "app/form/PictureBox.h"

#include "app/words/Look.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

qreal displayPixelRatio()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
    , Surface(planeSurface(Image))
{
    makeImage(displayPixelRatio());
    setFixedSize(PictureSide, PictureSide);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    Surface.setChangedCallback([this] { update(); });
    Surface.setRefreshCallback([this] { update(); });

    // Teachers paste the plane into worksheets. Ctrl+C stays the entry boxes' own copy.
    CopyAction = new QAction(tr("図をコピー"), this);
    CopyAction->setObjectName(u"CopyPicture"_s);
    CopyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    CopyAction->setShortcutContext(Qt::WindowShortcut);
    connect(CopyAction, &QAction::triggered, this, &PictureBox::copyRequested);
    addAction(CopyAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// The image is tagged with its true resolution, 96 dots per inch times the ratio, so that a copy
// pastes elsewhere at the size it has on screen.
void PictureBox::makeImage(qreal ratio)
{
    Image = QImage(qRound(PictureSide * ratio), qRound(PictureSide * ratio), QImage::Format_RGB32);
    Image.setDevicePixelRatio(ratio);
    const int dotsPerMeter = qRound(ratio * 96.0 / 0.0254);
    Image.setDotsPerMeterX(dotsPerMeter);
    Image.setDotsPerMeterY(dotsPerMeter);
    Image.fill(toQColor(PlaneBackground));
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
    // A menu with something of the point under it; without, the widget's own actions as ever.
    if (event->type() == QEvent::ContextMenu && Extras) {
        const auto* asked = static_cast<QContextMenuEvent*>(event);
        const bool byKeyboard = asked->reason() == QContextMenuEvent::Keyboard;
        QMenu menu(this);
        Extras(menu, asked->pos(), byKeyboard);
        if (!menu.isEmpty()) {
            menu.addSeparator();
            menu.addAction(CopyAction);
            menu.exec(asked->globalPos());
            return true;
        }
    }
    return QWidget::event(event);
}

void PictureBox::setMarker(const std::optional<Marker>& marker)
{
    Traced = marker;
    update();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    static const struct {
        int Key;
        bool Shift;
        TraceKey Trace;
    } traceKeys[] = {{Qt::Key_Left, false, TraceKey::Left}, {Qt::Key_Right, false, TraceKey::Right},
        {Qt::Key_Left, true, TraceKey::LatticeLeft}, {Qt::Key_Right, true, TraceKey::LatticeRight},
        {Qt::Key_Home, false, TraceKey::Home}, {Qt::Key_End, false, TraceKey::End},
        {Qt::Key_Up, false, TraceKey::NextLine}, {Qt::Key_Down, false, TraceKey::PreviousLine}};
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    for (const auto& trace : traceKeys) {
        const Qt::KeyboardModifiers wanted = trace.Shift ? Qt::ShiftModifier : Qt::NoModifier;
        if (event->key() == trace.Key && modifiers == wanted) {
            // The pointer's note gives way to the point being traced, until the pointer moves.
            Hover.clear();
            Q_EMIT traceKeyPressed(trace.Trace);
            return;
        }
    }
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && Traced) {
        Q_EMIT tracingEnded();
        Q_EMIT tracingStopped();
        return;
    }
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

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    Hover.clear();
    if (Traced)
        Q_EMIT tracingEnded();
    update();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (Geometry.UnitPixels <= 0)
        return;
    const Point at{event->position().x(), event->position().y()};
    const PlanePoint plane = Geometry.toPlane(at);
    const PlanePoint grid{std::round(plane.X), std::round(plane.Y)};
    const Point gridAt = Geometry.toSurface(grid);
    const bool onGrid = std::hypot(gridAt.X - at.X, gridAt.Y - at.Y) <= 3.0;
    const auto number = [onGrid](double value) {
        const double shown = onGrid ? value : std::round(value * 10) / 10;
        QString text = QString::number(std::fabs(shown), 'f', onGrid ? 0 : 1);
        return shown < 0 ? u"−"_s + text : text;
    };
    const PlanePoint shown = onGrid ? grid : plane;
    Hover = u"(%1, %2)"_s.arg(number(shown.X), number(shown.Y));
    HoverAt = event->position();
    update();
}

void PictureBox::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Hover.clear();
    update();
}

// A small note on a light backing near a point, never over it: below and right of it, or on the
// other side where the picture ends.
void PictureBox::paintNote(QPainter& painter, QPointF near, const QStringList& lines) const
{
    const QFontMetricsF metrics(painter.font());
    double width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSizeF size(width + 6, metrics.height() * lines.size() + 4);
    constexpr double gap = 12;
    QPointF corner = near + QPointF(gap, gap);
    if (corner.x() + size.width() > this->width())
        corner.setX(near.x() - gap - size.width());
    if (corner.y() + size.height() > this->height())
        corner.setY(near.y() - gap - size.height());
    const QRectF box(corner, size);
    painter.fillRect(box, toQColor(PlaneBackground));
    painter.setPen(look::Black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    for (qsizetype k = 0; k < lines.size(); ++k)
        painter.drawText(
            corner + QPointF(3, 2 + metrics.ascent() + metrics.height() * static_cast<double>(k)), lines[k]);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Image);
    if (!Traced && Hover.isEmpty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(look::font(10.5, true));
    if (Traced) {
        painter.setPen(QPen(look::TraceRed, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(Traced->At, 7, 7);
        QStringList lines{Traced->Coordinates};
        if (!Traced->Change.isEmpty())
            lines << Traced->Change;
        paintNote(painter, Traced->At, lines);
    }
    if (!Hover.isEmpty())
        paintNote(painter, HoverAt, {Hover});
}

} // namespace zelmora
