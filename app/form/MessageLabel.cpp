// SPDX-License-Identifier: MIT
#include "app/form/MessageLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace zelmora {
namespace {

// Japanese has no spaces, and Qt may break between any two of its letters ("読/みませんでした"). A
// word joiner between two characters keeps them on one line; a line may then break only after a
// run of hiragana (where a particle or an ending closes a word), after a comma or a full stop,
// before an opening bracket, or between a digit and a letter; a word wider than the area still
// breaks anywhere.
constexpr QChar wordJoiner(0x2060);

enum class Kind { Hiragana, Other, Opening, Closing };

Kind kindOf(QChar c)
{
    if (c.script() == QChar::Script_Hiragana)
        return Kind::Hiragana;
    if (c.category() == QChar::Punctuation_Open || c.category() == QChar::Punctuation_InitialQuote)
        return Kind::Opening;
    if (c.category() == QChar::Punctuation_Close || c.category() == QChar::Punctuation_FinalQuote
        || QStringView(u"、。，．…！？").contains(c))
        return Kind::Closing;
    return Kind::Other;
}

bool breaksBetween(QChar before, QChar after)
{
    const Kind a = kindOf(before);
    const Kind b = kindOf(after);
    if (b == Kind::Closing)
        return false;
    if (a == Kind::Closing || b == Kind::Opening)
        return a != Kind::Opening;
    return a == Kind::Hiragana && b == Kind::Other;
}

QString joined(const QString& text)
{
    QString result;
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (k > 0 && !text[k].isLowSurrogate() && !breaksBetween(text[k - 1], text[k]))
            result += wordJoiner;
        result += text[k];
    }
    return result;
}

QStringList layOut(const QString& text, const QFont& font, qreal width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).remove(wordJoiner);
    }
    layout.endLayout();
    return lines;
}

// The lines of about equal length: the narrowest width that needs no more lines than the full one.
QStringList balanced(const QString& text, const QFont& font, qreal width)
{
    QStringList widest = layOut(text, font, width);
    if (widest.size() < 2)
        return widest;
    qreal fits = width;
    qreal tooNarrow = width / static_cast<qreal>(widest.size()) - 1;
    while (fits - tooNarrow > 0.5) {
        const qreal middle = (fits + tooNarrow) / 2;
        if (layOut(text, font, middle).size() <= widest.size())
            fits = middle;
        else
            tooNarrow = middle;
    }
    return layOut(text, font, fits);
}

} // namespace

QStringList MessageLabel::lines(const QString& text, const QFont& font, qreal width)
{
    // Broken between words where that fits the three lines the area holds (or takes no more lines
    // than Qt's breaking) and no line opens with a closing mark; otherwise as Qt breaks it.
    constexpr qsizetype areaLines = 3;
    const QStringList loose = balanced(text, font, width);
    const QStringList words = balanced(joined(text), font, width);
    const bool closingFirst = std::any_of(words.begin() + std::min<qsizetype>(1, words.size()), words.end(),
        [](const QString& line) { return !line.isEmpty() && kindOf(line.front()) == Kind::Closing; });
    return words.size() <= std::max(loose.size(), areaLines) && !closingFirst ? words : loose;
}

void MessageLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font(), this);
    const QRectF area = contentsRect();
    qreal top = area.top();
    for (const QString& line : lines(text(), font(), area.width())) {
        painter.drawText(QPointF(area.left(), top + metrics.ascent()), line);
        top += metrics.lineSpacing();
    }
}

} // namespace zelmora
