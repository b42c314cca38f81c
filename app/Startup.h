#pragma once

#include <QString>

namespace zelmora {

// What the application needs before its window is created: a display, the Fusion style and a
// Japanese face for the captions.

// Whether Qt can open a window here: a platform was named, or an X11 or Wayland display is set.
bool hasDisplay();
// The message for a machine without a display, with the command that runs the program headless.
QString noDisplayMessage(const QString& program);

// Substitutes IPA P Gothic for the caption face where that face is not installed.
void installFontSubstitution();
// The Fusion style, so that the window looks the same on every desktop.
void installStyle();

} // namespace zelmora
