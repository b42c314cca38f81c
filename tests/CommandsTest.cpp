// SPDX-License-Identifier: MIT
// The commands wired to the window, as a pupil uses them: typing into the boxes, Enter, the buttons
// and the slots, and what the board's answers look like on screen. The rules of the commands
// themselves are tested on the board alone.
#include "WindowFixture.h"

#include "slots/SlotTable.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <ostream>

namespace zelmora::testing {
namespace {

const QColor blue{0, 0, 255};

struct StoredLine {
    float ANum, ADen, BNum, BDen, XFrom, XTo;
};

class CommandsTest : public WindowTest {
protected:
    const SlotTable& table() const { return Form->board().slotTable(); }

    void expectStored(int slot, const StoredLine& line) const
    {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(table().isDrawn(slot));
        EXPECT_EQ(table().get(slot, SlotTable::ANum), line.ANum);
        EXPECT_EQ(table().get(slot, SlotTable::ADen), line.ADen);
        EXPECT_EQ(table().get(slot, SlotTable::BNum), line.BNum);
        EXPECT_EQ(table().get(slot, SlotTable::BDen), line.BDen);
        EXPECT_EQ(table().get(slot, SlotTable::XFrom), line.XFrom);
        EXPECT_EQ(table().get(slot, SlotTable::XTo), line.XTo);
    }

    std::array<QString, 4> boxTexts() const { return {box(1)->text(), box(2)->text(), box(3)->text(), box(4)->text()}; }

    bool isChecked(int slot) const
    {
        return control<QRadioButton>(QStringLiteral("Option1_%1").arg(slot).toLatin1())->isChecked();
    }

    // Types a line into the current slot over whatever the boxes show, and presses the draw button.
    void drawLine(const QString& a, const QString& b, const QString& from, const QString& to) const
    {
        for (int k = 1; k <= 4; ++k)
            box(k)->clear();
        box(1)->setFocus();
        typeLine({a, b, from, to});
        press(Qt::Key_Return);
    }

    void clickSlot(int slot) const { click(QStringLiteral("Option1_%1").arg(slot).toLatin1()); }

