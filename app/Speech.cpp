// SPDX-License-Identifier: MIT
#include "app/Speech.h"

#include "facts/Equation.h"
#include "facts/LineFacts.h"

#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

namespace zelmora::speech {
namespace {

QString spoken(const mpq_class& value)
{
    return QString::fromStdString(spokenFraction(value));
}

QString written(const mpq_class& value)
{
    return QString::fromStdString(fractionText(value, Minus::Typographic));
}

QChar slotDigit(int slot)
{
    return QChar(u'１' + slot);
}

// A change as a sign and a size: "＋1", "−2/3".
QString signedChange(const mpq_class& change, QString (*number)(const mpq_class&))
{
    return (sgn(change) < 0 ? u"−"_s : u"＋"_s) + number(abs(change));
}

// "エックス−3、y3": a point as it is said, without the brackets and the comma a reader would spell out.
QString spokenPoint(const mpq_class& x, const mpq_class& y)
{
    return u"エックス%1、y%2"_s.arg(spoken(x), spoken(y));
}

QString sayableEquation(const ExactLine& line)
{
    return speech::forEar(QString::fromStdString(zelmora::spokenEquation(line)));
}

// "エックスが1増えるとyは3分の2減る": what happened to y when χ moved.
QString spokenChange(const mpq_class& dx, const mpq_class& dy)
{
    const auto moved = [](const mpq_class& change) { return sgn(change) < 0 ? u"減る"_s : u"増える"_s; };
    const QString y = sgn(dy) == 0 ? u"yは変わらない"_s : u"yは%1%2"_s.arg(spoken(abs(dy)), moved(dy));
    return u"エックスが%1%2と%3"_s.arg(spoken(abs(dx)), moved(dx), y);
}

// The whole units the picture shows: "エックスは−13から13まで、yは−13から13まで見えています".
QString visibleRange(const Board& board)
{
    const PlaneRect visible = board.geometry().visible(PictureSide, PictureSide);
    const auto unit = [](double value) { return mpq_class(static_cast<long>(value)); };
    return u"エックスは%1から%2まで、yは%3から%4まで見えています"_s.arg(spoken(unit(std::ceil(visible.Left))),
        spoken(unit(std::floor(visible.Right))), spoken(unit(std::ceil(visible.Bottom))),
        spoken(unit(std::floor(visible.Top))));
}

} // namespace

QString forEar(QString written)
{
    return written.replace(u'χ', u"エックス"_s);
}

QString pictureDescription(const Board& board)
{
    QStringList sentences{visibleRange(board)};
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto line = exactLineOf(board.slotTable(), slot);
        if (!line)
            continue;
        const ExactInterval range = yRange(*line);
        sentences << u"線%1：%2、エックスは%3から%4まで、yは%5から%6まで"_s.arg(slotDigit(slot))
                         .arg(sayableEquation(*line), spoken(line->low()), spoken(line->high()), spoken(range.Low),
                             spoken(range.High));
    }
    if (board.showOptions().Intersections) {
        for (int first = 0; first < SlotTable::UserSlots; ++first) {
            for (int second = first + 1; second < SlotTable::UserSlots; ++second) {
                const bool concerned = first == board.lineSlot() || second == board.lineSlot();
                if (board.showOptions().CurrentCrossingsOnly && !concerned)
                    continue;
                const auto one = exactLineOf(board.slotTable(), first);
                const auto other = exactLineOf(board.slotTable(), second);
                if (!one || !other)
                    continue;
                const Intersection crossing = intersection(*one, *other);
                if (crossing.Kind == IntersectionKind::Point)
                    sentences << u"線%1と線%2は%3で交わる"_s.arg(slotDigit(first))
                                     .arg(slotDigit(second))
                                     .arg(spokenPoint(crossing.Point->X, crossing.Point->Y));
            }
        }
    }
    if (sentences.size() == 1)
        sentences << u"線はありません"_s;
    return sentences.join(u"。"_s) + u"。"_s;
}

