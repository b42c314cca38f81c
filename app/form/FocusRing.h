// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

namespace zelmora {

// A ring drawn around whichever control of its parent has the keyboard focus, just outside the
// control: a yellow band on the green and olive of the window and a black line next to the
// control, so that it stands out at more than 3:1 against either side. It takes no input and lies
// above the other controls.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget* parent);

    // The control the ring is around, or nothing.
    QWidget* target() const { return Target; }

    // Width of the ring in pixels, outside the control's rectangle.
    static constexpr int Width = 3;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focused);

    QPointer<QWidget> Target;
};

} // namespace zelmora
