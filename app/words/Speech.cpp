// SPDX-License-Identifier: MIT
#include "app/words/Speech.h"

#include "app/words/Messages.h"
#include "facts/Equation.h"
#include "facts/LineFacts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace zelmora::speech {
namespace {

// The catalogue's context for what is spoken.
struct Speech {
    Q_DECLARE_TR_FUNCTIONS(zelmora::Speech)
};

// An ordinal in English words, for denominators past those the catalogue names: "thirteenth",
// "twenty-first", "one hundred first"; none past what an unsigned 64-bit number holds.
std::optional<QString> englishOrdinal(const QString& digits)
{
    bool whole = false;
    unsigned long long value = digits.toULongLong(&whole);
    if (!whole || value == 0)
        return std::nullopt;
    static const QStringList units{u"zero"_s, u"one"_s, u"two"_s, u"three"_s, u"four"_s, u"five"_s, u"six"_s,
        u"seven"_s, u"eight"_s, u"nine"_s, u"ten"_s, u"eleven"_s, u"twelve"_s, u"thirteen"_s, u"fourteen"_s,
        u"fifteen"_s, u"sixteen"_s, u"seventeen"_s, u"eighteen"_s, u"nineteen"_s};
    static const QStringList tens{QString(), QString(), u"twenty"_s, u"thirty"_s, u"forty"_s, u"fifty"_s, u"sixty"_s,
        u"seventy"_s, u"eighty"_s, u"ninety"_s};
    static const QStringList scales{
        QString(), u"thousand"_s, u"million"_s, u"billion"_s, u"trillion"_s, u"quadrillion"_s, u"quintillion"_s};
    const auto belowThousand = [&](unsigned long long n) {
        QStringList words;
        if (n >= 100)
            words << units.at(static_cast<qsizetype>(n / 100)) << u"hundred"_s;
        n %= 100;
        if (n >= 20)
            words << tens.at(static_cast<qsizetype>(n / 10))
                    + (n % 10 != 0 ? u"-"_s + units.at(static_cast<qsizetype>(n % 10)) : QString());
        else if (n != 0)
            words << units.at(static_cast<qsizetype>(n));
        return words.join(u' ');
    };
    QStringList groups;
    for (qsizetype scale = 0; value != 0; ++scale, value /= 1000) {
        if (value % 1000 != 0)
            groups.prepend(belowThousand(value % 1000) + (scale > 0 ? u" "_s + scales.at(scale) : QString()));
    }
    QString words = groups.join(u' ');
    // A round hundred or thousand is said without its "one": "7 hundredths".
    if (words.startsWith(u"one "_s) && !words.sliced(4).contains(u' '))
        words = words.sliced(4);
    static const std::array<std::pair<QStringView, QStringView>, 7> irregular{
        {{u"one", u"first"}, {u"two", u"second"}, {u"three", u"third"}, {u"five", u"fifth"}, {u"eight", u"eighth"},
            {u"nine", u"ninth"}, {u"twelve", u"twelfth"}}};
    for (const auto& [cardinal, ordinal] : irregular) {
        if (words.endsWith(cardinal))
            return words.chopped(cardinal.size()) + ordinal.toString();
    }
    if (words.endsWith(u'y'))
        return words.chopped(1) + u"ieth"_s;
    return words + u"th"_s;
}

// A fraction as a reader says it, in the window's language: "3分の2" in Japanese; "2 thirds",
// "1 thirteenth" in English, where every denominator is said as an ordinal word, so that "−2/3χ"
// is not heard as −2/(3χ).
QString spokenRatio(const QString& numerator, const QString& denominator)
{
    // The denominators 2 to 12 as words, "singular/plural" each, where the language has them.
    const QStringList words = Speech::tr(
        "分母の言葉", "the denominators 2 to 12 said as words, 'half/halves|third/thirds|…'; untranslated: none")
                                  .split(u'|');
    bool whole = false;
    const int below = denominator.toInt(&whole);
    constexpr int firstWord = 2;
    const bool one = numerator == u"1"_s;
    if (words.size() == 11 && whole && below >= firstWord && below < firstWord + words.size()) {
        const QStringList forms = words.at(below - firstWord).split(u'/');
        if (forms.size() == 2)
            return numerator + u' ' + forms.at(one ? 0 : 1);
    }
    // Past the named ones, the language that names them says ordinals ("2 thirteenths").
    if (words.size() == 11) {
        if (const auto ordinal = englishOrdinal(denominator))
            return numerator + u' ' + *ordinal + (one ? QString() : u"s"_s);
    }
    return Speech::tr("%1分の%2").arg(denominator, numerator);
}

// The minus sign as it is said: "−" in Japanese, a word in English.
QString minusSaid()
{
    return Speech::tr("−", "the minus sign, as a screen reader is given it");
}

// A sentence's first letter as the language writes it: a capital in English.
QString sentenceStart(QString said)
{
    if (!said.isEmpty())
        said[0] = said.at(0).toUpper();
    return said;
}

// Sentences and a list's items joined as the language writes them: "。" and "、" in Japanese,
// ". " and ", " in English.
QString betweenSentences()
{
    return Speech::tr("。", "between two sentences");
}

QString sentenceEnd()
{
    return Speech::tr("。", "after the last sentence");
}

QString betweenItems()
{
    return Speech::tr("、", "between the items of a list");
}

QString spoken(const mpq_class& value)
{
    return speech::number(value);
}

QString written(const mpq_class& value)
{
    return QString::fromStdString(fractionText(value, Minus::Typographic));
}

// A slot's number as the language says it: full-width as the buttons show it in Japanese,
// ordinary digits in English.
QChar slotDigit(int slot)
{
    const QString digits = Speech::tr("１２３４５６７８");
    return digits.size() == SlotTable::UserSlots ? digits.at(slot) : QChar(u'１' + slot);
}

// A change as a sign and a size: "＋1", "−2/3" ("+1" in English).
QString signedChange(const mpq_class& change, QString (*number)(const mpq_class&))
{
    return (sgn(change) < 0 ? u"−"_s : Speech::tr("＋", "the plus sign of a change shown beside the tracing point"))
        + number(abs(change));
}

// "エックス−3、y3": a point as it is said, without the brackets and the comma a reader would spell out.
QString spokenPoint(const mpq_class& x, const mpq_class& y)
{
    return Speech::tr("エックス%1、y%2").arg(spoken(x), spoken(y));
}

QString sayableEquation(const ExactLine& line)
{
    return speech::equation(line);
}

// Whether a line's domain leaves an end out, which its spoken span then says.
bool hasOpenEnd(const ExactLine& line)
{
    return line.FromOpen || line.ToOpen;
}

// "エックスが−3のときyは−5": a column of the table of values, and at an open end, that the line
// leaves the point out.
QString valuePair(const ExactLine& line, const ExactPoint& column)
{
    if (!onSegment(line, column.X))
        return Speech::tr("エックスが%1のときyは%2、ただしこの点は含まない").arg(spoken(column.X), spoken(column.Y));
    return Speech::tr("エックスが%1のときyは%2").arg(spoken(column.X), spoken(column.Y));
}

// "−3より大きく3以下": a span with an end left out, as a textbook words it.
QString spokenSpan(const ExactInterval& span)
{
    const QString from = span.LowOpen ? Speech::tr("%1より大きく") : Speech::tr("%1以上");
    const QString to = span.HighOpen ? Speech::tr("%1未満") : Speech::tr("%1以下");
    return from.arg(spoken(span.Low)) + to.arg(spoken(span.High));
}

ExactInterval domainOf(const ExactLine& line)
{
    return {line.low(), line.high(), line.lowOpen(), line.highOpen()};
}

// "エックス＝3の直線、yは−2から5まで", and "yは−2以上5未満" with an end left out.
QString verticalOverDomain(const ExactLine& line)
{
    if (line.FromOpen || line.ToOpen)
        return Speech::tr("%1の直線、yは%2").arg(sayableEquation(line), spokenSpan(domainOf(line)));
    return Speech::tr("%1の直線、yは%2から%3まで").arg(sayableEquation(line), spoken(line.low()), spoken(line.high()));
}

// "線１、エックスは−3より大きく3以下、yは−1以上3未満": a line whose domain leaves an end out.
QString lineWithOpenEnd(int slot, const ExactLine& line, bool withRange)
{
    QString said = Speech::tr("線%1：%2、エックスは%3")
                       .arg(slotDigit(slot))
                       .arg(sayableEquation(line), spokenSpan(domainOf(line)));
    if (withRange)
        said += Speech::tr("、yは%1").arg(spokenSpan(yRange(line)));
    return said;
}

// "エックスが1増えるとyは3分の2減る": what happened to y when χ moved; "yが1増える" along a
// vertical line.
QString spokenChange(const mpq_class& dx, const mpq_class& dy)
{
    const auto moved
        = [](const mpq_class& change) { return sgn(change) < 0 ? Speech::tr("減る") : Speech::tr("増える"); };
    if (sgn(dx) == 0)
        return Speech::tr("yが%1%2").arg(spoken(abs(dy)), moved(dy));
    const QString y
        = sgn(dy) == 0 ? Speech::tr("yは変わらない") : Speech::tr("yは%1%2").arg(spoken(abs(dy)), moved(dy));
    return Speech::tr("エックスが%1%2と%3").arg(spoken(abs(dx)), moved(dx), y);
}

// The whole units the picture shows: "エックスは−13から13まで、yは−13から13まで見えています".
QString visibleRange(const Board& board)
{
    const PlaneRect visible = board.geometry().visible(PictureSide, PictureSide);
    const auto unit = [](double value) { return mpq_class(static_cast<long>(value)); };
    return Speech::tr("エックスは%1から%2まで、yは%3から%4まで見えています")
        .arg(spoken(unit(std::ceil(visible.Left))), spoken(unit(std::floor(visible.Right))),
            spoken(unit(std::ceil(visible.Bottom))), spoken(unit(std::floor(visible.Top))));
}

} // namespace

