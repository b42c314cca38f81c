// SPDX-License-Identifier: MIT
// The picture in files, drawn from a board without a window: PNG at any resolution, SVG with real
// text, PDF, problem sheets and black and white, the size on paper, and a write that fails
// leaving the old file. That a PNG is the window's own picture is tested with the window.
#include "output/PictureOutput.h"
#include "output/Worksheet.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelmora::testing {
namespace {

class PictureOutputTest : public ::testing::Test {
protected:
    // The typical pair, y = -2/3χ + 1 and y = 2χ - 2 over -3 ≦ χ ≦ 3, in slots １ and ２.
    void SetUp() override
    {
        Lesson.draw({"-2/3", "1", "-3", "3"});
        Lesson.draw({"2", "-2", "-3", "3"});
    }

    QString path(const QString& name) const { return Folder.filePath(name); }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static int countOf(const QImage& image, QColor colour)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
        return count;
    }

    QTemporaryDir Folder;
    Board Lesson;
};

TEST_F(PictureOutputTest, PngScaleAndSizeOnPaper)
{
    const struct {
        const char* Name;
        PictureSettings Settings;
        int Width;
        int DotsPerInch;
    } rows[] = {{"twice", {false, false, 0, 2}, 1200, 192}, {"four times", {false, false, 0, 4}, 2400, 384},
        // 22 pixels a unit printed at 10 mm: 22 / 10 mm = 55.88 dots per inch.
        {"a unit a centimetre", {false, false, 10, 1}, 600, 56}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        ASSERT_EQ(writePicture(path(u"scaled.png"_qs), Lesson, row.Settings), std::nullopt);
        const QImage png(path(u"scaled.png"_qs));
        EXPECT_EQ(png.width(), row.Width);
        EXPECT_EQ(qRound(png.dotsPerMeterX() * 0.0254), row.DotsPerInch);
    }
}

TEST_F(PictureOutputTest, ProblemSheetsHaveNoLinesAndBlackAndWhiteNoColour)
{
    const QColor blue{0, 0, 255};
    ASSERT_EQ(writePicture(path(u"problem.png"_qs), Lesson, {true, false, 0, 1}), std::nullopt);
    const QImage problem(path(u"problem.png"_qs));
    EXPECT_EQ(countOf(problem, blue), 0);
    EXPECT_EQ(problem.pixelColor(300, 150), QColor(0, 0, 0)) << "the axis is there";

    ASSERT_EQ(writePicture(path(u"grey.png"_qs), Lesson, {false, true, 0, 1}), std::nullopt);
    const QImage grey(path(u"grey.png"_qs));
    EXPECT_EQ(countOf(grey, blue), 0);
    EXPECT_EQ(grey.pixelColor(10, 10), QColor(255, 255, 255));
    EXPECT_EQ(grey.pixelColor(234, 234), QColor(0, 0, 0)) << "the line, in black";
}

// In black and white the colours that tell the lines apart are lost; the dash patterns take their
// place, and only while the lines are told apart by colour. Along the middle of line ２
// (y = 2χ - 2 from (-3, -8) to (3, 4)): paper shows through its gaps, or nowhere.
TEST_F(PictureOutputTest, BlackAndWhiteTellsTheColouredLinesApartByTheirDashes)
{
    Board board;
    board.draw({"-2/3", "1", "-3", "3"});
    board.draw({"2", "-2", "-3", "3"});
    const auto paperAlongLineTwo = [&](bool colours, bool blackAndWhite) {
        ShowOptions show;
        show.Colours = colours;
        board.setShowOptions(show);
        EXPECT_EQ(writePicture(path(u"lines.png"_qs), board, {false, blackAndWhite, 0, 1}), std::nullopt);
        const QImage png(path(u"lines.png"_qs));
        int paper = 0;
        for (int k = 0; k <= 100; ++k) {
            const double x = 234 + 132 * k / 100.0;
            const double y = 476 - 264 * k / 100.0;
            paper += png.pixelColor(qRound(x), qRound(y)).lightness() > 200 ? 1 : 0;
        }
        return paper;
    };
    EXPECT_GT(paperAlongLineTwo(true, true), 25) << "dashed: 12 pixels on, 9 off";
    EXPECT_EQ(paperAlongLineTwo(false, true), 0);
    EXPECT_EQ(paperAlongLineTwo(true, false), 0) << "in colour, a coloured line";
}

TEST_F(PictureOutputTest, SvgAndPdfAreVectorsWithText)
{
    ASSERT_EQ(writePicture(path(u"plane.svg"_qs), Lesson, {false, false, 10, 1}), std::nullopt);
    const QByteArray svg = read(u"plane.svg"_qs);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 600 600\""));
    // 600 pixels at 22 a unit, a unit a centimetre: 272.7273 mm wide, not rounded through whole dots
    // per inch; and clipped to the picture, which the generator does not do.
    EXPECT_TRUE(svg.contains("width=\"272.7273mm\" height=\"272.7273mm\"")) << svg.left(600).toStdString();
    EXPECT_TRUE(svg.contains("<g clip-path=\"url(#picture)\">"));
    EXPECT_TRUE(svg.contains("Ｏ</text>"));
    EXPECT_TRUE(svg.contains("IPAPGothic"));
    // The face has no bold: bold is outlined, as on paper, rather than asked of the reader; the
    // window's numbers past the edge (±15 to ±25 at 中) are left out, not hidden by the clip.
    EXPECT_FALSE(svg.contains("font-weight=\"700\""));
    EXPECT_TRUE(svg.contains("stroke=\"#000000\" stroke-opacity=\"1\" stroke-width=\"0.675\""));
    EXPECT_EQ(svg.count("</text>"), 1 + 8 + 2) << "Ｏ, ±5 and ±10 on both axes, χ and ｙ";

    // -8..8 units: 16 x 22 pixels, at a centimetre 160 mm.
    ASSERT_EQ(writePicture(path(u"units.svg"_qs), Lesson, {false, false, 10, 1, 8}), std::nullopt);
    EXPECT_TRUE(read(u"units.svg"_qs).contains("width=\"160.0000mm\" height=\"160.0000mm\""));
    ASSERT_EQ(writePicture(path(u"units.pdf"_qs), Lesson, {false, false, 10, 1, 8}), std::nullopt);
    // The page is the picture: 16 units and a frame of two pixels of 1/96 inch each side.
    const double side = (160 + 4 * 10.0 / sheetUnitPixels(10)) * 72 / 25.4;
    EXPECT_TRUE(read(u"units.pdf"_qs).contains("/MediaBox [0 0 " + QByteArray::number(side, 'f', 0))) << side;

    ASSERT_EQ(writePicture(path(u"plane.pdf"_qs), Lesson, {}), std::nullopt);
    EXPECT_TRUE(read(u"plane.pdf"_qs).startsWith("%PDF-"));
}

