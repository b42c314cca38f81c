// SPDX-License-Identifier: MIT
#include "app/Speech.h"

#include "facts/Equation.h"
#include "facts/LineFacts.h"

#include <QStringList>

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

} // namespace

QString pictureDescription(const Board& board)
{
    const PlaneRect visible = board.geometry().visible(PictureSide, PictureSide);
    const mpq_class reach(static_cast<long>(std::floor(visible.Right)));
    QStringList sentences{
        u"1目盛り%1ピクセル、χは%2から%3まで"_s.arg(board.unitPixels()).arg(spoken(-reach), spoken(reach))};
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto line = exactLineOf(board.slotTable(), slot);
        if (!line)
            continue;
        const ExactInterval range = yRange(*line);
        sentences << u"線%1：%2、χは%3から%4まで、yは%5から%6まで"_s.arg(slotDigit(slot))
                         .arg(QString::fromStdString(spokenEquation(*line)), spoken(line->low()), spoken(line->high()),
                             spoken(range.Low), spoken(range.High));
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
                    sentences << u"線%1と線%2は(%3, %4)で交わる"_s.arg(slotDigit(first))
                                     .arg(slotDigit(second))
                                     .arg(spoken(crossing.Point->X), spoken(crossing.Point->Y));
            }
        }
    }
    if (sentences.size() == 1)
        sentences << u"線はありません"_s;
    return sentences.join(u"。"_s) + u"。"_s;
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
    QString said = u"線%1、(%2, %3)"_s.arg(slotDigit(now.Slot)).arg(spoken(now.X), spoken(now.Y));
    if (before && before->Slot == now.Slot && before->X != now.X)
        said += u"、χ%1 → y%2"_s.arg(signedChange(now.X - before->X, spoken), signedChange(now.Y - before->Y, spoken));
    return said;
}

QString noLineToTrace()
{
    return u"線がありません。"_s;
}

QString coefficientMoved(const QString& name, const mpq_class& value)
{
    return u"%1＝%2"_s.arg(name, spoken(value));
}

} // namespace zelmora::speech
