// SPDX-License-Identifier: MIT
#pragma once

#include "output/PictureOutput.h"

#include <QString>

#include <optional>

class QWidget;

namespace zelmora {

// The dialogs around worksheets: what to export and where, printing with a preview, and the short
// guide to the program. In Japanese, as the window is.

struct ExportChoice {
    QString Path;
    PictureSettings Settings;
};

// Asks for the format, size and kind of the picture, then for the file; nothing when cancelled.
std::optional<ExportChoice> askExport(QWidget* parent, const QString& suggestedName);

// Asks for the scale and kind of the printed picture, then shows the print preview with the
// system's print dialog behind it. Its kinds end with 練習プリント, practice tasks made from a
// 問題番号 instead of the lesson's lines, which it starts with when practiceFirst.
void printWithPreview(QWidget* parent, const Board& board, bool practiceFirst = false);

// The guide: typing fractions, the slots, the keys, lesson files. Not modal. Keys: the list of the
// menus' keys, each with its item's name.
void showUsage(QWidget* parent, const QString& keys);

} // namespace zelmora