QString number(const mpq_class& value)
{
    mpq_class reduced = value;
    reduced.canonicalize();
    const QString minus = minusSaid();
    const QString sign = sgn(reduced) >= 0 ? QString() : minus == u"−"_s ? minus : minus + u' ';
    const QString numerator = QString::fromStdString(mpz_class(abs(reduced.get_num())).get_str());
    if (reduced.get_den() == 1)
        return sign + numerator;
    return sign + spokenRatio(numerator, QString::fromStdString(reduced.get_den().get_str()));
}

QString equation(const ExactLine& line)
{
    QString said;
    bool afterFraction = false;
    for (const SpokenEquationPart& part : spokenEquationParts(line)) {
        if (const auto* fraction = std::get_if<StackedFraction>(&part)) {
            said += spokenRatio(
                QString::fromStdString(fraction->Numerator), QString::fromStdString(fraction->Denominator));
            afterFraction = true;
            continue;
        }
        if (const auto* digits = std::get_if<std::string>(&part)) {
            said += QString::fromStdString(*digits);
            afterFraction = false;
            continue;
        }
        // Each symbol as the screen shows it, made sayable by forEar below.
        switch (std::get<EquationSymbol>(part)) {
        case EquationSymbol::Y:
            said += u'y';
            break;
        case EquationSymbol::X:
            // A fraction's word apart from the χ it multiplies: "2 thirds x".
            said = afterFraction ? Speech::tr("%1%2", "a fraction, then χ and what follows").arg(said, u"χ"_s)
                                 : said + u'χ';
            break;
        case EquationSymbol::Equals:
            said += u'＝';
            break;
        case EquationSymbol::Plus:
            said += u'＋';
            break;
        case EquationSymbol::Minus:
            said += u'−';
            break;
        }
        afterFraction = false;
    }
    return forEar(said);
}

