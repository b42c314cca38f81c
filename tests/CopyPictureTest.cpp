// SPDX-License-Identifier: MIT
// Copying the picture for worksheets, from the plane's menu or the keyboard; and a picture written
// to a file is the one the window shows.
#include "WindowFixture.h"

#include "output/PictureOutput.h"

#include "app/form/PictureBox.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>

namespace zelmora::testing {
namespace {

class CopyPictureTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        QGuiApplication::clipboard()->clear();
        box(1)->setFocus();
        typeLine({QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-5"), QStringLiteral("5")});
        press(Qt::Key_Return);
    }

    QImage clipboardImage() const { return QGuiApplication::clipboard()->image(); }
};

TEST_F(CopyPictureTest, ThePlanesMenuCopiesThePictureWithItsLines)
{
    QWidget* pictureBox = control("Picture1");
    EXPECT_EQ(pictureBox->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = pictureBox->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions.front()->text(), QStringLiteral("図をコピー(&C)"));

    actions.front()->trigger();
    const QImage copied = clipboardImage();
    const QImage named = withAxisNames(picture(), Form->board().geometry());
    ASSERT_EQ(copied.size(), named.size());
    EXPECT_NE(named, picture()) << "the axis names the window shows beside the picture are in the copy";
    EXPECT_EQ(copied.convertToFormat(named.format()), named);
    EXPECT_EQ(copied.pixelColor(300 + 44, 300 - 44), QColor(0, 0, 255));
}

TEST_F(CopyPictureTest, CtrlShiftCCopiesThePictureFromAnEntryBox)
{
    box(2)->setFocus();
    QTest::keyClick(Window->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(clipboardImage().convertToFormat(picture().format()), withAxisNames(picture(), Form->board().geometry()));
}

TEST_F(CopyPictureTest, TheCopySaysSoAndCarriesItsTrueResolution)
{
    const struct {
        qreal Ratio;
        int Width;
        int DotsPerInch;
    } rows[] = {// 22 pixels a unit pasting at 5 mm: 111.76 dots per inch, twice that at a ratio of 2.
        {1, 600, 112}, {2, 1200, 224}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Ratio);
        control<PictureBox>("Picture1")->setPixelRatio(row.Ratio);
        control<QLabel>("Label10")->clear();
        QTest::keyClick(Window->windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(control<QLabel>("Label10")->text(), QStringLiteral("図をコピーしました。"));
        const QImage copied = clipboardImage();
        EXPECT_EQ(copied.width(), row.Width);
        EXPECT_EQ(qRound(copied.dotsPerMeterX() * 0.0254), row.DotsPerInch);
        EXPECT_EQ(qRound(copied.dotsPerMeterY() * 0.0254), row.DotsPerInch);
        const QByteArray svg = QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml"));
        EXPECT_TRUE(svg.contains("width=\"136.3636mm\"")) << "600 pixels at 22 a unit, a unit 5 mm";
    }
}

TEST_F(CopyPictureTest, CtrlCInAnEntryBoxStillCopiesItsText)
{
    box(1)->setText(QStringLiteral("-2/3"));
    box(1)->setFocus();
    box(1)->selectAll();
    QTest::keyClick(Window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("-2/3"));
    EXPECT_TRUE(clipboardImage().isNull());
}

// A picture written to a file, as the window writes it for 書き出し.
class PictureFileTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        drawTypicalPair();
    }

    QString path(const QString& name) const { return Folder.filePath(name); }

    QTemporaryDir Folder;
};

TEST_F(PictureFileTest, APngIsTheWindowsPictureWithTheAxisNamesInIt)
{
    ASSERT_EQ(writePicture(path(u"plane.png"_qs), Form->board(), {}), std::nullopt);
    const QImage png(path(u"plane.png"_qs));
    QImage named = picture();
    {
        PainterSurface surface(named, QSizeF(600, 600), QColor(), Form->surface().font());
        drawAxisNames(surface, Form->board().geometry());
    }
    EXPECT_NE(named, picture()) << "the names are in the picture, not beside it";
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), named);
    EXPECT_EQ(qRound(png.dotsPerMeterX() * 0.0254), 96);
}

} // namespace
} // namespace zelmora::testing
