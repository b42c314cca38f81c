// SPDX-License-Identifier: MIT
#include "output/PracticeSheet.h"

#include "facts/Equation.h"
#include "facts/LineFacts.h"
#include "lesson/LessonFile.h"
#include "output/PdfTidy.h"
#include "plane/PainterSurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <deque>
#include <vector>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

// The catalogue's context for the practice sheet's words.
struct PracticeSheet {
    Q_DECLARE_TR_FUNCTIONS(zelmora::PracticeSheet)
};

constexpr double millimetresPerInch = 25.4;
constexpr double headerRow = 11;
constexpr double nameRow = 10;
constexpr double askRow = 7;
constexpr double cellGap = 6;

QFont sheetFont(double points, bool bold)
{
    QFont font(PlaneFace);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString equationText(const ExactLine& line)
{
    return QString::fromStdString(equationOf(line, Minus::Typographic).Plain);
}

QString question(const PracticeTask& task)
{
    const std::vector<ExactLine> lines = taskLines(task);
    switch (task.Kind) {
    case TaskKind::Equation:
        return PracticeSheet::tr("この直線の式を求めましょう。");
    case TaskKind::Graph:
        return PracticeSheet::tr("%1 のグラフをかきましょう。").arg(equationText(lines[0]));
    case TaskKind::Range:
        return PracticeSheet::tr("%1（%2）の y の変域を求めましょう。")
            .arg(equationText(lines[0]), QString::fromStdString(domainText(lines[0])));
    case TaskKind::Crossing:
        return PracticeSheet::tr("%1 と %2 の交点の座標を求めましょう。")
            .arg(equationText(lines[0]), equationText(lines[1]));
    }
    return {};
}

QString answerText(const PracticeTask& task)
{
    const TaskAnswer answer = answerOf(task);
    const auto number
        = [](const mpq_class& value) { return QString::fromStdString(fractionText(value, Minus::Typographic)); };
    switch (task.Kind) {
    case TaskKind::Equation:
    case TaskKind::Graph:
        return equationText(taskLines(task).front());
    case TaskKind::Range:
        return u"%1 ≦ y ≦ %2"_s.arg(number(answer[0]), number(answer[1]));
    case TaskKind::Crossing:
        return u"(%1, %2)"_s.arg(number(answer[0]), number(answer[1]));
    }
    return {};
}

// A board holding the task's lines in its first slots, on the smallest plane, whose whole units
// take in every task.
Board boardOf(const PracticeTask& task)
{
    Lesson lesson;
    lesson.Size = 0;
    for (std::size_t k = 0; k < task.Lines.size(); ++k)
        lesson.Slots[k] = task.Lines[k];
    Board board;
    board.open(lesson);
    return board;
}

class PracticePages {
public:
    PracticePages(QPagedPaintDevice& device, const PracticeSheetSettings& settings)
        : Device(device)
        , Painter(&device)
        , Settings(settings)
        , DotsPerMillimetre(device.logicalDpiX() / millimetresPerInch)
        , Area(device.pageLayout().paintRect(QPageLayout::Millimeter).size())
    {
    }

    void draw()
    {
        for (int version = 0; version < Settings.Versions; ++version) {
            PracticeSettings practice = Settings.Practice;
            practice.Seed += static_cast<std::uint64_t>(version);
            const std::vector<PracticeTask> tasks = makeTasks(practice);
            problems(tasks, practice.Seed);
            key(tasks, practice.Seed);
        }
    }

private:
    QRectF dots(const QRectF& millimetres) const
    {
        return {millimetres.x() * DotsPerMillimetre, millimetres.y() * DotsPerMillimetre,
            millimetres.width() * DotsPerMillimetre, millimetres.height() * DotsPerMillimetre};
    }

    void newPage()
    {
        if (!First)
            Device.newPage();
        First = false;
    }

    // The heading, and the name line on the problems; the height they take.
    double heading(const QString& text, bool name)
    {
        Painter.setPen(Qt::black);
        Painter.setFont(sheetFont(16, true));
        Painter.drawText(dots(QRectF(0, 0, Area.width(), headerRow - 2)), Qt::AlignHCenter | Qt::AlignBottom, text);
        if (!name)
            return headerRow;
        Painter.setFont(sheetFont(12, false));
        const QRectF row = dots(QRectF(Area.width() * 0.4, headerRow, Area.width() * 0.6, nameRow - 2));
        Painter.drawText(row, Qt::AlignLeft | Qt::AlignBottom, PracticeSheet::tr("　　　組　　　番　名前"));
        Painter.drawLine(row.bottomLeft(), row.bottomRight());
        return headerRow + nameRow;
    }

    void problems(const std::vector<PracticeTask>& tasks, std::uint64_t seed)
    {
        const QString title = PracticeSheet::tr("練習プリント　問題番号 %1").arg(seed);
        std::vector<QRectF> cells;
        for (std::size_t k = 0; k < tasks.size(); ++k) {
            if (k % static_cast<std::size_t>(Settings.Sheet.PerPage) == 0) {
                newPage();
                const double top = heading(title, true);
                cells = cellsOf(
                    QSizeF(Area.width(), Area.height() - top), Settings.Sheet.PerPage, [](double) { return askRow; });
                for (QRectF& cell : cells)
                    cell.translate(0, top);
            }
            cell(cells[k % cells.size()], static_cast<int>(k) + 1, tasks[k]);
        }
    }

    void cell(const QRectF& place, int number, const PracticeTask& task)
    {
        Painter.setPen(Qt::black);
        Painter.setFont(sheetFont(Settings.Sheet.PerPage == 1 ? 12 : 10, false));
        Painter.drawText(dots(QRectF(place.left(), place.top(), place.width(), askRow)),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, u"(%1) "_s.arg(number) + question(task));
        const QRectF area = place.adjusted(0, askRow, 0, 0);
        // The boards stay while the page is drawn: the frame refers to them.
        const Board& board = Boards.emplace_back(boardOf(task));
        const PagePlane placed
            = planeInArea(area.size(), board, Settings.Sheet.UnitMillimetres, Settings.Sheet.CentreOnLines);
        if (placed.Range.width() < 2 || placed.Range.height() < 2)
            return;
        QRectF picture = placed.Place.translated(area.topLeft());
        picture.moveTop(area.top());
        const PictureFrame frame = sheetFrame(placed, picture.topLeft(), DotsPerMillimetre);
        PictureSettings pictureSettings;
        // グラフをかく gives the equation alone: its plane is for the pupil's graph.
        pictureSettings.Problem = task.Kind == TaskKind::Graph;
        pictureSettings.BlackAndWhite = Settings.Sheet.BlackAndWhite;
        drawPictureOn(Device, &Painter, frame, board, pictureSettings);
    }

    void key(const std::vector<PracticeTask>& tasks, std::uint64_t seed)
    {
        newPage();
        double y = heading(PracticeSheet::tr("練習プリント　問題番号 %1　解答").arg(seed), false) + 4;
        Painter.setFont(sheetFont(12, false));
        constexpr double row = 8;
        for (std::size_t k = 0; k < tasks.size(); ++k) {
            if (y + row > Area.height()) {
                newPage();
                y = 0;
                Painter.setFont(sheetFont(12, false));
            }
            Painter.drawText(dots(QRectF(0, y, Area.width(), row)), Qt::AlignLeft | Qt::AlignVCenter,
                u"(%1) %2"_s.arg(k + 1).arg(answerText(tasks[k])));
            y += row;
        }
    }

    QPagedPaintDevice& Device;
    QPainter Painter;
    const PracticeSheetSettings& Settings;
    double DotsPerMillimetre;
    QSizeF Area;
    bool First = true;
    std::deque<Board> Boards;
};

} // namespace

QByteArray practiceSheetPdf(const PracticeSheetSettings& settings)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageLayout(pageLayoutOf(settings.Sheet));
        writer.setTitle(PracticeSheet::tr("練習プリント"));
        writer.setCreator(u"Zelmora"_s);
        PracticePages(writer, settings).draw();
    }
    return tidyPdf(bytes);
}

void drawPracticeSheet(QPagedPaintDevice& device, const PracticeSheetSettings& settings)
{
    PracticePages(device, settings).draw();
}

std::optional<OutputFault> writePracticeSheet(const QString& path, const PracticeSheetSettings& settings)
{
    if (saveFileAtomically(path, practiceSheetPdf(settings)))
        return OutputFault::Unwritable;
    return std::nullopt;
}

} // namespace zelmora
