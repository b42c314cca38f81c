// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "board/ShowOptions.h"
#include "board/Trace.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zelmora {

// What the program says to a screen reader: Japanese written for the ear. χ is said エックス, fractions
// as Japanese readers say them ("3分の2"), points without brackets ("エックス8分の9、y4分の1"), a
// change in words ("エックスが1増えるとyは3分の2減る"), and no sizes in pixels. The screen keeps
// its symbols; only what is spoken changes.
namespace speech {

// A number as it is said, exact: "−3分の2", "5".
QString number(const mpq_class& value);
// An equation as it is said: "y＝−3分の2エックス＋1".
QString equation(const ExactLine& line);

// A written mathematical text made sayable: χ becomes エックス, and ＝ and ＋ are as the
// language writes them.
QString forEar(QString written);
// Sentences joined as the language writes them, without a mark after the last: "A。B".
QString joinedSentences(const QStringList& sentences);
// Two sentences, each with its own end, said one after the other: "A。B。", "A. B.".
QString oneAfterAnother(const QString& first, const QString& second);

// What is visible, then each line with its domain and range, then (when the intersections are
// shown) where the lines meet: "エックスは−13から13まで、yは−13から13まで見えています。線１：…"
QString pictureDescription(const Board& board);

// The line in a slot in one sentence, or that the slot holds none.
QString lineSummary(const Board& board, int slot);

// What each command says once it is done.
QString lineDrawn(const Board& board, int slot);
QString lineErased(int slot);
QString slotSelected(const Board& board, int slot);
QString initialScreen();
QString sizeChosen(const Board& board, const QString& sizeName);
// Undo and redo, with the step's name and what the board holds after it: "元に戻しました：線３を引く。
// 線３には線がありません。"; and that there was nothing to take back or again.
QString undone(const Board& board, const BoardStep& step);
QString redone(const Board& board, const BoardStep& step);
QString nothingToUndo();
QString nothingToRedo();
// Every line the board holds, one sentence each, or that it holds none: "線はありません。"
QString linesHeld(const Board& board);
// 新規, and a lesson file opened, with what it holds: "「授業.zelmora」を開きました。線が2本あります。線１：…"
QString newLesson();
QString lessonOpened(const QString& fileName, const Board& board);
// A point placed, moved or deleted, or why not: "点Aをエックス−3、y3にとりました"; the message
// area's words for a refusal.
QString pointNotice(const Notice& notice);
// 点をとる: the mode begun or left, and the keyboard's cursor moved ("エックス−3、y3", with the name of
// a point standing there: "エックス−3、y3、点A").
QString pointModeStarted();
QString pointModeEnded();
QString pointCursor(const ExactPoint& at, const std::string& pointThere = {});
// Esc took the tracing point away.
QString traceEnded();
// A 表示 item turned on or off: "交点を表示します", "交点を隠します".
QString markShown(bool ShowOptions::*mark, bool on);
// An end of a line left open or closed from the picture's menu, and the line as it is now:
// 「線１の端、エックス−3、y3を含まないようにしました。線１：…」.
QString endChosen(const Board& board, int slot, const ExactPoint& at, bool open);
QString valueTableOpened(int slot);
QString valueTableClosed();
// The table of values as pairs, which is how it is read: "エックスが−3のときyは3、…"; a pair at
// an open end is said with the point left out ("…、ただしこの点は含まない").
QString valuePairs(const SlotTable& table, const LineForms& forms, int slot, const std::optional<mpq_class>& step);
// A cell of the table at an open end, as a screen reader reads it: "−5、含まない".
QString leftOutValue(const QString& value);

// Beside the tracing point, on screen: its coordinates, exact ("(3/2, 0)", and "(−3, −5)（含まない）"
// at an open end, which the segment leaves out), and the change from the point before
// ("χ＋1 → y−2/3"), empty when it did not move.
QString traceCoordinates(const TracePoint& point, bool leftOut = false);
QString traceChange(const std::optional<TracePoint>& before, const TracePoint& now);

// What a screen reader says when the point moves: the line, the point (and that the line leaves
// it out, at an open end) and the change.
QString traceAnnouncement(const std::optional<TracePoint>& before, const TracePoint& now, bool leftOut = false);
QString noLineToTrace();
// ↑ or ↓ when only one line is drawn.
QString noOtherLine();
// ← → that cannot go further: the point is at an end of its segment.
QString endOfLine();

// 動かして調べる: which line the sliders move, said when the window opens ("線１を動かします。y＝…。");
// the line as it is once the keys rest ("y＝−3分の1エックス＋1。"); a play stopped.
QString lineToMove(const Board& board, int slot);
// A coefficient moved, as its slider is heard: "ａ −3分の2".
QString coefficientMoved(const QString& name, const mpq_class& value);
QString lineMoved(const Board& board, int slot);
QString playStopped(const QString& name, const Board& board, int slot);

// The table of values: a new step of χ, with the first pairs it gives ("χの刻みを1にしました。
// エックスが−3のときyは3、…"); the facts below the table, one spoken line each.
QString valueStepChosen(const QString& step, const SlotTable& table, const LineForms& forms, int slot,
    const std::optional<mpq_class>& chosen);
QStringList valueTableFacts(const SlotTable& table, int slot);
// With the forms kept beside the table: an end of the domain left open is said ("−3より大きく").
QStringList valueTableFacts(const SlotTable& table, const LineForms& forms, int slot);

} // namespace speech
} // namespace zelmora
