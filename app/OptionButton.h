#pragma once

#include <QRadioButton>

namespace zelmora {

// A slot's option button. Receiving the keyboard focus from the keyboard or from code checks it
// and clicks it, and a press anywhere on it counts, as pupils expect of the numbered circles.
class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace zelmora
