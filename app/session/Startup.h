// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zelmora {

// What the application needs before its window is created: a display, the Fusion style, a
// Japanese face for the captions, and the name and icon its desktop entry shares.

// Whether the arguments name a platform for Qt (-platform NAME, --platform=NAME, ...).
bool hasPlatformArgument(int argc, const char* const* argv);
// Whether Qt can open a window here. On Linux: a platform was named (QT_QPA_PLATFORM, or -platform
// among the arguments), or an X11 or Wayland display is set; elsewhere Qt decides.
bool hasDisplay(int argc, const char* const* argv);
// The message for a machine without a display, with the command that runs the program headless.
QString noDisplayMessage(const QString& program);

// Before the application object exists: metrics of fonts and controls as at 96 dots per inch, so
// that the fixed layout holds on a desktop set to another logical DPI. Displays with more pixels
// still get a sharp window through Qt's device pixel ratio.
void prepareApplication();

// Substitutes IPA P Gothic for the caption face where that face is not installed.
void installFontSubstitution();
// The language of the window's words. Japanese is the program's own; English is a catalogue of
// translations, loaded only when asked for.
enum class Language { Japanese, English };

// The language the window speaks: --lang ("ja" or "en") when given, else the one chosen in the
// 表示 → 言語 menu and kept in the settings. Japanese unless English was asked for; the system's
// locale plays no part.
Language chosenLanguage(const QString& commandLineLanguage);
// Where the English catalogue is built into the program.
QString englishCatalogue();

// The program's own words in the language: English from its catalogue; Japanese is the language
// they are written in. Installed before the command line is read, so that its help and its
// mistakes are in the language too.
void installCatalogue(Language language);
// Qt's own words in the window (standard buttons, file dialogs): Japanese, as the program's, where
// Qt's translations are installed; English is Qt's own. Not installed for the command line, whose
// parser's own few messages (an unknown option, a missing value) stay in Qt's English.
void installQtTranslations(Language language);
// The Fusion style, so that the window looks the same on every desktop.
void installStyle();
// The program's name and version, under which its settings are kept, and the desktop entry it
// belongs to.
void installIdentity();
// Gives the windows the desktop entry's icon once the first one is on screen.
void installWindowIcon();

// All of the above that a program with windows needs once its application object exists but the
// program's catalogue, which goes in before the command line is read, and the screen-reader
// support: the program and its window tests start alike.
void installWindowedApplication(Language language);

} // namespace zelmora