TEST_F(PictureOutputTest, TheFormatComesFromTheNameAndAFailedWriteKeepsTheOldFile)
{
    EXPECT_EQ(pictureFormatFor(u"a.PNG"_qs), PictureFormat::Png);
    EXPECT_EQ(pictureFormatFor(u"a.Svg"_qs), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatFor(u"a.pdf"_qs), PictureFormat::Pdf);
    EXPECT_EQ(pictureFormatFor(u"a.gif"_qs), std::nullopt);
    EXPECT_EQ(writePicture(path(u"a.gif"_qs), Lesson, {}), OutputFault::UnknownFormat);
    EXPECT_EQ(writePicture(path(u"gone/a.png"_qs), Lesson, {}), OutputFault::Unwritable);
}

// The printable area of each paper with 10 mm margins, in millimetres.
QSizeF areaOf(Paper paper, bool landscape)
{
    WorksheetSettings settings;
    settings.PaperSize = paper;
    settings.Landscape = landscape;
    return pageLayoutOf(settings).paintRect(QPageLayout::Millimeter).size();
}

TEST_F(PictureOutputTest, ThePageDecidesTheWholeUnitsThePlaneShows)
{
    // The typical pair lies over -3 ≦ χ ≦ 3 and -8 ≦ y ≦ 4.
    const struct {
        const char* Name;
        Paper PaperSize;
        bool Landscape;
        int Size;
        double UnitMillimetres;
        bool CentreOnLines;
        UnitRange Expected;
        double ExpectedUnit;
    } rows[] = {
        {"A4 at 1 cm, 中", Paper::A4, false, 1, 10, false, {-9, 9, -13, 13}, 10},
        {"A4 at 5 mm, 中", Paper::A4, false, 1, 5, false, {-18, 18, -27, 27}, 5},
        {"A4 landscape at 1 cm", Paper::A4, true, 1, 10, false, {-13, 13, -9, 9}, 10},
        {"A3 at 5 mm, 大", Paper::A3, false, 2, 5, false, {-27, 27, -39, 39}, 5},
        {"B5 at 1 cm", Paper::B5, false, 1, 10, false, {-8, 8, -11, 11}, 10},
        {"Letter at 2 cm", Paper::Letter, false, 1, 20, false, {-4, 4, -6, 6}, 20},
        {"centred on the lines", Paper::A4, false, 1, 10, true, {-9, 9, -16, 11}, 10},
        // Fitted, ten units each way whatever the lesson's size, with a frame of two pixels of 1/96
        // inch: 9.5 mm a unit holds 35 of them.
        {"fit at 中", Paper::A4, false, 1, 0, false, {-10, 10, -10, 10}, 190 / (20 + 4 / 35.0)},
        {"fit at 小", Paper::A4, true, 0, 0, false, {-10, 10, -10, 10}, 190 / (20 + 4 / 35.0)},
        {"fit at 大", Paper::A4, false, 2, 0, false, {-10, 10, -10, 10}, 190 / (20 + 4 / 35.0)},
        {"fit, centred on the lines", Paper::A4, false, 2, 0, true, {-10, 10, -12, 8}, 190 / (20 + 4 / 35.0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Lesson.setPlaneSize(row.Size);
        const QSizeF area = areaOf(row.PaperSize, row.Landscape);
        const PagePlane plane = planeInArea(area, Lesson, row.UnitMillimetres, row.CentreOnLines);
        EXPECT_EQ(plane.Range, row.Expected);
        EXPECT_NEAR(plane.UnitMillimetres, row.ExpectedUnit, 1e-9);
        // Inside the printable area, and the units and the frame are all it holds.
        EXPECT_GE(plane.Place.left(), 0);
        EXPECT_GE(plane.Place.top(), 0);
        EXPECT_LE(plane.Place.right(), area.width() + 1e-9);
        EXPECT_LE(plane.Place.bottom(), area.height() + 1e-9);
        EXPECT_EQ(plane.UnitPixels, sheetUnitPixels(plane.UnitMillimetres));
        const double frame = 2.0 * SheetFramePixels * plane.UnitMillimetres / plane.UnitPixels;
        EXPECT_NEAR(plane.Place.width(), plane.Range.width() * plane.UnitMillimetres + frame, 1e-9);
        // One more unit would not fit.
        if (row.UnitMillimetres > 0) {
            EXPECT_GT(plane.Place.width() + 2 * row.UnitMillimetres, area.width());
        }
    }
}

} // namespace
} // namespace zelmora::testing
