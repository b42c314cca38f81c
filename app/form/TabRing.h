// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace zelmora {

// The order Tab and Shift+Tab take through a form's controls: the order of their tab indices in
// the panel layout, round and round. The slot buttons are one stop, the checked one, at the place of
// slot "１" whichever is checked: landing on an unchecked one would check it and load its slot over
// what has been typed. The
// arrow keys move among the slots instead, which stand in two rows of four, wrapping around.
class TabRing {
public:
    // Finds the form's controls that take the focus, chains them in tab-index order, and lets the
    // arrow keys move among the slot buttons.
    explicit TabRing(QWidget* form);

    // Gives the focus to the next (or previous) stop after the given control; false when there is
    // none.
    bool move(QWidget* from, bool next) const;

    // Stops that follow the form's own before the ring comes round: a companion's controls where
    // they stand in the same window.
    void setTrailing(const std::vector<QWidget*>& stops);

private:
    std::vector<QWidget*> Stops;
    std::vector<QPointer<QWidget>> Trailing;
    std::vector<QWidget*> Slots;
};

} // namespace zelmora
