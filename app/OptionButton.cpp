#include "app/OptionButton.h"

#include <QFocusEvent>

namespace zelmora {

void OptionButton::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    // A mouse press clicks on release by itself; clicking here as well would click twice.
    if (!isChecked() && event->reason() != Qt::MouseFocusReason)
        click();
}

bool OptionButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

} // namespace zelmora