QString forEar(QString written)
{
    written.replace(u'χ', Speech::tr("エックス")).replace(u'＝', Speech::tr("＝")).replace(u'＋', Speech::tr("＋"));
    // A minus said as a word stands apart from what it joins: "x minus 1", "= minus 2".
    const QString minus = minusSaid();
    if (minus == u"−"_s)
        return written;
    for (qsizetype at = written.indexOf(u'−'); at >= 0; at = written.indexOf(u'−', at)) {
        const bool spaceBefore = at > 0 && written.at(at - 1) != u' ';
        const bool spaceAfter = at + 1 < written.size() && written.at(at + 1) != u' ';
        const QString word = (spaceBefore ? u" "_s : QString()) + minus + (spaceAfter ? u" "_s : QString());
        written.replace(at, 1, word);
        at += word.size();
    }
    return written;
}

QString joinedSentences(const QStringList& sentences)
{
    return sentences.join(betweenSentences());
}

QString oneAfterAnother(const QString& first, const QString& second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    // What follows a sentence's own end before the next: nothing after 。, a space after ".".
    return first + betweenSentences().mid(sentenceEnd().size()) + second;
}

QString pictureDescription(const Board& board)
{
    QStringList sentences{visibleRange(board)};
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto line = board.line(slot);
        if (!line)
            continue;
        if (line->Vertical) {
            sentences << Speech::tr("線%1：%2").arg(slotDigit(slot)).arg(verticalOverDomain(*line));
            continue;
        }
        if (hasOpenEnd(*line)) {
            sentences << lineWithOpenEnd(slot, *line, true);
            continue;
        }
        const ExactInterval range = yRange(*line);
        sentences << Speech::tr("線%1：%2、エックスは%3から%4まで、yは%5から%6まで")
                         .arg(slotDigit(slot))
                         .arg(sayableEquation(*line), spoken(line->low()), spoken(line->high()), spoken(range.Low),
                             spoken(range.High));
    }
    if (board.showOptions().Intersections) {
        for (int first = 0; first < SlotTable::UserSlots; ++first) {
            for (int second = first + 1; second < SlotTable::UserSlots; ++second) {
                const bool concerned = first == board.lineSlot() || second == board.lineSlot();
                if (board.showOptions().CurrentCrossingsOnly && !concerned)
                    continue;
                const auto one = board.line(first);
                const auto other = board.line(second);
                if (!one || !other)
                    continue;
                const Intersection crossing = intersection(*one, *other);
                if (crossing.Kind == IntersectionKind::Point)
                    sentences << Speech::tr("線%1と線%2は%3で交わる")
                                     .arg(slotDigit(first))
                                     .arg(slotDigit(second))
                                     .arg(spokenPoint(crossing.Point->X, crossing.Point->Y));
            }
        }
    }
    const int rangeSlot = board.lineSlot();
    if (const auto line = board.line(rangeSlot); board.showOptions().Range && line && !line->Vertical)
        sentences << Speech::tr("y軸に線%1のyの変域、%2").arg(slotDigit(rangeSlot)).arg(spokenSpan(yRange(*line)));
    if (sentences.size() == 1)
        sentences << Speech::tr("線はありません");
    for (const NamedPoint& point : board.points()) {
        const QString said
            = Speech::tr("点%1、%2").arg(QString::fromStdString(point.Name), spokenPoint(point.At.X, point.At.Y));
        sentences << (board.shows(point.At) ? said : said + Speech::tr("（図の外）"));
    }
    return sentences.join(betweenSentences()) + sentenceEnd();
}

