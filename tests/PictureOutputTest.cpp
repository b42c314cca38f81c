// SPDX-License-Identifier: MIT
// The picture in files: the same drawing as the window's at any resolution, PNG, SVG with real
// text, PDF, problem sheets and black and white, the size on paper, and a write that fails
// leaving the old file.
#include "WindowFixture.h"

#include "output/PictureOutput.h"

#include <QFile>
#include <QTemporaryDir>

namespace zelmora::testing {
namespace {

class PictureOutputTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        drawTypicalPair();
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
};

TEST_F(PictureOutputTest, APngIsTheWindowsPicturePixelForPixel)
{
    ASSERT_EQ(writePicture(path(u"plane.png"_qs), Form->board(), {}), std::nullopt);
    const QImage png(path(u"plane.png"_qs));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), picture());
    EXPECT_EQ(qRound(png.dotsPerMeterX() * 0.0254), 96);
}

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
        ASSERT_EQ(writePicture(path(u"scaled.png"_qs), Form->board(), row.Settings), std::nullopt);
        const QImage png(path(u"scaled.png"_qs));
        EXPECT_EQ(png.width(), row.Width);
        EXPECT_EQ(qRound(png.dotsPerMeterX() * 0.0254), row.DotsPerInch);
    }
}

TEST_F(PictureOutputTest, ProblemSheetsHaveNoLinesAndBlackAndWhiteNoColour)
{
    const QColor blue{0, 0, 255};
    ASSERT_EQ(writePicture(path(u"problem.png"_qs), Form->board(), {true, false, 0, 1}), std::nullopt);
    const QImage problem(path(u"problem.png"_qs));
    EXPECT_EQ(countOf(problem, blue), 0);
    EXPECT_EQ(problem.pixelColor(300, 150), QColor(0, 0, 0)) << "the axis is there";

    ASSERT_EQ(writePicture(path(u"grey.png"_qs), Form->board(), {false, true, 0, 1}), std::nullopt);
    const QImage grey(path(u"grey.png"_qs));
    EXPECT_EQ(countOf(grey, blue), 0);
    EXPECT_EQ(grey.pixelColor(10, 10), QColor(255, 255, 255));
    EXPECT_EQ(grey.pixelColor(234, 234), QColor(0, 0, 0)) << "the line, in black";
}

TEST_F(PictureOutputTest, SvgAndPdfAreVectorsWithText)
{
    ASSERT_EQ(writePicture(path(u"plane.svg"_qs), Form->board(), {false, false, 10, 1}), std::nullopt);
    const QByteArray svg = read(u"plane.svg"_qs);
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 600 600\""));
    // 600 pixels at 22 a unit, a unit a centimetre: 272.7 mm wide.
    EXPECT_TRUE(svg.contains("width=\"272.") || svg.contains("width=\"273")) << svg.left(600).toStdString();
    EXPECT_TRUE(svg.contains("Ｏ</text>"));
    EXPECT_TRUE(svg.contains("IPAPGothic"));

    ASSERT_EQ(writePicture(path(u"plane.pdf"_qs), Form->board(), {}), std::nullopt);
    EXPECT_TRUE(read(u"plane.pdf"_qs).startsWith("%PDF-"));
}

TEST_F(PictureOutputTest, TheFormatComesFromTheNameAndAFailedWriteKeepsTheOldFile)
{
    EXPECT_EQ(pictureFormatFor(u"a.PNG"_qs), PictureFormat::Png);
    EXPECT_EQ(pictureFormatFor(u"a.Svg"_qs), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatFor(u"a.pdf"_qs), PictureFormat::Pdf);
    EXPECT_EQ(pictureFormatFor(u"a.gif"_qs), std::nullopt);
    EXPECT_EQ(writePicture(path(u"a.gif"_qs), Form->board(), {}), OutputFault::UnknownFormat);
    EXPECT_EQ(writePicture(path(u"gone/a.png"_qs), Form->board(), {}), OutputFault::Unwritable);
}

TEST_F(PictureOutputTest, ThePictureStandsCentredOnThePageAtItsScale)
{
    const QSizeF a4{190, 277};
    const struct {
        const char* Name;
        int Size;
        double UnitMillimetres;
        QRectF Expected;
    } rows[] = {{"fit", 1, 0, {0, 43.5, 190, 190}},
        {"5 mm at 中", 1, 5, {95 - 600.0 / 22 * 2.5, 138.5 - 600.0 / 22 * 2.5, 600.0 / 22 * 5, 600.0 / 22 * 5}},
        {"1 cm at 小", 0, 10, {20, 63.5, 150, 150}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        click(row.Size == 0 ? "Command3_0" : "Command3_1");
        PictureSettings settings;
        settings.UnitMillimetres = row.UnitMillimetres;
        const QRectF placed = pictureOnPage(a4, Form->board(), settings);
        EXPECT_NEAR(placed.left(), row.Expected.left(), 1e-9);
        EXPECT_NEAR(placed.top(), row.Expected.top(), 1e-9);
        EXPECT_NEAR(placed.width(), row.Expected.width(), 1e-9);
    }
}

} // namespace
} // namespace zelmora::testing
