// SPDX-License-Identifier: MIT
// How the labels of a crowded board fare at each plane size: for the lessons given and a few
// seeded boards of eight lines with every mark on, how many lines are named beside themselves and
// how many in the legend, how many coordinates find a place, and whether the slope triangle that
// fits on the current line is drawn. The picture is drawn as the window draws it, on a 600 x 600
// image with the program's fonts.
//
//   zelmora_labelcounts [--png DIR] [LESSON...]
//
// With --png, each picture is also written to DIR as NAME-SIZE.png.

#include "BenchSupport.h"

#include "board/Board.h"
#include "facts/SlopeStep.h"
#include "lesson/LessonFile.h"
#include "picture/Picture.h"
#include "picture/UnitMarks.h"
#include "plane/PlaneGeometry.h"

#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using zelmora::Board;
using zelmora::MarkLabelKind;

struct Counts {
    int Beside = 0;
    int Legend = 0;
    int Coordinates = 0;
    int Crossings = 0;
    int TrianglesOffered = 0;
    int TrianglesDrawn = 0;
};

Counts countAt(Board& board, int size, const QString& png)
{
    board.setPlaneSize(size);
    zelmora::bench::PlaneCanvas canvas;
    const zelmora::PlaneGeometry geometry = board.geometry();
    Counts counts;
    for (const zelmora::MarkLabel& label : zelmora::markLabels(canvas.Surface, board.slotTable(), geometry,
             board.showOptions(), board.lineSlot(), {}, board.lineForms(), {board.points()})) {
        counts.Beside += label.Kind == MarkLabelKind::Line ? 1 : 0;
        counts.Legend += label.Kind == MarkLabelKind::Legend ? 1 : 0;
        counts.Coordinates += label.Kind == MarkLabelKind::Coordinates ? 1 : 0;
        counts.TrianglesDrawn += label.Kind == MarkLabelKind::SlopeRun ? 1 : 0;
    }
    const std::vector<zelmora::ExactPoint> leftOut = zelmora::drawPicture(canvas.Surface, board.slotTable(), geometry,
        board.showOptions(), board.lineSlot(), zelmora::PlaneEdges::Window, zelmora::Ink::Colour,
        zelmora::AxisNames::Beside, board.lineForms(), {board.points()});
    counts.Crossings = counts.Coordinates + static_cast<int>(leftOut.size());
    if (!png.isEmpty())
        canvas.Image.save(png);
    const mpq_class half(zelmora::PictureSide / 2, geometry.UnitPixels);
    const zelmora::PlaneWindow window{-half, half, -half, half};
    if (const auto line = board.line(board.lineSlot()); line && zelmora::slopeStep(*line, window))
        counts.TrianglesOffered = 1;
    return counts;
}

// Eight lines a class might draw: slopes whole or in halves, thirds and quarters, intercepts up to
// 6 either way, domains of a few units up to the whole plane.
Board generated(std::uint32_t seed)
{
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) {
        return low + static_cast<int>(random() % static_cast<std::uint32_t>(high - low + 1));
    };
    static const char* const slopes[]
        = {"1", "2", "3", "-1", "-2", "-3", "1/2", "-1/2", "1/3", "-1/3", "2/3", "-2/3", "1/4", "-3/4", "3/2", "-5/2"};
    Board board;
    for (int slot = 0; slot < 8; ++slot) {
        const std::string a = slopes[pick(0, 15)];
        const std::string b = std::to_string(pick(-6, 6));
        const std::string from = std::to_string(pick(-14, -1));
        const std::string to = std::to_string(pick(1, 14));
        board.draw({a, b, from, to});
    }
    board.selectSlot(pick(0, 7));
    zelmora::ShowOptions show;
    show.Numbers = show.Equations = show.Intersections = show.Endpoints = show.Slope = show.Colours = true;
    board.setShowOptions(show);
    return board;
}

void report(const std::string& name, Board board, const QString& pngFolder)
{
    for (int size = 0; size < static_cast<int>(zelmora::PlaneSizes.size()); ++size) {
        const QString sizeName
            = QString::fromStdU16String(std::u16string(zelmora::PlaneSizes[static_cast<std::size_t>(size)].Name));
        const QString png = pngFolder.isEmpty()
            ? QString()
            : QStringLiteral("%1/%2-%3.png").arg(pngFolder, QString::fromStdString(name), sizeName);
        const Counts counts = countAt(board, size, png);
        std::printf("%-16s %s  beside %d  legend %d  coordinates %d/%d  triangle %d/%d\n", name.c_str(),
            sizeName.toStdString().c_str(), counts.Beside, counts.Legend, counts.Coordinates, counts.Crossings,
            counts.TrianglesDrawn, counts.TrianglesOffered);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QFont::insertSubstitution(zelmora::PlaneFace, QStringLiteral("IPAPGothic"));
    int first = 1;
    QString pngFolder;
    if (argc > 2 && std::string_view(argv[1]) == "--png") {
        pngFolder = QString::fromLocal8Bit(argv[2]);
        first = 3;
    }
    for (int i = first; i < argc; ++i) {
        const auto loaded = zelmora::loadLessonFile(QString::fromLocal8Bit(argv[i]));
        const auto* lesson = std::get_if<zelmora::Lesson>(&loaded);
        Board board;
        if (lesson == nullptr || !std::holds_alternative<zelmora::Outcome>(board.open(*lesson))) {
            std::fprintf(stderr, "%s: not a lesson this program opens\n", argv[i]);
            return 1;
        }
        report(QFileInfo(argv[i]).completeBaseName().toStdString(), std::move(board), pngFolder);
    }
    for (std::uint32_t seed = 1; seed <= 12; ++seed)
        report("seed" + std::to_string(seed), generated(seed), pngFolder);
    return 0;
}
