// SPDX-License-Identifier: MIT
#include "app/form/Tracer.h"

#include "app/access/Accessibility.h"
#include "app/form/PictureBox.h"
#include "app/words/Speech.h"
#include "board/Board.h"
#include "facts/LineFacts.h"

namespace zelmora {

Tracer::Tracer(const Board& board, PictureBox* picture, Announcer* announcer)
    : QObject(picture)
    , State(board)
    , Picture(picture)
    , Announce(announcer)
{
    connect(picture, &PictureBox::traceKeyPressed, this, &Tracer::key);
    connect(picture, &PictureBox::tracingEnded, this, &Tracer::reset);
    connect(picture, &PictureBox::tracingStopped, this, [this] { Announce->announce(speech::traceEnded()); });
}

void Tracer::reset()
{
    Point.reset();
    Picture->setMarker(std::nullopt);
}

void Tracer::key(TraceKey key)
{
    const auto next = traceKey(State.slotTable(), State.lineForms(), State.lineSlot(), Point, key);
    if (!next) {
        reset();
        Announce->announce(speech::noLineToTrace());
        return;
    }
    const auto before = Point;
    Point = next;
    // Home and End stop at an open end too, where the end's menu is, and say the line leaves it out.
    const auto traced = State.line(next->Slot);
    const bool leftOut = traced && !onSegment(*traced, traced->Vertical ? next->Y : next->X);
    const zelmora::Point at = State.geometry().toSurface({next->X.get_d(), next->Y.get_d()});
    Picture->setMarker(PictureBox::Marker{
        QPointF(at.X, at.Y), speech::traceCoordinates(*next, leftOut), speech::traceChange(before, *next)});
    QString said = speech::traceAnnouncement(before, *next, leftOut);
    // Along a vertical line ↑ ↓ move the point, and ← → go to another line.
    const auto line = before ? State.line(before->Slot) : std::nullopt;
    const bool upOrDown = key == TraceKey::NextLine || key == TraceKey::PreviousLine;
    const bool sideways = key == TraceKey::Left || key == TraceKey::Right;
    const bool toAnotherLine = line && line->Vertical ? sideways : upOrDown;
    if (before && toAnotherLine && before->Slot == next->Slot)
        said = speech::oneAfterAnother(speech::noOtherLine(), said);
    else if (before && *before == *next)
        said = speech::oneAfterAnother(speech::endOfLine(), said);
    // Said as a notification: Qt 6.4 tells of a changed name or description with the object in
    // place of the new text, and the screen reader then says nothing at all.
    Announce->announce(said);
}

} // namespace zelmora
