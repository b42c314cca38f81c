// SPDX-License-Identifier: MIT
#include "app/form/PointPlacer.h"

#include "app/access/Accessibility.h"
#include "app/form/PictureBox.h"
#include "app/words/Speech.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <cmath>
#include <utility>

namespace zelmora {
namespace {

// A press this near a point's dot takes the point, to drag it.
constexpr double grabPixels = 8;

std::string coordinateText(const mpq_class& value)
{
    return fractionText(value);
}

} // namespace

PointPlacer::PointPlacer(const Board& board, PictureBox* picture, Announcer* announcer, Perform perform)
    : QObject(picture)
    , State(board)
    , Picture(picture)
    , Announce(announcer)
    , Do(std::move(perform))
{
    picture->installEventFilter(this);
}

void PointPlacer::setActive(bool on)
{
    if (Active == on)
        return;
    Active = on;
    Picture->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    Announce->announce(on ? speech::pointModeStarted() : speech::pointModeEnded());
    if (on) {
        Picture->setFocus();
        showCursor();
    } else {
        Picture->setMarker(std::nullopt);
    }
    Q_EMIT activeChanged(on);
}

void PointPlacer::showCursor()
{
    const ExactPoint& cursor = Cursor.at();
    const Point at = State.geometry().toSurface({cursor.X.get_d(), cursor.Y.get_d()});
    Picture->setMarker(PictureBox::Marker{QPointF(at.X, at.Y),
        QString::fromStdString(
            "(" + fractionText(cursor.X, Minus::Typographic) + ", " + fractionText(cursor.Y, Minus::Typographic) + ")"),
        {}});
}

void PointPlacer::put(const std::string& name, const ExactPoint& at, bool continuing)
{
    std::optional<Notice> said;
    Do([&](Board& board) {
        Outcome outcome = board.putPoint(name, coordinateText(at.X), coordinateText(at.Y), continuing);
        said = outcome.Message;
        return outcome;
    });
    // Each lattice point of a drag is heard as the point arrives there.
    if (said)
        Announce->announce(speech::pointNotice(*said));
}

bool PointPlacer::key(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        setActive(false);
        return true;
    }
    switch (Cursor.key(*event)) {
    case LatticeCursor::Act::None:
        return false;
    case LatticeCursor::Act::Moved: {
        showCursor();
        std::string there;
        for (const NamedPoint& point : State.points()) {
            if (point.At == Cursor.at())
                there = point.Name;
        }
        Announce->announce(speech::pointCursor(Cursor.at(), there));
        return true;
    }
    case LatticeCursor::Act::Put:
        put({}, Cursor.at(), false);
        showCursor();
        return true;
    case LatticeCursor::Act::Remove:
        for (const NamedPoint& point : State.points()) {
            if (point.At == Cursor.at()) {
                const std::string name = point.Name;
                Do([&](Board& board) { return board.deletePoint(name); });
                Announce->announce(speech::pointNotice(PointNotice{name, std::nullopt}));
                showCursor();
                return true;
            }
        }
        return true;
    }
    return false;
}

bool PointPlacer::press(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const QPointF at = event->position();
    for (const NamedPoint& point : State.points()) {
        const Point dot = State.geometry().toSurface({point.At.X.get_d(), point.At.Y.get_d()});
        if (std::hypot(dot.X - at.x(), dot.Y - at.y()) <= grabPixels) {
            Dragged = point.Name;
            DragMoved = false;
            return true;
        }
    }
    if (!Active)
        return false;
    Cursor.moveTo(LatticeCursor::nearest(State.geometry(), at));
    put({}, Cursor.at(), false);
    showCursor();
    return true;
}

bool PointPlacer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Picture)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return Active && key(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
        return press(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        if (Dragged && (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) {
            const ExactPoint at
                = LatticeCursor::nearest(State.geometry(), static_cast<QMouseEvent*>(event)->position());
            const NamedPoint* point = pointNamed(State.points(), *Dragged);
            if (point != nullptr && point->At != at) {
                put(*Dragged, at, DragMoved);
                DragMoved = true;
            }
        }
        return false;
    case QEvent::MouseButtonRelease:
        Dragged.reset();
        return false;
    default:
        return false;
    }
}

} // namespace zelmora