QString lineSummary(const Board& board, int slot)
{
    const auto line = exactLineOf(board.slotTable(), slot);
    if (!line)
        return u"線%1には線がありません。"_s.arg(slotDigit(slot));
    return u"線%1：%2、エックスは%3から%4まで。"_s.arg(slotDigit(slot))
        .arg(sayableEquation(*line), spoken(line->low()), spoken(line->high()));
}

QString lineDrawn(const Board& board, int slot)
{
    const auto line = exactLineOf(board.slotTable(), slot);
    if (!line)
        return {};
    return u"線%1を引きました。%2、エックスは%3から%4まで。"_s.arg(slotDigit(slot))
        .arg(sayableEquation(*line), spoken(line->low()), spoken(line->high()));
}

QString lineErased(int slot)
{
    return u"線%1を消しました。"_s.arg(slotDigit(slot));
}

QString slotSelected(const Board& board, int slot)
{
    return u"線%1を選びました。"_s.arg(slotDigit(slot)) + lineSummary(board, slot);
}

QString initialScreen()
{
    return u"初期画面にしました。線はありません。"_s;
}

QString sizeChosen(const Board& board, const QString& sizeName)
{
    return u"大きさを%1にしました。%2。"_s.arg(sizeName, visibleRange(board));
}

QString undone(const QString& step)
{
    return u"元に戻しました：%1。"_s.arg(step);
}

QString redone(const QString& step)
{
    return u"やり直しました：%1。"_s.arg(step);
}

QString markShown(bool ShowOptions::*mark, bool on)
{
    if (mark == &ShowOptions::CurrentCrossingsOnly)
        return on ? u"交点は現在の線とだけ表示します。"_s : u"交点はすべての線について表示します。"_s;
    if (mark == &ShowOptions::Colours)
        return on ? u"線を色分けします。"_s : u"線をすべて青で引きます。"_s;
    QString name;
    if (mark == &ShowOptions::Numbers)
        name = u"線の番号"_s;
    else if (mark == &ShowOptions::Equations)
        name = u"式"_s;
    else if (mark == &ShowOptions::Intersections)
        name = u"交点"_s;
    else if (mark == &ShowOptions::Endpoints)
        name = u"端点"_s;
    else
        name = u"変化の割合"_s;
    return name + (on ? u"を表示します。"_s : u"を隠します。"_s);
}

QString valueTableOpened(int slot)
{
    return u"値の表を開きました。線%1の表です。"_s.arg(slotDigit(slot));
}

QString valueTableClosed()
{
    return u"値の表を閉じました。"_s;
}

QString valuePairs(const SlotTable& table, int slot, const std::optional<mpq_class>& step)
{
    const auto line = exactLineOf(table, slot);
    if (!line)
        return {};
    QStringList pairs;
    for (const ExactPoint& column : tableOfValues(*line, step))
        pairs << u"エックスが%1のときyは%2"_s.arg(spoken(column.X), spoken(column.Y));
    return pairs.join(u"、"_s) + u"。"_s;
}

QString traceCoordinates(const TracePoint& point)
{
    return u"(%1, %2)"_s.arg(written(point.X), written(point.Y));
}

QString traceChange(const std::optional<TracePoint>& before, const TracePoint& now)
{
    if (!before || before->Slot != now.Slot || before->X == now.X)
        return {};
    return u"χ%1 → y%2"_s.arg(signedChange(now.X - before->X, written), signedChange(now.Y - before->Y, written));
}

QString traceAnnouncement(const std::optional<TracePoint>& before, const TracePoint& now)
{
    QString said = u"線%1、%2"_s.arg(slotDigit(now.Slot)).arg(spokenPoint(now.X, now.Y));
    if (before && before->Slot == now.Slot && before->X != now.X)
        said += u"。"_s + spokenChange(now.X - before->X, now.Y - before->Y);
    return said + u"。"_s;
}

QString noLineToTrace()
{
    return u"線がありません。"_s;
}

QString noOtherLine()
{
    return u"ほかの線はありません。"_s;
}

QString endOfLine()
{
    return u"線の端です。"_s;
}

QString coefficientMoved(const QString& name, const mpq_class& value)
{
    return u"%1＝%2"_s.arg(name, spoken(value));
}

} // namespace zelmora::speech
