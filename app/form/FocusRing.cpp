// SPDX-License-Identifier: MIT
#include "app/form/FocusRing.h"

#include "app/words/Look.h"

#include <QApplication>
#include <QPainter>

namespace zelmora {

FocusRing::FocusRing(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* focused)
{
    if (focused == nullptr || focused->parentWidget() != parentWidget()) {
        Target = nullptr;
        hide();
        return;
    }
    Target = focused;
    setGeometry(focused->geometry().adjusted(-Width, -Width, Width, Width));
    // The ring is round the outside only, so the control shows through it unchanged.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(Width, Width, -Width, -Width))));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), look::Yellow);
    const QRect inner = rect().adjusted(Width - 1, Width - 1, -(Width - 1), -(Width - 1));
    painter.setPen(QPen(look::Black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(0, 0, -1, -1));
}

} // namespace zelmora
