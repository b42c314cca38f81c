// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

class QWidget;

namespace zelmora {

class Announcer;

// The controls buildPanel made: one for each row of the panel layout, in the table's order, and
// the announcer that speaks for them.
struct PanelWidgets {
    std::vector<QWidget*> Controls;
    Announcer* Speaker = nullptr;

    // The control of the row with this name; none when no row has it.
    QWidget* control(std::string_view name) const;
};

// Gives the form its fixed size and green, and creates every control of the panel layout as its
// child, named, placed, captioned, coloured and set in its font as the table says, in the table's
// order. The form's handlers are not connected here.
PanelWidgets buildPanel(QWidget* form);

} // namespace zelmora
