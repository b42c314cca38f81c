// SPDX-License-Identifier: MIT
// Worksheets, made from boards without a window: where the planes of a page stand, the answer list
// as a textbook writes it, the order of problem and answer sheets, and the PDF in the forms other
// programs keep.
#include "output/Worksheet.h"
#include "output/PdfTidy.h"
#include "plane/DrawPlane.h"

#include <QRegularExpression>
#include <QtEndian>

#include <set>

#include <gtest/gtest.h>

namespace zelmora::testing {
namespace {

class WorksheetTest : public ::testing::Test {
protected:
    // The typical pair, y = -2/3χ + 1 and y = 2χ - 2 over -3 ≦ χ ≦ 3, in slots １ and ２.
    void SetUp() override
    {
        Lesson.draw({"-2/3", "1", "-3", "3"});
        Lesson.draw({"2", "-2", "-3", "3"});
    }

    Board Lesson;
};

// Every stream of a PDF, inflated where it is deflated.
QList<QByteArray> streamsOf(const QByteArray& pdf)
{
    QList<QByteArray> streams;
    for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at + 1)) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end")
            continue;
        const qsizetype end = pdf.indexOf("\nendstream", at);
        const QByteArray data = pdf.mid(at + 7, end - at - 7);
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(data.size() * 16), sized.data());
        const QByteArray inflated = qUncompress(sized + data);
        streams.append(inflated.isEmpty() ? data : inflated);
    }
    return streams;
}

TEST(Worksheet, PlanesStandOnTheGridThatGivesTheLargestPlanes)
{
    // The printable area of A4 with 10 mm margins and a name line, and 20 mm above and below each
    // picture for its number and its list.
    const QSizeF portrait{190, 265};
    const QSizeF landscape{277, 178};
    const auto overhead = [](double) { return 20.0; };
    const struct {
        const char* Name;
        QSizeF Area;
        int PerPage;
        int Across;
        int Down;
    } rows[] = {{"one", portrait, 1, 1, 1}, {"two, portrait: one under the other", portrait, 2, 1, 2},
        {"two, landscape: side by side", landscape, 2, 2, 1}, {"four, portrait: two by two", portrait, 4, 2, 2},
        {"four, landscape: two by two, 66 mm against a row's 64.75", landscape, 4, 2, 2},
        {"four, landscape under a title: a row, 64.75 mm against 60.5", QSizeF(277, 167), 4, 4, 1},
        {"six, portrait: two across, three down", portrait, 6, 2, 3}, {"six, landscape", landscape, 6, 3, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const QSizeF a4 = row.Area;
        const std::vector<QRectF> cells = cellsOf(a4, row.PerPage, overhead);
        ASSERT_EQ(std::ssize(cells), row.PerPage);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            EXPECT_GE(cells[i].left(), 0);
            EXPECT_GE(cells[i].top(), 0);
            EXPECT_LE(cells[i].right(), a4.width() + 1e-9);
            EXPECT_LE(cells[i].bottom(), a4.height() + 1e-9);
            EXPECT_DOUBLE_EQ(cells[i].width(), cells[0].width());
            EXPECT_DOUBLE_EQ(cells[i].height(), cells[0].height());
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(cells[i].intersects(cells[j])) << i << " overlaps " << j;
        }
        // Reading order: along the first row, then down.
        std::set<double> lefts;
        std::set<double> tops;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            lefts.insert(cells[i].left());
            tops.insert(cells[i].top());
            if (i > 0) {
                EXPECT_TRUE(cells[i].top() > cells[i - 1].top()
                    || (cells[i].top() == cells[i - 1].top() && cells[i].left() > cells[i - 1].left()));
            }
        }
        EXPECT_EQ(std::ssize(lefts), row.Across);
        EXPECT_EQ(std::ssize(tops), row.Down);
        EXPECT_NEAR(cells.front().width() * row.Across, a4.width(), 6.0 * (row.Across - 1) + 1e-9);
    }
}

