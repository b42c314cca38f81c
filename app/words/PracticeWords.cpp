// SPDX-License-Identifier: MIT
#include "app/words/PracticeWords.h"

#include "app/words/Speech.h"
#include "facts/Equation.h"
#include "facts/ExactNumber.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zelmora::practiceWords {
namespace {

// The catalogue's context for the practice's words.
struct PracticeWords {
    Q_DECLARE_TR_FUNCTIONS(zelmora::practiceWords)
};

QString number(const mpq_class& value, Form form)
{
    if (form == Form::Ear)
        return speech::number(value);
    return QString::fromStdString(fractionText(value, Minus::Typographic));
}

QString equation(const ExactLine& line, Form form)
{
    if (form == Form::Ear)
        return speech::equation(line);
    return QString::fromStdString(equationOf(line, Minus::Typographic).Plain);
}

QString domain(const ExactLine& line, Form form)
{
    return PracticeWords::tr("%1≦χ≦%2").arg(number(line.low(), form), number(line.high(), form));
}

QString said(const QString& text, Form form)
{
    return form == Form::Ear ? speech::forEar(text) : text;
}

} // namespace

QString point(const ExactPoint& at, Form form)
{
    if (form == Form::Ear)
        return PracticeWords::tr("エックス%1、y%2").arg(number(at.X, form), number(at.Y, form));
    return u"(%1, %2)"_s.arg(number(at.X, form), number(at.Y, form));
}

QString traced(const ExactPoint& at, int line, bool twoLines, Form form)
{
    if (!twoLines)
        return point(at, form);
    return PracticeWords::tr("線%1：%2").arg(line + 1).arg(point(at, form));
}

QString kindCaption(TaskKind kind)
{
    switch (kind) {
    case TaskKind::Equation:
        return PracticeWords::tr("式を求める");
    case TaskKind::Graph:
        return PracticeWords::tr("グラフをかく");
    case TaskKind::Range:
        return PracticeWords::tr("変域");
    case TaskKind::Crossing:
        return PracticeWords::tr("交点");
    }
    return {};
}

QString levelCaption(TaskLevel level)
{
    switch (level) {
    case TaskLevel::Integer:
        return PracticeWords::tr("整数");
    case TaskLevel::Fraction:
        return PracticeWords::tr("分数");
    case TaskLevel::Mixed:
        return PracticeWords::tr("まぜる");
    }
    return {};
}

QString heading(int number, int count, const std::optional<std::uint64_t>& seed)
{
    if (!seed)
        return PracticeWords::tr("問題 %1/%2").arg(number).arg(count);
    return PracticeWords::tr("問題 %1/%2（問題番号 %3）").arg(number).arg(count).arg(*seed);
}

QString prompt(const PracticeTask& task, Form form)
{
    const std::vector<ExactLine> lines = taskLines(task);
    switch (task.Kind) {
    case TaskKind::Equation:
        return said(PracticeWords::tr("この直線の式 y＝aχ＋b の a と b を求めましょう。"), form);
    case TaskKind::Graph:
        return said(PracticeWords::tr("%1 のグラフをかきましょう。").arg(equation(lines[0], form)), form);
    case TaskKind::Range:
        return said(PracticeWords::tr("%1（%2）のとき、y の変域を求めましょう。")
                        .arg(equation(lines[0], form), domain(lines[0], form)),
            form);
    case TaskKind::Crossing:
        return said(PracticeWords::tr("%1 と %2 のグラフの交点の座標を求めましょう。")
                        .arg(equation(lines[0], form), equation(lines[1], form)),
            form);
    }
    return {};
}

std::array<QString, 2> boxNames(TaskKind kind)
{
    switch (kind) {
    case TaskKind::Equation:
        return {PracticeWords::tr("ａ"), PracticeWords::tr("ｂ")};
    case TaskKind::Graph:
        return {PracticeWords::tr("1つ目の点"), PracticeWords::tr("2つ目の点")};
    case TaskKind::Range:
        return {PracticeWords::tr("yの最小値"), PracticeWords::tr("yの最大値")};
    case TaskKind::Crossing:
        return {PracticeWords::tr("χ"), PracticeWords::tr("y")};
    }
    return {};
}

QString verdict(TaskKind kind, const AnswerCheck& check)
{
    if (check.right())
        return PracticeWords::tr("正解");
    const std::array<QString, 2> names = boxNames(kind);
    QString text;
    for (std::size_t k = 0; k < 2; ++k) {
        switch (check.Parts[k]) {
        case Verdict::Right:
            text += PracticeWords::tr("%1は合っています。").arg(names[k]);
            break;
        case Verdict::Near:
            text += PracticeWords::tr("%1は近いですが、分数で書きましょう。").arg(names[k]);
            break;
        case Verdict::Wrong:
            text += PracticeWords::tr("%1がちがいます。").arg(names[k]);
            break;
        case Verdict::Unreadable:
            text += PracticeWords::tr("%1は数として読めません。").arg(names[k]);
            break;
        }
    }
    return text;
}

