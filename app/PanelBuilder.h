// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace zelmora {

// Gives the form its fixed size and green, and creates every control of the panel layout as its
// child, named, placed, captioned, coloured and set in its font as the table says, in the table's
// order. The form's handlers are not connected here.
void buildPanel(QWidget* form);

} // namespace zelmora
