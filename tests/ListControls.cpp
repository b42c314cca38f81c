// SPDX-License-Identifier: MIT
// The panel layout as text for scripts: "Name left top width height" a line.
#include "app/form/PanelLayout.h"

#include <cstdio>

int main()
{
    for (const zelmora::ControlRow& row : zelmora::panelLayout()) {
        std::printf("%.*s %d %d %d %d\n", static_cast<int>(row.Name.size()), row.Name.data(), row.Place.Left,
            row.Place.Top, row.Place.Width, row.Place.Height);
    }
}
