// SPDX-License-Identifier: MIT
#pragma once

#include "output/PictureOutput.h"

#include <QString>
#include <QStringList>

namespace zelmora {

// What the command line asks for:
//   zelmora [LESSON]                                       the window, with the lesson open
//   zelmora --export OUT.{png,svg,pdf} [--problem] [--unit-mm N] [--scale 1|2|4] LESSON
//                                                          the picture written, no window
//   zelmora --help | --version
struct CommandLine {
    enum class Mode { Window, Export, Help, Version, Mistake };

    Mode Want = Mode::Window;
    QString Lesson;
    QString Output;
    PictureSettings Settings;
    QString Mistake; // what is wrong with the arguments, in one line
};

// Whether the arguments ask for a run without a window (export, help or version), so that no
// display is needed. Looks at the raw arguments, before any application object exists.
bool wantsNoWindow(int argc, const char* const* argv);

// Reads the arguments the application object leaves (its own, such as -platform, taken out).
CommandLine readCommandLine(const QStringList& arguments);

// The text --help prints.
QString commandLineHelp();

// Writes the picture of the lesson the command line names; a one-line message on standard error
// and a non-zero status for a bad lesson or an unwritable path. Needs a QGuiApplication.
int runExport(const CommandLine& command);

} // namespace zelmora
