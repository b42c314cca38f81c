// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

namespace zelmora {

// A slot's option button. Receiving the keyboard focus from the keyboard or from code checks it
// and clicks it (once the focus-in is over), and a press anywhere on it counts, as pupils expect
// of the numbered circles. The arrow keys ask for a neighbour to be selected (arrowPressed) rather
// than moving by themselves: Qt would click the neighbour first and focus it afterwards, taking
// the focus back from wherever the click's handler had put it.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

Q_SIGNALS:
    void arrowPressed(Qt::Key key);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace zelmora