QString pointNotice(const Notice& notice)
{
    const auto* point = std::get_if<PointNotice>(&notice);
    if (point == nullptr || point->Full || !point->At)
        return std::visit([](const auto& one) { return messages::notice(one); }, notice);
    const QString placed = Speech::tr("点%1を%2にとりました")
                               .arg(QString::fromStdString(point->Name), spokenPoint(point->At->X, point->At->Y));
    return (point->Outside ? joinedSentences({placed, Speech::tr("図の外です")}) : placed) + sentenceEnd();
}

QString pointModeStarted()
{
    return Speech::tr("点をとります。クリックするか、矢印キーで動かしてEnterでとります。Escで終わります。");
}

QString pointModeEnded()
{
    return Speech::tr("点をとるのを終わりました。");
}

QString pointCursor(const ExactPoint& at, const std::string& pointThere)
{
    if (pointThere.empty())
        return spokenPoint(at.X, at.Y);
    return Speech::tr("%1、点%2").arg(spokenPoint(at.X, at.Y), QString::fromStdString(pointThere));
}

QString lineSummary(const Board& board, int slot)
{
    const auto line = board.line(slot);
    if (!line)
        return Speech::tr("線%1には線がありません。").arg(slotDigit(slot));
    if (line->Vertical)
        return Speech::tr("線%1：%2。").arg(slotDigit(slot)).arg(verticalOverDomain(*line));
    if (hasOpenEnd(*line))
        return lineWithOpenEnd(slot, *line, false) + sentenceEnd();
    return Speech::tr("線%1：%2、エックスは%3から%4まで。")
        .arg(slotDigit(slot))
        .arg(sayableEquation(*line), spoken(line->low()), spoken(line->high()));
}

