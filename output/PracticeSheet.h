// SPDX-License-Identifier: MIT
#pragma once

#include "output/PictureOutput.h"
#include "output/Worksheet.h"
#include "practice/TaskGenerator.h"

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QString>

#include <optional>

namespace zelmora {

// 練習プリント: sets of practice tasks on paper, a different set for each version, made from
// consecutive seeds. Each version starts on a page of its own, headed 「練習プリント　問題番号 4721」
// with the name line; each task is numbered, asked in one line and given a plane (the line without
// its equation for 式を求める, an empty plane for グラフをかく, the lines for 変域 and 交点), as many a
// page as the sheet settings say; the version's answer key follows on a page of its own. Paper,
// margins, planes a page, scale and black and white are the worksheets'. Millimetres on the page.
struct PracticeSheetSettings {
    WorksheetSettings Sheet;
    PracticeSettings Practice;
    int Versions = 1; // sets from Practice.Seed, Practice.Seed + 1, …
};

inline constexpr int MaxVersions = 100;

QByteArray practiceSheetPdf(const PracticeSheetSettings& settings);

// Draws the sheets on a paged device set up with the sheet's page layout: a printer, its preview.
void drawPracticeSheet(QPagedPaintDevice& device, const PracticeSheetSettings& settings);

// Writes the sheets as a PDF file, atomically.
std::optional<OutputFault> writePracticeSheet(const QString& path, const PracticeSheetSettings& settings);

} // namespace zelmora
