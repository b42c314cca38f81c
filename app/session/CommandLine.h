// SPDX-License-Identifier: MIT
#pragma once

#include "app/session/Startup.h"
#include "output/PictureOutput.h"
#include "output/PracticeSheet.h"
#include "output/Worksheet.h"
#include "practice/TaskGenerator.h"

#include <QString>
#include <QStringList>

namespace zelmora {

// What the command line asks for:
//   zelmora [--lang ja|en] [LESSON]                        the window, with the lesson open, in
//                                                          that language
//   zelmora --export OUT.{png,svg,pdf} [--problem] [--bw] [--plain] [--unit-mm N] [--units N]
//           [--scale 1|2|4] LESSON                        the picture written, no window
//   zelmora --worksheet OUT.pdf [--paper A4|B5|A3|Letter] [--landscape] [--per-page 1|2|4|6]
//           [--answers] [--title TEXT] [--unit-mm N] [--units N] [--centre origin|lines]
//           [--margin MM] [--bw] [--plain] LESSON...
//                                                          a worksheet of the lessons, no window
//   zelmora --practice OUT.zelmora [--kind equation|graph|range|crossing|mixed]
//           [--level integer|fraction|mixed] [--count N] [--seed S]
//                                                          a lesson of practice tasks, no window
//   zelmora --practice-sheet OUT.pdf [the practice options] [--versions K] [--paper …] [--landscape]
//           [--per-page 1|2|4|6] [--unit-mm N] [--bw]
//                                                          K sets of tasks on paper, each with its key
//   zelmora --help | --version
// A value out of its range is a mistake, never quietly brought into it.
struct CommandLine {
    enum class Mode { Window, Export, Worksheet, Practice, PracticeSheet, Help, Version, Mistake };

    Mode Want = Mode::Window;
    QString Lesson;
    QStringList Lessons; // for a worksheet, in the order given
    QString Output;
    PictureSettings Settings;
    WorksheetSettings Sheet;
    bool TitleGiven = false; // --title, which takes the place of the lessons' own titles
    QString Mistake;         // what is wrong with the arguments, in one line
    QString Language;        // --lang: "ja" or "en"; empty when not given
    PracticeSettings Practice;
    int Versions = 1; // --versions: practice sheets from consecutive seeds // --kind, --level, --count and --seed
                      // (drawn from 1 to 9999 when not given)
};

// Whether the arguments ask for a run without a window (export, help or version), so that no
// display is needed. Looks at the raw arguments, before any application object exists.
bool wantsNoWindow(int argc, const char* const* argv);

// The language the program runs in for these arguments: --lang when it is ja or en, else what the
// window would choose. Found whatever else the arguments get wrong, before they are read, so that
// the help and every mistake can be written in it.
Language commandLineLanguage(const QStringList& arguments);

// Reads the arguments the application object leaves (its own, such as -platform, taken out).
CommandLine readCommandLine(const QStringList& arguments);

// The text --help prints.
QString commandLineHelp();

// Writes the picture of the lesson the command line names; a one-line message on standard error
// and a non-zero status for a bad lesson or an unwritable path. Needs a QGuiApplication.
int runExport(const CommandLine& command);

// Writes a lesson setting the practice tasks the settings make, with their seed; the same settings
// give the same file, byte for byte.
int runPractice(const CommandLine& command);

// Writes the practice sheets the settings make, each version with its answer key.
int runPracticeSheet(const CommandLine& command);

// Writes the worksheet of the lessons the command line names: their problem sheets and, with
// --answers, their answer key after them. The title is --title, or else the first lesson's own.
// The same messages and statuses as runExport.
int runWorksheet(const CommandLine& command);

} // namespace zelmora