QString lineDrawn(const Board& board, int slot)
{
    const auto line = board.line(slot);
    if (!line)
        return {};
    if (line->Vertical)
        return Speech::tr("線%1を引きました。%2。").arg(slotDigit(slot)).arg(sentenceStart(verticalOverDomain(*line)));
    if (hasOpenEnd(*line)) {
        return Speech::tr("線%1を引きました。%2、エックスは%3。")
            .arg(slotDigit(slot))
            .arg(sayableEquation(*line), spokenSpan(domainOf(*line)));
    }
    return Speech::tr("線%1を引きました。%2、エックスは%3から%4まで。")
        .arg(slotDigit(slot))
        .arg(sayableEquation(*line), spoken(line->low()), spoken(line->high()));
}

QString lineErased(int slot)
{
    return Speech::tr("線%1を消しました。").arg(slotDigit(slot));
}

QString slotSelected(const Board& board, int slot)
{
    return Speech::tr("線%1を選びました。").arg(slotDigit(slot)) + lineSummary(board, slot);
}

QString initialScreen()
{
    return Speech::tr("初期画面にしました。線はありません。");
}

QString sizeChosen(const Board& board, const QString& sizeName)
{
    return Speech::tr("大きさを%1にしました。%2。").arg(sizeName, visibleRange(board));
}

QString linesHeld(const Board& board)
{
    QString said;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        if (exactLineOf(board.slotTable(), slot))
            said = oneAfterAnother(said, lineSummary(board, slot));
    }
    return said.isEmpty() ? Speech::tr("線はありません。") : said;
}

namespace {

// After a step back or forth: the line the step concerned, or the whole board for a step that
// concerned all of it.
QString leftAfter(const Board& board, const BoardStep& step)
{
    switch (step.Command) {
    case BoardCommand::Draw:
    case BoardCommand::Erase:
    case BoardCommand::Move:
    case BoardCommand::Ends:
        return lineSummary(board, step.Index);
    default:
        return linesHeld(board);
    }
}

} // namespace

QString undone(const Board& board, const BoardStep& step)
{
    return Speech::tr("元に戻しました：%1。").arg(messages::stepName(step)) + leftAfter(board, step);
}

QString redone(const Board& board, const BoardStep& step)
{
    return Speech::tr("やり直しました：%1。").arg(messages::stepName(step)) + leftAfter(board, step);
}

QString nothingToUndo()
{
    return Speech::tr("元に戻すことはありません。");
}

QString nothingToRedo()
{
    return Speech::tr("やり直すことはありません。");
}

QString newLesson()
{
    return Speech::tr("新しい授業にしました。線はありません。");
}

QString lessonOpened(const QString& fileName, const Board& board)
{
    int count = 0;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot)
        count += exactLineOf(board.slotTable(), slot) ? 1 : 0;
    const QString opened = Speech::tr("「%1」を開きました。").arg(fileName);
    if (count == 0)
        return opened + linesHeld(board);
    return opened + Speech::tr("線が%1本あります。").arg(count) + linesHeld(board);
}

