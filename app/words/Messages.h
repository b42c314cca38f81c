// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "entry/LineEntry.h"
#include "lesson/LessonFile.h"
#include "output/PictureOutput.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace zelmora {

// Every sentence the window shows the pupil in its message area, in Japanese. The layers below
// report what happened as codes; the words live here alone.
namespace messages {

// Why a line was not drawn: "ａの分母が０です。", "変域の下限の値が大きすぎます。"
QString refusal(const EntryRefusal& refusal);

// A line was drawn, but some characters of a box were not read: "ａの「abc」は読みませんでした。"
// A long text is shortened with "…".
QString ignored(const IgnoredText& ignored);

QString pictureCopied();
// While 点をとる is on: how to put a point and how to stop.
QString placingPoints();

// Why a lesson file was not opened or not saved: "このファイルは新しい版のZelmoraで作られています。",
// "3行目の12文字目の書き方が正しくありません。"
QString lessonFault(const LessonFault& fault);
// Above the reason a lesson file was not opened: "「授業.zelmora」を開けませんでした。"
QString lessonNotOpened(const QString& fileName);
// A lesson whose texts the draw command refuses: "線３のａの分母が０です。"
QString lessonRefusal(const LessonRefusal& refusal);
QString lessonSaved();
// Above the reason a lesson was not saved: "「授業.zelmora」に保存できませんでした。"
QString lessonNotSaved(const QString& fileName);
// Above the list of what a lesson opened left out or did not read.
QString lessonOpenedWithNotices(const QString& fileName);
// Why a picture was not written.
QString outputFault(OutputFault fault);
QString pictureWritten();

// A step of the board's history, as the 編集 menu names it: "線３を引く", "初期画面", "開く".
QString stepName(const BoardStep& step);
// The 編集 menu's items, with the step they take back or again: "元に戻す：線３を引く(&U)".
QString undoText(const std::optional<BoardStep>& step);
QString redoText(const std::optional<BoardStep>& step);
// Before a changed lesson is replaced or the program ends: "「授業.zelmora」への変更を保存しますか？"
QString unsavedQuestion(const QString& fileName);
QString unsavedDetail();
// The board's copy kept for after a crash could not be written, or could not be read back.
QString recoveryUnwritable();
QString recoveryUnreadable();
// That the language chosen in the 表示 → 言語 menu is the window's from its next start.
QString languageChosen(bool english);

// What the message area says for a board's notice: nothing, a refusal, or ignored text.
QString notice(std::monostate);
QString notice(const EntryRefusal& refusal);
QString notice(const IgnoredText& ignored);
// "線２のａの「abc」は読みませんでした。", "線２のｂがないので、０としました。"
QString notice(const LessonNotice& notice);
// Why 式で入力 made no line of an equation, saying where: "3文字目の「*」が読めません。"
QString notice(const EquationRefusal& refusal);
// The equation the current slot's line was typed as: "線３：2χ + 3y = 6"
QString notice(const TypedForm& form);
// 変化の割合 shown while the line drawn or chosen last is χ = h: "線３は χ＝の直線なので、変化の割合はありません。"
QString noSlopeTriangle(int slot);
// The picture's menu at an end of a line: 「線１の端 (−3, 3) を含まない（白丸）」, checked while open.
QString openEndChoice(int slot, const ExactPoint& at);
// "線２は長さ０の線です（χは0から0まで）。"
QString notice(const ZeroLengthLine& line);
// Why a point was not placed: "点のyの分母が０です。"
QString notice(const PointRefusal& refusal);
// Why no line was drawn through points: "2点が同じ点なので、直線が決まりません。"
QString notice(const PointLineRefusal& refusal);
// A point placed, moved or deleted: "点A(−3, 3)をとりました。", "点Aを消しました。"
QString notice(const PointNotice& notice);
// A lesson's notices, one a line, for a box that lists them all.
QString notices(const std::vector<LessonNotice>& notices);

// Every sentence the message area shows, each kind with the values that make it longest or oddest:
// the longest names and numbers, texts cut short, every fault. For checking that each fits.
std::vector<QString> all();

} // namespace messages
} // namespace zelmora
