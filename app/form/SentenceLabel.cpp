// SPDX-License-Identifier: MIT
#include "app/form/SentenceLabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace zelmora {

QString SentenceLabel::shownText() const
{
    static const QRegularExpression ideographicSpaces(QStringLiteral("\u3000+"));
    return text().replace(ideographicSpaces, QStringLiteral("\n"));
}

void SentenceLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, shownText());
}

} // namespace zelmora