    QString message() const { return control<QLabel>("Label10")->text(); }
};

TEST_F(CommandsTest, TypicalLineFromTheKeyboardAlone)
{
    typeLine({QStringLiteral("-2/3"), QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("3")});
    EXPECT_EQ(QApplication::focusWidget(), control("Command4")) << "Enter in the last box focuses the button";
    EXPECT_FALSE(table().isDrawn(0)) << "without pressing it";

    press(Qt::Key_Return);
    expectStored(0, {-2, 3, 1, 1, -3, 3});
    // The segment (234, 234)-(366, 322): at x = -1.5, y = 2, i.e. pixel (267, 256).
    EXPECT_EQ(pixel(267, 256), blue);
    EXPECT_EQ(pixel(234, 234), blue);
    EXPECT_EQ(pixel(366, 322), blue);

    EXPECT_EQ(Form->board().currentSlot(), 1);
    EXPECT_TRUE(isChecked(1));
    EXPECT_FALSE(isChecked(0));
    EXPECT_EQ(boxTexts(), (std::array<QString, 4>{}));
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(CommandsTest, SelectingSlotsShowsTheirTextsAndKeepsThePicture)
{
    drawLine(QStringLiteral("-2/3"), QStringLiteral("0.25"), QStringLiteral("-1E9"), QStringLiteral("1.5"));
    const QImage before = picture();

    clickSlot(0);
    EXPECT_EQ(boxTexts(),
        (std::array<QString, 4>{
            QStringLiteral("-2/ 3"), QStringLiteral(" .25"), QStringLiteral("-1E+09"), QStringLiteral(" 1.5")}));
    EXPECT_EQ(QApplication::focusWidget(), box(1));
    clickSlot(5);
    EXPECT_EQ(boxTexts(), (std::array<QString, 4>{}));
    EXPECT_EQ(Form->board().currentSlot(), 5);
    EXPECT_EQ(picture(), before);
}

TEST_F(CommandsTest, ClickingTheCurrentSlotKeepsWhatWasTyped)
{
    box(1)->setText(QStringLiteral("7"));
    clickSlot(0);
    EXPECT_TRUE(isChecked(0));
    EXPECT_EQ(box(1)->text(), QStringLiteral("7"));
}

TEST_F(CommandsTest, DrawingASlotAgainLeavesTheOldSegmentUntilTheNextFullRedraw)
{
    drawLine(QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("-3"), QStringLiteral("3")); // y = 5: row 190
    clickSlot(0);
    drawLine(QStringLiteral("0"), QStringLiteral("-5"), QStringLiteral("-3"), QStringLiteral("3")); // y = -5: row 410
    expectStored(0, {0, 1, -5, 1, -3, 3});
    EXPECT_EQ(pixel(280, 190), blue) << "old segment still there";
    EXPECT_EQ(pixel(280, 410), blue);

    // Erasing the (empty) current slot redraws the picture from the table.
    ASSERT_EQ(Form->board().currentSlot(), 1);
    box(2)->setText(QStringLiteral("typed"));
    click("Command5");
    EXPECT_NE(pixel(280, 190), blue);
    EXPECT_EQ(pixel(280, 410), blue);
    EXPECT_EQ(boxTexts(), (std::array<QString, 4>{}));
    EXPECT_EQ(Form->board().currentSlot(), 1);
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(CommandsTest, EraseLineEmptiesTheSlotButKeepsItsValues)
{
    drawLine(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("2"));
    clickSlot(0);
    click("Command5");
    EXPECT_FALSE(table().isDrawn(0));
    EXPECT_EQ(table().get(0, SlotTable::XFrom), -2.0f);
    EXPECT_NE(pixel(289, 289), blue);
    EXPECT_EQ(Form->board().currentSlot(), 0);
}

TEST_F(CommandsTest, PlaneSizeRedrawsEveryLineAtTheNewScaleAndMovesTheMark)
{
    drawLine(QStringLiteral("-2/3"), QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("3"));
    box(1)->setText(QStringLiteral("typed"));

    struct Size {
        const char* Button;
        int UnitPixels;
        QPoint OnLine; // a pixel of the segment a = -2/3, b = 1, -3 <= x <= 3 at that size
    };
    for (const Size& size :
        {Size{"Command3_0", 40, {180, 180}}, Size{"Command3_2", 14, {258, 258}}, Size{"Command3_1", 22, {234, 234}}}) {
        SCOPED_TRACE(size.Button);
        click(size.Button);
        EXPECT_EQ(Form->board().unitPixels(), size.UnitPixels);
        EXPECT_EQ(pixel(size.OnLine.x(), size.OnLine.y()), blue);
        for (const char* button : {"Command3_0", "Command3_1", "Command3_2"}) {
            const bool chosen = qstrcmp(button, size.Button) == 0;
            EXPECT_EQ(control(button)->font().pixelSize(), chosen ? 27 : 16) << button; // 20 and 12 points
            EXPECT_EQ(control(button)->font().bold(), chosen) << button;
        }
    }
    EXPECT_EQ(box(1)->text(), QStringLiteral("typed"));
    EXPECT_EQ(Form->board().currentSlot(), 1);
}

TEST_F(CommandsTest, EmptyBoxesDrawAPointAtTheOrigin)
{
    press(Qt::Key_Tab); // Text2
    press(Qt::Key_Tab); // Text3
    press(Qt::Key_Tab); // Text4
    press(Qt::Key_Tab); // the draw button
    press(Qt::Key_Space);
    expectStored(0, {0, 1, 0, 1, 0, 0});
    EXPECT_EQ(pixel(300, 300), blue);
    EXPECT_EQ(message(), QStringLiteral("線１は長さ０の線です（χは0から0まで）。"))
        << "the pupil hears what the picture hardly shows";
}

TEST_F(CommandsTest, InitialScreenClearsEverythingButThePlaneSize)
{
    drawLine(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("-2"), QStringLiteral("2"));
    drawLine(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("-2"), QStringLiteral("2"));
    click("Command3_0");
    clickSlot(0);
    box(1)->setText(QStringLiteral("typed"));

    click("Command2");
    for (int slot = 0; slot < SlotTable::Rows; ++slot)
        EXPECT_FALSE(table().isDrawn(slot)) << slot;
    EXPECT_EQ(Form->board().currentSlot(), 0);
    EXPECT_TRUE(isChecked(0));
    EXPECT_EQ(boxTexts(), (std::array<QString, 4>{})) << "emptied even though slot １ was checked";
    EXPECT_EQ(Form->board().unitPixels(), 40);
    EXPECT_EQ(control("Command3_0")->font().pixelSize(), 27);
    EXPECT_NE(pixel(260, 260), blue);

    drawLine(QStringLiteral("3"), QStringLiteral(""), QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_TRUE(table().isDrawn(0)) << "the next line goes to slot １";
}

TEST_F(CommandsTest, FullWidthTextDrawsTheSameLine)
{
    drawLine(QStringLiteral("－２／３"), QStringLiteral("　１"), QStringLiteral("ー３"), QStringLiteral("３．０"));
    expectStored(0, {-2, 3, 1, 1, -3, 3});
    EXPECT_EQ(pixel(267, 256), blue);
}

struct FaultRow {
    const char* Name;
    std::array<const char*, 4> Texts;
    int FaultyBox;
    const char* Message;
};

void PrintTo(const FaultRow& row, std::ostream* out)
{
    *out << row.Name;
}

class RefusedLineTest : public CommandsTest, public ::testing::WithParamInterface<FaultRow> { };

// A line that cannot be drawn changes nothing: not the slot, not the picture, not the selection.
// Which texts are refused, and for which box, is the board's rule and tested there; here each box
// once, with each kind of fault: the focus goes to that box with its text selected, and the
// message names it.
TEST_P(RefusedLineTest, LeavesEverythingAsItWasAndSaysWhy)
{
    const FaultRow& row = GetParam();
    drawLine(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1"), QStringLiteral("1")); // slot 0
    drawLine(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"));  // slot 1
    clickSlot(1);
    const auto cellsBefore = table().cells();
    const QImage pictureBefore = picture();

    for (int k = 0; k < 4; ++k)
        box(k + 1)->setText(QString::fromUtf8(row.Texts[static_cast<std::size_t>(k)]));
    click("Command4");

    EXPECT_EQ(table().cells(), cellsBefore);
    EXPECT_EQ(picture(), pictureBefore);
    EXPECT_EQ(Form->surface().penColour(), QColor(0, 0, 0));
    EXPECT_EQ(Form->board().currentSlot(), 1);
    EXPECT_TRUE(isChecked(1));
    EXPECT_EQ(message(), QString::fromUtf8(row.Message));
    QLineEdit* faulty = box(row.FaultyBox);
    EXPECT_EQ(QApplication::focusWidget(), faulty);
    EXPECT_EQ(faulty->selectedText(), faulty->text());

    // The message goes with the next line that is drawn.
    box(1)->setText(QStringLiteral("1"));
    box(2)->setText(QStringLiteral("1"));
    box(3)->setText(QStringLiteral("1"));
    box(4)->setText(QStringLiteral("2"));
    click("Command4");
    EXPECT_EQ(message(), QString());
    EXPECT_TRUE(table().isDrawn(0));
    EXPECT_EQ(table().get(1, SlotTable::BNum), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Faults, RefusedLineTest,
    ::testing::Values(FaultRow{"ZeroDenominatorOfA", {"1/0", "1", "0", "1"}, 1, "ａの分母が０です。"},
        FaultRow{"HugeDenominator", {"1", "1/-1E39", "0", "1"}, 2, "ｂの分母が大きすぎます。"},
        FaultRow{"LowerBound", {"1", "1", "-1E39", "1"}, 3, "変域の下限の値が大きすぎます。"},
        FaultRow{"UpperBoundAndFirstFaultWins", {"1", "1", "0", "1E99"}, 4, "変域の上限の値が大きすぎます。"}),
    [](const ::testing::TestParamInfo<FaultRow>& info) { return info.param.Name; });

TEST_F(CommandsTest, RefusalMessageGoesWithSelectionEraseInitialScreenAndSize)
{
    for (const char* command : {"Option1_3", "Command5", "Command2", "Command3_2"}) {
        SCOPED_TRACE(command);
        clickSlot(0);
        box(1)->setText(QStringLiteral("1/0"));
        click("Command4");
        ASSERT_FALSE(message().isEmpty());
        click(command);
        EXPECT_EQ(message(), QString());
    }
}

TEST_F(CommandsTest, RefusalGoesWhenTheBoxItNamesIsEditedButNotAnother)
{
    drawLine(QStringLiteral("1"), QStringLiteral("2/0"), QStringLiteral("0"), QStringLiteral("1"));
    ASSERT_EQ(message(), QStringLiteral("ｂの分母が０です。"));
    box(1)->setFocus();
    type(QStringLiteral("5"));
    EXPECT_EQ(message(), QStringLiteral("ｂの分母が０です。")) << "another box was edited";
    box(2)->setFocus();
    QTest::keyClick(Window->windowHandle(), Qt::Key_Backspace);
    EXPECT_EQ(message(), QString());
}

TEST_F(CommandsTest, ADenominatorOfMinusOneKeepsItsSignWhenTheSlotIsShownAndDrawnAgain)
{
    drawLine(QStringLiteral("2/-1"), QStringLiteral("-3/-1"), QStringLiteral("-2"), QStringLiteral("2"));
    EXPECT_EQ(pixel(300 + 22, 300 - 22), blue) << "y = -2x + 3 at x = 1";
    clickSlot(0);
    EXPECT_EQ(boxTexts(),
        (std::array<QString, 4>{
            QStringLiteral("-2"), QStringLiteral(" 3"), QStringLiteral("-2"), QStringLiteral(" 2")}));
    click("Command4");
    expectStored(0, {-2, 1, 3, 1, -2, 2});
}

TEST_F(CommandsTest, TextsShownForASlotShowTheirStart)
{
    drawLine(QStringLiteral("1E30"), QStringLiteral("-2/3"), QStringLiteral("-1E-30"), QStringLiteral("1"));
    clickSlot(0);
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(box(k)->cursorPosition(), 0);
    }
    // Typing still moves along as usual.
    box(1)->setFocus();
    box(1)->end(false);
    type(QStringLiteral("9"));
    EXPECT_EQ(box(1)->cursorPosition(), box(1)->text().size());
}

TEST_F(CommandsTest, IgnoredCharactersAreNamedAfterTheLineIsDrawn)
{
    drawLine(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1/2"), QStringLiteral("1"));
    expectStored(0, {1, 1, 0, 1, -1, 1});
    EXPECT_EQ(message(), QStringLiteral("変域の「/2」は読みませんでした。"));
    drawLine(QStringLiteral("3ａｂｃｄｅｆｇ"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_EQ(message(), QStringLiteral("ａの「ａｂｃｄｅ…」は読みませんでした。"));
    drawLine(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral(""), QStringLiteral("1"));
    EXPECT_EQ(message(), QString()) << "empty boxes are not pointed out";
}

TEST_F(CommandsTest, EnterAndSpaceOnAFocusedButtonPressIt)
{
    control("Command3_0")->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(Form->board().unitPixels(), 40);
    control("Command3_2")->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(Form->board().unitPixels(), 14);
    control("Command3_1")->setFocus();
    press(Qt::Key_Enter);
    EXPECT_EQ(Form->board().unitPixels(), 22);
}

TEST_F(CommandsTest, KeyboardFocusOnASlotSelectsIt)
{
    drawLine(QStringLiteral("4"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"));
    clickSlot(0);
    // Focus given from code to an unchecked slot checks it and loads it.
    control("Option1_1")->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents(); // the click waits until the focus-in is over
    EXPECT_EQ(Form->board().currentSlot(), 1);
    EXPECT_TRUE(isChecked(1));
    EXPECT_EQ(QApplication::focusWidget(), box(1));

    // Arrow keys move between slots.
    control("Option1_1")->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    press(Qt::Key_Left);
    EXPECT_EQ(Form->board().currentSlot(), 0);
    EXPECT_EQ(box(1)->text(), QStringLiteral(" 4"));
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(CommandsTest, ExitClosesTheWindow)
{
    click("Command1");
    EXPECT_FALSE(Window->isVisible());
}

} // namespace
} // namespace zelmora::testing

namespace zelmora::testing {
namespace {

// 点をとる with the mouse: a click puts a point on the nearest lattice point, a drag moves it with the
// line drawn through it, as one step; Esc leaves the mode.
TEST_F(CommandsTest, PointsArePlacedAndDraggedWithTheMouse)
{
    QAction* mode = Window->findChild<QAction*>(QStringLiteral("PlacePoints"));
    ASSERT_NE(mode, nullptr);
    mode->trigger();
    EXPECT_TRUE(caption().endsWith(QStringLiteral("（点をとる）")));
    auto* picture = control<PictureBox>("Picture1");
    const auto surfaceOf = [this](double x, double y) {
        const Point at = Form->board().geometry().toSurface({x, y});
        return QPoint(static_cast<int>(at.X), static_cast<int>(at.Y));
    };
    QTest::mouseClick(picture, Qt::LeftButton, {}, surfaceOf(2, 1) + QPoint(4, -3));
    QTest::mouseClick(picture, Qt::LeftButton, {}, surfaceOf(-1, -1) + QPoint(-2, 2));
    ASSERT_EQ(Form->board().points().size(), 2u);
    EXPECT_EQ(Form->board().points()[0].At, (ExactPoint{2, 1}));
    EXPECT_EQ(picture->image().pixelColor(surfaceOf(-1, -1)), QColor(Qt::black));
    EXPECT_EQ(message(), QStringLiteral("点B(−1, −1)をとりました。"));
    EXPECT_TRUE(
        picture->accessibleDescription().endsWith(QStringLiteral("点A、エックス2、y1。点B、エックス−1、y−1。")));

    Form->perform([](Board& board) { return board.drawThrough("A", "B", false); });
    QTest::mousePress(picture, Qt::LeftButton, {}, surfaceOf(2, 1));
    QTest::mouseMove(picture, surfaceOf(2.9, 2));
    QTest::mouseMove(picture, surfaceOf(5, 3));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, surfaceOf(5, 3));
    EXPECT_EQ(Form->board().points()[0].At, (ExactPoint{5, 3}));
    EXPECT_EQ(Form->board().line(0)->AText, " 2/ 3") << "the line followed the point";
    Form->perform([](Board& board) { return board.undo(); });
    EXPECT_EQ(Form->board().points()[0].At, (ExactPoint{2, 1})) << "the drag is one step";

    picture->setFocus();
    press(Qt::Key_Escape);
    EXPECT_FALSE(mode->isChecked());
    EXPECT_FALSE(caption().contains(QStringLiteral("点をとる")));
    QTest::mouseClick(picture, Qt::LeftButton, {}, surfaceOf(4, 4));
    EXPECT_EQ(Form->board().points().size(), 2u) << "no point placed outside the mode";
}

} // namespace
} // namespace zelmora::testing