// The sheet's own scale decides its lines, letters and numbers: a lesson saved at 小, 中 or 大
// prints the very same sheet, at a scale and fitted.
TEST_F(WorksheetTest, TheSameLessonAtEverySizeGivesTheSameSheet)
{
    std::vector<Board> sizes;
    for (const int size : {0, 1, 2}) {
        Lesson.setPlaneSize(size);
        sizes.push_back(Lesson);
    }
    ASSERT_NE(sizes[0].unitPixels(), sizes[2].unitPixels());
    // The date the writer puts into each file is all that may differ.
    const auto undated = [](QByteArray pdf) {
        static const QRegularExpression date(u"/CreationDate \\([^)]*\\)"_qs);
        return QString::fromLatin1(pdf).remove(date);
    };
    for (const double unit : {0.0, 5.0, 10.0}) {
        for (const int perPage : {1, 6}) {
            SCOPED_TRACE(::testing::Message() << unit << " mm, " << perPage << " a page");
            WorksheetSettings settings;
            settings.UnitMillimetres = unit;
            settings.PerPage = perPage;
            std::vector<QString> sheets;
            for (const Board& lesson : sizes) {
                sheets.push_back(
                    undated(worksheetPdf(sheetPlanes(std::span(&lesson, 1), SheetKind::ProblemAndAnswer), settings)));
            }
            EXPECT_EQ(sheets[0], sheets[1]);
            EXPECT_EQ(sheets[0], sheets[2]);
        }
    }
}

// A sheet's pixel is 1/96 inch or a little more at every scale, so that its letters are never
// smaller than their points: the labels' 9 points at least 7 on paper, and the tick numbers every
// unit from 7.5 mm on (the widest, "-10" at 8 points, is 4.6 mm).
TEST(Worksheet, TheUnitInMillimetresDecidesTheSheetsPixelsLettersAndTicks)
{
    const struct {
        double UnitMillimetres;
        int UnitPixels;
        int TickStep;
    } rows[] = {{2, 7, 5}, {3.3, 12, 2}, {5, 18, 2}, {7.5, 28, 1}, {10, 37, 1}, {15, 56, 1}, {20, 75, 1}};
    const double widest = 8 * 0.6 * 3 * 96 / 72; // as wide as three letters of 0.6 em, in pixels
    for (const auto& row : rows) {
        SCOPED_TRACE(row.UnitMillimetres);
        const std::int16_t pixels = sheetUnitPixels(row.UnitMillimetres);
        EXPECT_EQ(pixels, row.UnitPixels);
        const double pixelPoints = row.UnitMillimetres / pixels / 25.4 * 72;
        EXPECT_GE(9 * pixelPoints * 96 / 72, 9) << "a label's 9 points";
        EXPECT_LT(9 * pixelPoints * 96 / 72, 10.5) << "and not much more";
        EXPECT_EQ(sheetTickStep(pixels, widest, 11), row.TickStep);
    }
    // Fitted, the pixel is never below 1/96 inch either, on any paper and planes a page.
    Board board;
    for (const double side : {40.0, 54.3, 61.7, 92.0, 190.0}) {
        const PagePlane plane = planeInArea(QSizeF(side, side), board, 0, false);
        EXPECT_GE(plane.UnitMillimetres / plane.UnitPixels, 25.4 / 96 - 1e-12) << side;
        EXPECT_LE(plane.Place.width(), side + 1e-9) << side;
    }
}

TEST_F(WorksheetTest, TheAnswerListWritesEachLineAsATextbookDoes)
{
    // Slot ４, drawn from the larger bound to the smaller, with a decimal slope.
    Lesson.selectSlot(3);
    Lesson.draw({"0.5", "-1/4", "2", "-6"});
    EXPECT_EQ(answerLines(Lesson),
        (std::vector<QString>{
            u"① y = −2/3χ + 1 (−3 ≦ χ ≦ 3)"_qs, u"② y = 2χ − 2 (−3 ≦ χ ≦ 3)"_qs, u"④ y = 0.5χ − 1/4 (−6 ≦ χ ≦ 2)"_qs}));
}