QString traceEnded()
{
    return Speech::tr("点を消しました。");
}

QString markShown(bool ShowOptions::*mark, bool on)
{
    if (mark == &ShowOptions::CurrentCrossingsOnly)
        return on ? Speech::tr("交点は現在の線とだけ表示します。") : Speech::tr("交点はすべての線について表示します。");
    if (mark == &ShowOptions::Colours)
        return on ? Speech::tr("線を色分けします。") : Speech::tr("線をすべて青で引きます。");
    QString name;
    if (mark == &ShowOptions::Numbers)
        name = Speech::tr("線の番号");
    else if (mark == &ShowOptions::Equations)
        name = Speech::tr("式");
    else if (mark == &ShowOptions::Intersections)
        name = Speech::tr("交点");
    else if (mark == &ShowOptions::Endpoints)
        name = Speech::tr("端点");
    else if (mark == &ShowOptions::Range)
        name = Speech::tr("yの変域");
    else
        name = Speech::tr("変化の割合");
    return name + (on ? Speech::tr("を表示します。") : Speech::tr("を隠します。"));
}

QString endChosen(const Board& board, int slot, const ExactPoint& at, bool open)
{
    const QString said = open ? Speech::tr("線%1の端、%2を含まないようにしました。")
                              : Speech::tr("線%1の端、%2を含むようにしました。");
    return oneAfterAnother(said.arg(slotDigit(slot)).arg(spokenPoint(at.X, at.Y)), lineSummary(board, slot));
}

QString valueTableOpened(int slot)
{
    return Speech::tr("値の表を開きました。線%1の表です。").arg(slotDigit(slot));
}

QString valueTableClosed()
{
    return Speech::tr("値の表を閉じました。");
}

QString valuePairs(const SlotTable& table, const LineForms& forms, int slot, const std::optional<mpq_class>& step)
{
    const auto line = exactLineOf(table, forms, slot);
    if (!line)
        return {};
    QStringList pairs;
    for (const ExactPoint& column : tableOfValues(*line, step))
        pairs << valuePair(*line, column);
    return sentenceStart(pairs.join(betweenItems())) + sentenceEnd();
}

QString leftOutValue(const QString& value)
{
    return Speech::tr("%1、含まない", "a cell of the table of values at an open end").arg(value);
}

QString traceCoordinates(const TracePoint& point, bool leftOut)
{
    const QString shown = u"(%1, %2)"_s.arg(written(point.X), written(point.Y));
    return leftOut ? Speech::tr("%1（含まない）", "the tracing point at an open end, shown beside it").arg(shown)
                   : shown;
}

QString traceChange(const std::optional<TracePoint>& before, const TracePoint& now)
{
    if (!before || before->Slot != now.Slot || (before->X == now.X && before->Y == now.Y))
        return {};
    return Speech::tr("χ%1 → y%2", "the tracing point's change, shown beside it")
        .arg(signedChange(now.X - before->X, written), signedChange(now.Y - before->Y, written));
}

QString traceAnnouncement(const std::optional<TracePoint>& before, const TracePoint& now, bool leftOut)
{
    QString said = Speech::tr("線%1、%2").arg(slotDigit(now.Slot)).arg(spokenPoint(now.X, now.Y));
    if (leftOut)
        said += Speech::tr("、この点は含まない", "said after the tracing point at an open end");
    if (before && before->Slot == now.Slot && (before->X != now.X || before->Y != now.Y))
        said += betweenSentences() + spokenChange(now.X - before->X, now.Y - before->Y);
    return said + sentenceEnd();
}

QString noLineToTrace()
{
    return Speech::tr("線がありません。");
}

QString noOtherLine()
{
    return Speech::tr("ほかの線はありません。");
}

QString endOfLine()
{
    return Speech::tr("線の端です。");
}

QString coefficientMoved(const QString& name, const mpq_class& value)
{
    return u"%1 %2"_s.arg(name, spoken(value));
}

