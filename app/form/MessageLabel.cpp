// SPDX-License-Identifier: MIT
#include "app/form/MessageLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace zelmora {
namespace {

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
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

} // namespace

QStringList MessageLabel::lines(const QString& text, const QFont& font, qreal width)
{
    QStringList widest = layOut(text, font, width);
    if (widest.size() < 2)
        return widest;
    // The narrowest width that needs no more lines than the full one evens the lines out.
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