TEST_F(WorksheetTest, ProblemSheetsComeFirstThenTheirAnswers)
{
    const std::vector<Board> lessons(2, Lesson);
    const struct {
        const char* Name;
        SheetKind Kind;
        int Copies;
        std::vector<bool> Answers;
    } rows[] = {{"problems", SheetKind::Problem, 1, {false, false}}, {"answers", SheetKind::Answer, 1, {true, true}},
        {"both", SheetKind::ProblemAndAnswer, 1, {false, false, true, true}},
        {"both, each sheet twice", SheetKind::ProblemAndAnswer, 2,
            {false, false, false, false, true, true, true, true}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const std::vector<SheetPlane> planes = sheetPlanes(lessons, row.Kind, row.Copies);
        ASSERT_EQ(planes.size(), row.Answers.size());
        for (std::size_t i = 0; i < planes.size(); ++i) {
            const std::size_t lesson = i / std::size_t(row.Copies) % 2;
            EXPECT_EQ(planes[i].Answer, row.Answers[i]);
            EXPECT_EQ(planes[i].Source, &lessons[lesson]);
            EXPECT_EQ(planes[i].Number, int(lesson) + 1);
        }
    }
}

TEST_F(WorksheetTest, ThePdfKeepsItsColoursTextAndBoldInOtherPrograms)
{
    WorksheetSettings settings;
    settings.Title = u"一次関数"_qs;
    std::vector<Board> lessons{Lesson};
    ShowOptions show;
    show.Equations = true;
    lessons.front().setShowOptions(show);
    const QByteArray pdf = worksheetPdf(sheetPlanes(lessons, SheetKind::ProblemAndAnswer), settings);
    const QList<QByteArray> streams = streamsOf(pdf);
    const QByteArray all = streams.join('\n');
    EXPECT_FALSE(pdf.contains("/CSp ")) << "no colour space names in the resources";
    EXPECT_FALSE(all.contains("/CSp")) << "colours set in /DeviceRGB itself";
    EXPECT_TRUE(all.contains("/DeviceRGB cs 0 0 1 scn") || all.contains("/DeviceRGB CS 0 0 1 SCN"))
        << "the lines are blue";
    EXPECT_FALSE(all.contains("/ActualText <>")) << "bold text drawn once";
    // −2/3χ + 1 in UTF-16, in the label's reading; its other parts read as nothing.
    EXPECT_TRUE(all.contains("22120032002F003303C70020002B00200031")) << "the fraction read with its label";
    EXPECT_TRUE(all.contains("/Span << /ActualText <FEFF> >> BDC\nBT\n"));
    EXPECT_FALSE(all.contains("0.000015259")) << "every text in its own colour again";
    EXPECT_TRUE(all.contains("2 Tr")) << "bold text filled and outlined";
    const auto map
        = std::find_if(streams.begin(), streams.end(), [](const QByteArray& s) { return s.contains("begincmap"); });
    ASSERT_NE(map, streams.end());
    // Each line maps a glyph (the first code) to its character (the second).
    EXPECT_FALSE(QString::fromLatin1(*map).contains(QRegularExpression(u"<[0-9A-F]{4}> <0009>"_qs)))
        << "no glyph read back as a tab";
    EXPECT_TRUE(QString::fromLatin1(*map).contains(QRegularExpression(u"<[0-9A-F]{4}> <0020>"_qs)))
        << "the blank read back as a blank";
    EXPECT_FALSE(map->contains('[')) << "each glyph on a line of its own";
}

TEST(PdfTidy, LeavesWhatItCannotReadAsItIs)
{
    const QByteArray rows[] = {"", "not a PDF", "%PDF-1.4\n1 0 obj\n<<>>\nendobj\nstartxref\n99999\n%%EOF\n",
        "%PDF-1.4\nxref\n0 2\nstartxref\n9\n%%EOF\n"};
    for (const QByteArray& bytes : rows)
        EXPECT_EQ(tidyPdf(bytes), bytes);
}

} // namespace
} // namespace zelmora::testing
