// SPDX-License-Identifier: MIT
// The panel layout as text for scripts: "Name left top width height" a line.
#include "app/PanelLayout.h"

#include <cstdio>

int main()
{
    for (const zelmora::ControlSpec& spec : zelmora::panelLayout()) {
        std::printf("%.*s %d %d %d %d\n", static_cast<int>(spec.Name.size()), spec.Name.data(), spec.Place.Left,
            spec.Place.Top, spec.Place.Width, spec.Place.Height);
    }
}
