// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

namespace zelmora {

// Every control of the window as data: what it is, where it stands in the 935 x 650 client area
// (pixels), its caption, font, colours and place in the tab order. The window is built from this
// table, the layout tests check it, and the scripts that drive the program read positions from it.
// Plain data, so that tools can use it without Qt.

enum class ControlKind {
    AxisName,      // a label beside the plane
    Picture,       // the drawing surface
    Panel,         // the olive panel the slot buttons and boxes stand on
    Label,         // a caption
    SentenceLabel, // a caption of sentences, one a line
    MessageLabel,  // the message area
    Button,
    Option, // a slot button
    Entry,  // an entry box
};

enum class Colour { Standard, White, Green, Olive, Blue, Yellow };

// A control's place in the client area, in pixels.
struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct ControlRow {
    std::string_view Name; // the object name; arrays as "Option1_3"
    ControlKind Kind = ControlKind::Label;
    std::u16string_view Caption;
    Rect Place;
    double Points = 0; // font size in points at 96 dots per inch; 0: no font of its own
    bool Bold = false;
    Colour Text = Colour::Standard;
    Colour Background = Colour::Standard;
    int TabIndex = -1; // place in the tab order; -1 for controls that take no focus
    std::u16string_view AccessibleName;
    bool Centred = false; // a caption centred across its width
};

inline constexpr int FormWidth = 935;
inline constexpr int FormHeight = 650;

// The controls in the order they are created, which is also their stacking order: a later one
// lies over an earlier one where they meet.
std::span<const ControlRow> panelLayout();

// The control of that name; the table's first row when there is none.
const ControlRow& controlRow(std::string_view name);

} // namespace zelmora
