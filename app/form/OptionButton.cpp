// SPDX-License-Identifier: MIT
#include "app/form/OptionButton.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace zelmora {

void OptionButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    // A mouse press clicks on release by itself; clicking here as well would click twice. The click
    // waits until the focus-in is over: selecting a slot moves the focus on, and a focus moved
    // inside a focus-in reaches a screen reader in the wrong order.
    if (!isChecked() && event->reason() != Qt::MouseFocusReason)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (hasFocus() && !isChecked())
                    click();
            },
            Qt::QueuedConnection);
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        Q_EMIT arrowPressed(static_cast<Qt::Key>(event->key()));
        break;
    default:
        QRadioButton::keyPressEvent(event);
    }
}

bool OptionButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace zelmora
