// SPDX-License-Identifier: MIT
#pragma once

#include "picture/PracticePicture.h"
#include "practice/AnswerCheck.h"
#include "practice/TaskGenerator.h"

#include <QString>

#include <array>
#include <optional>

namespace zelmora {

// What 練習 shows and says: the task, the names of the answer boxes, what the check found, the hints
// and the score. Each sentence comes in the form shown and, where numbers are in it, the form said
// (Ear), where fractions are read as Japanese readers say them ("3分の2").
namespace practiceWords {

enum class Form { Eye, Ear };

QString kindCaption(TaskKind kind);
QString levelCaption(TaskLevel level);
// 「問題 3/10（問題番号 4721）」; without a seed, no 問題番号.
QString heading(int number, int count, const std::optional<std::uint64_t>& seed);
// What the pupil is asked: 「この直線の式 y＝aχ＋b の a と b を求めましょう。」
QString prompt(const PracticeTask& task, Form form);
// The answer boxes' names: ａ and ｂ, the least and the greatest y, χ and y.
std::array<QString, 2> boxNames(TaskKind kind);
// 「正解」, or each part named: 「ａがちがいます。ｂは合っています。」
QString verdict(TaskKind kind, const AnswerCheck& check);
// The hint at a place in the task's order.
QString hint(const PracticeTask& task, const Hint& hint, Form form);
// The task's answer: 「y＝−2/3χ＋1」, 「−3≦y≦5」, 「(1/3, 1/3)」.
QString answer(const PracticeTask& task, Form form);
// 「10問中8問正解」
QString score(int right, int count);
// A task missed, for the list at the end: 「問題3：y＝2χ−1」
QString missed(int number, const PracticeTask& task);
// A point of the plane: 「(2, −1/3)」, said 「エックス2、y−3分の1」.
QString point(const ExactPoint& at, Form form);
// The point tracing the task's line has reached; a line of a crossing is named by its number.
QString traced(const ExactPoint& at, int line, bool twoLines, Form form);

// What the task's plane shows, for a screen reader: the part of the plane in sight, the task's
// lines (a line to read without its equation), the hints given so far, the pupil's own answer
// drawn beside the task's (her line, her crossing, the points she put) and the point tracing a
// line, or in a グラフをかく task the cursor that puts points. Never the answer before it is shown.
QString planeDescription(
    const PracticeTask& task, int hintsShown, const PupilAnswer& pupil, const std::optional<ExactPoint>& traced);

// A グラフをかく task: how its two points are put on the plane or in the boxes.
QString pointsWanted();
// A point put on the plane, as its box shows it: 「−3, 3」.
QString pointText(const ExactPoint& at);

} // namespace practiceWords
} // namespace zelmora
