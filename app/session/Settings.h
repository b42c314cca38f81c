// SPDX-License-Identifier: MIT
#pragma once

#include "app/session/Startup.h"
#include "board/ShowOptions.h"
#include "output/Worksheet.h"
#include "practice/TaskGenerator.h"

#include <QStringList>

namespace zelmora {

// The export dialog's last choices.
struct ExportRemembered {
    int Format = 0;               // the row of the format list
    int Units = 0;                // −N..N on a PDF, 0 as on the screen
    double UnitMillimetres = 0.0; // 0: as on the screen, or fitted to the paper
    bool Problem = false;
    bool PointNamesOnly = false; // a problem's points named without their coordinates
    bool BlackAndWhite = false;
};

// The print dialog's last choices. The length typed for 1目盛りの長さを指定 is kept apart from the
// scale chosen, so that it is there again when that is chosen again.
struct PrintRemembered {
    Paper PaperSize = Paper::A4;
    bool Landscape = false;
    double MarginMillimetres = 10.0;
    double UnitMillimetres = 5.0; // 0: fitted to the paper; -1: the length typed
    double TypedUnitMillimetres = 5.0;
    bool CentreOnLines = false;
    int PerPage = 1;
    SheetKind Kind = SheetKind::Answer;
    bool PointNamesOnly = false;
    bool BlackAndWhite = false;
    bool Plain = false;
};

// The print dialog's last choices for 練習プリント.
struct PracticeSheetRemembered {
    int Kind = -1; // a TaskKind, or −1 for every kind in turn
    int Level = static_cast<int>(TaskLevel::Integer);
    int Count = 10;
    int Versions = 1;
};

// What the program keeps for its next run, in the settings file under its name, each value under
// its own key with its default. Values are read as their type whatever form the file holds them in
// (a file keeps every value as text).
class Settings {
public:
    // 表示 → 言語; Japanese unless English was chosen.
    static Language language();
    static void setLanguage(Language language);
    // The lesson files last opened or saved, the newest first.
    static QStringList recentFiles();
    static void setRecentFiles(const QStringList& files);
    // The marks of the 表示 menu; none when nothing was chosen.
    static ShowOptions showOptions();
    static void setShowOptions(const ShowOptions& options);
    // 値の表をウィンドウに付ける.
    static bool valueTableDocked();
    static void setValueTableDocked(bool docked);
    static ExportRemembered exportChoices();
    static void setExportChoices(const ExportRemembered& choices);
    static PrintRemembered printChoices();
    static void setPrintChoices(const PrintRemembered& choices);
    static PracticeSheetRemembered practiceSheetChoices();
    static void setPracticeSheetChoices(const PracticeSheetRemembered& choices);

    // Forgets everything kept: the next window starts as on the program's first run.
    static void clear();
};

} // namespace zelmora