QString hint(const PracticeTask& task, const Hint& hint, Form form)
{
    if (const auto* lattice = std::get_if<LatticeHint>(&hint))
        return said(PracticeWords::tr("直線は、格子点 %1 と %2 を通ります。")
                        .arg(point(lattice->First, form), point(lattice->Second, form)),
            form);
    if (const auto* slope = std::get_if<SlopeHint>(&hint)) {
        const mpq_class rise = abs(slope->Step.Rise);
        const QString text = sgn(slope->Step.Rise) < 0 ? PracticeWords::tr("χが%1増えるとyは%2減ります。")
                                                       : PracticeWords::tr("χが%1増えるとyは%2増えます。");
        return said(text.arg(number(slope->Step.Run, form), number(rise, form)), form);
    }
    if (const auto* intercept = std::get_if<InterceptHint>(&hint))
        return said(PracticeWords::tr("直線は y 軸と %1 で交わります。").arg(point(intercept->At, form)), form);
    if (const auto* ends = std::get_if<EndsHint>(&hint))
        return said(
            PracticeWords::tr("線の両はしは %1 と %2 です。").arg(point(ends->Low, form), point(ends->High, form)),
            form);
    if (const auto* crossing = std::get_if<CrossingHint>(&hint)) {
        Q_UNUSED(crossing);
        return said(PracticeWords::tr("交点に○をつけました。まわりの格子点から読みましょう。"), form);
    }
    return said(PracticeWords::tr("答え：%1").arg(answer(task, form)), form);
}

QString answer(const PracticeTask& task, Form form)
{
    const TaskAnswer values = answerOf(task);
    switch (task.Kind) {
    case TaskKind::Equation:
    case TaskKind::Graph:
        return equation(taskLines(task).front(), form);
    case TaskKind::Range:
        return said(PracticeWords::tr("%1≦y≦%2").arg(number(values[0], form), number(values[1], form)), form);
    case TaskKind::Crossing:
        return point({values[0], values[1]}, form);
    }
    return {};
}

QString score(int right, int count)
{
    return PracticeWords::tr("%1問中%2問正解").arg(count).arg(right);
}

QString missed(int number, const PracticeTask& task)
{
    return PracticeWords::tr("問題%1：%2").arg(number).arg(answer(task, Form::Eye));
}

QString planeDescription(
    const PracticeTask& task, int hintsShown, const PupilAnswer& pupil, const std::optional<ExactPoint>& traced)
{
    const Form ear = Form::Ear;
    const PlaneWindow window = practiceWindow();
    QStringList sentences{said(PracticeWords::tr("χは%1から%2まで、yは%3から%4まで見えています")
                                   .arg(number(window.XMin, ear), number(window.XMax, ear), number(window.YMin, ear),
                                       number(window.YMax, ear)),
        ear)};
    const std::vector<ExactLine> lines = taskLines(task);
    switch (task.Kind) {
    case TaskKind::Graph:
        // Her line is drawn beside the task's once she has checked it.
        if (pupil.Line)
            sentences << said(PracticeWords::tr("問題の線：%1").arg(equation(lines[0], ear)), ear);
        else
            sentences << PracticeWords::tr("線はまだありません");
        break;
    case TaskKind::Equation:
        // The equation is what the pupil finds: the line is told by where it runs.
        sentences << said(PracticeWords::tr("直線が1本、χは%1から%2まで引かれています")
                              .arg(number(lines[0].low(), ear), number(lines[0].high(), ear)),
            ear);
        break;
    case TaskKind::Range:
        sentences << said(PracticeWords::tr("%1の線が、χは%2から%3まで引かれています")
                              .arg(equation(lines[0], ear), number(lines[0].low(), ear), number(lines[0].high(), ear)),
            ear);
        break;
    case TaskKind::Crossing:
        for (std::size_t k = 0; k < lines.size(); ++k)
            sentences << said(PracticeWords::tr("線%1：%2").arg(k + 1).arg(equation(lines[k], ear)), ear);
        break;
    }
    const std::vector<Hint> hints = hintsFor(task);
    for (int k = 0; k < std::min(hintsShown, static_cast<int>(hints.size())); ++k) {
        QString given = hint(task, hints[static_cast<std::size_t>(k)], ear);
        // A hint is one sentence with its own full stop; the list joins them.
        if (given.endsWith(u'。'))
            given.chop(1);
        sentences << given;
    }
    if (pupil.Line)
        sentences << said(PracticeWords::tr("あなたの線：%1").arg(equation(*pupil.Line, ear)), ear);
    if (pupil.Point)
        sentences << PracticeWords::tr("あなたの点：%1").arg(point(*pupil.Point, ear));
    if (!pupil.Points.empty()) {
        QStringList points;
        for (const ExactPoint& at : pupil.Points)
            points << point(at, ear);
        sentences << PracticeWords::tr("あなたの点：%1").arg(points.join(PracticeWords::tr(" と ")));
    }
    if (traced && task.Kind == TaskKind::Graph)
        sentences << PracticeWords::tr("カーソル：%1").arg(point(*traced, ear));
    else if (traced)
        sentences << PracticeWords::tr("たどっている点：%1").arg(point(*traced, ear));
    return speech::joinedSentences(sentences) + PracticeWords::tr("。");
}

QString pointsWanted()
{
    return PracticeWords::tr("グラフが通る点を2つ、座標平面でクリックするか、矢印キーで動かしてEnterでとりましょう。"
                             "「−3, 3」のように χ, y で入れることもできます。");
}

QString pointText(const ExactPoint& at)
{
    return u"%1, %2"_s.arg(number(at.X, Form::Eye), number(at.Y, Form::Eye));
}

} // namespace zelmora::practiceWords