QString lineToMove(const Board& board, int slot)
{
    const auto line = exactLineOf(board.slotTable(), slot);
    if (!line)
        return lineSummary(board, slot);
    return Speech::tr("線%1を動かします。%2。").arg(slotDigit(slot)).arg(sayableEquation(*line));
}

QString lineMoved(const Board& board, int slot)
{
    const auto line = exactLineOf(board.slotTable(), slot);
    return line ? sayableEquation(*line) + sentenceEnd() : QString();
}

QString playStopped(const QString& name, const Board& board, int slot)
{
    return Speech::tr("%1を止めました。%2").arg(name, lineMoved(board, slot)).trimmed();
}

QString valueStepChosen(const QString& step, const SlotTable& table, const LineForms& forms, int slot,
    const std::optional<mpq_class>& chosen)
{
    const auto line = exactLineOf(table, forms, slot);
    const QString said = Speech::tr("χの刻みを%1にしました。").arg(step);
    if (!line)
        return forEar(said);
    // The first pairs are enough to hear the step; the whole table is there to be read.
    constexpr std::size_t firstPairs = 3;
    const std::vector<ExactPoint> columns = tableOfValues(*line, chosen);
    QStringList pairs;
    for (std::size_t k = 0; k < std::min(firstPairs, columns.size()); ++k)
        pairs << valuePair(*line, columns[k]);
    return forEar(said) + sentenceStart(pairs.join(betweenItems())) + sentenceEnd();
}

QStringList valueTableFacts(const SlotTable& table, int slot)
{
    return valueTableFacts(table, LineForms{}, slot);
}

QStringList valueTableFacts(const SlotTable& table, const LineForms& forms, int slot)
{
    auto line = exactLineOf(table, slot);
    if (!line)
        return {};
    line->FromOpen = openEndsOf(forms, slot).From;
    line->ToOpen = openEndsOf(forms, slot).To;
    const ExactInterval range = yRange(*line);
    const bool open = hasOpenEnd(*line);
    QStringList facts{sayableEquation(*line),
        open ? Speech::tr("エックスは%1").arg(spokenSpan(domainOf(*line)))
             : Speech::tr("エックスは%1から%2まで").arg(spoken(line->low()), spoken(line->high())),
        Speech::tr("変化の割合は%1").arg(spoken(line->A)), Speech::tr("切片は%1").arg(spoken(line->B)),
        open ? Speech::tr("yの変域は%1").arg(spokenSpan(range))
             : Speech::tr("yの変域は%1から%2まで").arg(spoken(range.Low), spoken(range.High))};
    for (int other = 0; other < SlotTable::UserSlots; ++other) {
        auto otherLine = other == slot ? std::nullopt : exactLineOf(table, other);
        if (!otherLine)
            continue;
        // A crossing at another line's open end is no point of it, as the table writes it.
        otherLine->FromOpen = openEndsOf(forms, other).From;
        otherLine->ToOpen = openEndsOf(forms, other).To;
        const Intersection crossing = intersection(*line, *otherLine);
        switch (crossing.Kind) {
        case IntersectionKind::Point:
            facts << Speech::tr("線%1とは%2で交わる")
                         .arg(slotDigit(other))
                         .arg(spokenPoint(crossing.Point->X, crossing.Point->Y));
            break;
        case IntersectionKind::OutsideDomain:
            facts << Speech::tr("線%1とは変域の外の%2で交わる")
                         .arg(slotDigit(other))
                         .arg(spokenPoint(crossing.Point->X, crossing.Point->Y));
            break;
        case IntersectionKind::Parallel:
            facts << Speech::tr("線%1とは平行で交わらない").arg(slotDigit(other));
            break;
        case IntersectionKind::SameLineApart:
            facts << Speech::tr("線%1とは同じ直線上にあるが共有点はない").arg(slotDigit(other));
            break;
        case IntersectionKind::Overlapping:
            facts << Speech::tr("線%1と重なる").arg(slotDigit(other));
            break;
        }
    }
    return facts;
}

} // namespace zelmora::speech
