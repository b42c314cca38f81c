// SPDX-License-Identifier: MIT
// The table of values beside the window: its facts for the current slot, exact, kept current as
// lines are drawn and slots chosen, and copied as text.
#include "WindowFixture.h"

#include "app/companions/ValueTableWindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>

namespace zelmora::testing {
namespace {

class ValueTableTest : public WindowTest {
protected:
    void drawLine(std::initializer_list<QString> texts)
    {
        box(1)->setFocus();
        for (int k = 1; k <= 4; ++k)
            box(k)->clear();
        typeLine(texts);
        press(Qt::Key_Return);
    }
};

TEST_F(ValueTableTest, TheFactsOfTheCurrentLineExactly)
{
    drawLine({u"-2/3"_qs, u"1"_qs, u"-3"_qs, u"3"_qs});
    drawLine({u"2"_qs, u"-2"_qs, u"-3"_qs, u"3"_qs});
    drawLine({u"-2/3"_qs, u"5"_qs, u"0"_qs, u"1"_qs});
    drawLine({u"-4/6"_qs, u"1"_qs, u"5"_qs, u"6"_qs});
    drawLine({u"1"_qs, u"0"_qs, u"8"_qs, u"12"_qs});
    click("Option1_0");
    EXPECT_EQ(valueTableText(Form->board()).Plain,
        u"線１\n"
        "y = −2/3χ + 1\n"
        "−3 ≦ χ ≦ 3\n"
        "χ\t−3\t−2\t−1\t0\t1\t2\t3\n"
        "y\t3\t7/3\t5/3\t1\t1/3\t−1/3\t−1\n"
        "変化の割合：−2/3\n"
        "切片：1\n"
        "yの変域：−1 ≦ y ≦ 3\n"
        "交点\n"
        "線２と：(9/8, 1/4)\n"
        "線３と：平行（交わらない）\n"
        "線４と：同じ直線上（共有点なし）\n"
        "線５と：変域の外で交わる (3/5, 3/5)\n"_qs);
    // An open end is written with "<", escaped in the HTML.
    Form->perform([](Board& board) { return board.setOpenEnd(0, EntryBox::From, true); });
    const QString html = valueTableText(Form->board()).Html;
    EXPECT_TRUE(html.contains(u"−3 &lt; χ ≦ 3"_qs) && html.contains(u"−1 ≦ y &lt; 3"_qs)) << html.toStdString();
    // Its column stays, the y in brackets: the end of y's range, which y does not take.
    const ValueTableText open = valueTableText(Form->board());
    EXPECT_TRUE(open.Plain.contains(u"y\t(3)\t7/3\t5/3\t1\t1/3\t−1/3\t−1\n( ) は、変域に含まれない端での値です。\n"_qs))
        << open.Plain.toStdString();
    EXPECT_TRUE(open.CopiedText.contains(u"y\t'(3)\t'7/3"_qs)) << "a spreadsheet would read (3) as −3";

    click("Option1_5");
    EXPECT_EQ(valueTableText(Form->board()).Plain, u"線６には線がありません。"_qs);
}

TEST_F(ValueTableTest, TheWindowFollowsTheBoardAndCopiesItsText)
{
    Window->findChild<QAction*>(u"ValueTable"_qs)->trigger();
    auto* table = Window->findChild<ValueTableWindow*>();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_FALSE(table->isModal());
    EXPECT_TRUE(table->testAttribute(Qt::WA_ShowWithoutActivating)) << "the pupil goes on typing in the main window";
    // The offscreen platform activates every window it shows; the desktop's does not.
    Window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    EXPECT_EQ(table->plainText(), u"線１には線がありません。"_qs);

    drawLine({u"-2/3"_qs, u"1"_qs, u"-3"_qs, u"3"_qs});
    drawLine({u"2"_qs, u"-2"_qs, u"-3"_qs, u"3"_qs});
    EXPECT_TRUE(table->plainText().startsWith(u"線２"_qs)) << "the line just drawn, though the current slot moved on";
    EXPECT_EQ(table->windowTitle(), u"値の表 — 線２"_qs);
    click("Option1_0");
    EXPECT_TRUE(table->plainText().contains(u"線２と：(9/8, 1/4)"_qs)) << table->plainText().toStdString();
    EXPECT_EQ(table->windowTitle(), u"値の表 — 線１"_qs);

    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(table->findChild<QPushButton*>(u"CopyValueTable"_qs), Qt::LeftButton);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().contains(u"χ\t-3\t-2\t-1\t0\t1\t2\t3\ny\t3\t'7/3\t'5/3\t1\t'1/3\t'-1/3\t-1\n"_qs))
        << copied->text().toStdString();
    EXPECT_TRUE(copied->text().contains(u"線２と：(9/8, 1/4)"_qs));
    EXPECT_FALSE(copied->text().contains(u'−')) << "the ASCII minus only";
    EXPECT_TRUE(copied->hasHtml());
    EXPECT_TRUE(copied->html().contains(u"<td align=\"center\">−1/3</td>"_qs)) << copied->html().toStdString();

    auto* step = table->findChild<QComboBox*>(u"ValueTableStep"_qs);
    ASSERT_NE(step, nullptr);
    step->setCurrentIndex(step->findText(u"2"_qs));
    EXPECT_TRUE(table->plainText().contains(u"χ\t−2\t0\t2\n"_qs)) << table->plainText().toStdString();
    step->setCurrentIndex(0);
    EXPECT_TRUE(table->plainText().contains(u"χ\t−3\t−2\t−1\t0\t1\t2\t3\n"_qs));
    EXPECT_FALSE(table->plainText().contains(u"超える"_qs)) << "a step taken as chosen is not remarked";
    drawLine({u"1"_qs, u"0"_qs, u"-100"_qs, u"100"_qs});
    step->setCurrentIndex(step->findText(u"1"_qs));
    EXPECT_TRUE(table->plainText().contains(u"χの刻み1では列が41を超えるので、刻みを20にしました。\n"_qs))
        << "a step replaced is not replaced silently";
    for (const QWidget* part : table->findChildren<QWidget*>()) {
        if (part->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(part->accessibleName().isEmpty()) << part->metaObject()->className();
        }
    }

    const QPointer<ValueTableWindow> closing(table);
    Window->findChild<QAction*>(u"ValueTable"_qs)->trigger();
    EXPECT_FALSE(table->isVisible()) << "closed again";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

// Whether the screen can hold the main window grown by the docked table's least width and the
// dock's edges.
bool roomToDock(const QWidget& window)
{
    constexpr int dockEdges = 20;
    return window.frameGeometry().width() + ValueTableWindow::Least.width() + dockEdges
        <= window.screen()->availableGeometry().width();
}

// A screen too small for the window with the table docked (the offscreen one of 800 x 600, a
// projector's 1024 x 768, and one of 1240 x 768 where the dock's edges are what is too much, each in
// its own run): the table is a window of its own over the picture's far
// side, docked or not, both windows on the screen and the panel's controls uncovered.
TEST_F(ValueTableTest, OnAScreenTooSmallToDockItLiesOverThePicture)
{
    if (roomToDock(*Window))
        GTEST_SKIP() << "the screen has room to dock";
    const QRect screen = Window->screen()->availableGeometry();
    const int alone = Window->width();
    auto* tableItem = Window->findChild<QAction*>(u"ValueTable"_qs);
    for (const bool docked : {false, true}) {
        SCOPED_TRACE(docked ? "docking chosen" : "docking not chosen");
        Window->findChild<QAction*>(u"DockValueTable"_qs)->setChecked(docked);
        tableItem->trigger();
        auto* table = Window->findChild<ValueTableWindow*>();
        ASSERT_NE(table, nullptr);
        EXPECT_TRUE(table->isWindow());
        EXPECT_EQ(Window->width(), alone);
        EXPECT_TRUE(screen.contains(table->frameGeometry())) << screen.width() << "x" << screen.height();
        const QWidget* picture = control("Picture1");
        EXPECT_EQ(table->frameGeometry().left(), picture->mapToGlobal(QPoint(0, 0)).x()) << "the picture's far side";
        const QRect tableOnScreen = table->frameGeometry();
        for (const QWidget* part : Form->findChildren<QWidget*>()) {
            if (part->isVisible() && part != picture && part->focusPolicy() != Qt::NoFocus) {
                EXPECT_FALSE(QRect(part->mapToGlobal(QPoint(0, 0)), part->size()).intersects(tableOnScreen))
                    << part->objectName().toStdString();
            }
        }
        tableItem->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A screen of 1400 x 768, run on its own, with the main window in its middle, has no room beside it
// but room to dock: the table docks on its right whether asked to or not, the window grows by its width and shrinks
// back when it closes, no control of the form lies under it, and Tab goes round the form and the table. Docking is the
// teacher's choice, off until chosen and kept; an open table moves at once.
TEST_F(ValueTableTest, DockedOnTheRightItGrowsTheWindowAndCoversNoControl)
{
    if (!roomToDock(*Window))
        GTEST_SKIP() << "the screen is too small to dock";
    const QRect screen = Window->screen()->availableGeometry();
    Window->move(screen.left() + (screen.width() - Window->frameGeometry().width()) / 2, screen.top());
    auto* dockItem = Window->findChild<QAction*>(u"DockValueTable"_qs);
    ASSERT_NE(dockItem, nullptr);
    EXPECT_FALSE(dockItem->isChecked()) << "off by default";
    const int alone = Window->width();
    auto* tableItem = Window->findChild<QAction*>(u"ValueTable"_qs);
    tableItem->trigger();
    QPointer<ValueTableWindow> table = Window->findChild<ValueTableWindow*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->window(), Window.get()) << "docked, not a window of its own";
    EXPECT_GE(table->width(), ValueTableWindow::Least.width());
    EXPECT_GE(Window->width(), alone + table->width());
    EXPECT_TRUE(screen.contains(Window->frameGeometry()))
        << Window->frameGeometry().x() << "," << Window->frameGeometry().y() << " " << Window->frameGeometry().width()
        << "x" << Window->frameGeometry().height();
    const QRect tableOnScreen(table->mapToGlobal(QPoint(0, 0)), table->size());
    for (const QWidget* control : Form->findChildren<QWidget*>()) {
        if (control->isVisible()) {
            EXPECT_FALSE(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).intersects(tableOnScreen))
                << control->objectName().toStdString();
        }
    }
    auto* copyButton = table->findChild<QPushButton*>(u"CopyValueTable"_qs);
    copyButton->setFocus();
    press(Qt::Key_Tab);
    EXPECT_TRUE(Form->isAncestorOf(QApplication::focusWidget())) << "after the table, the form again";
    QTest::keyClick(Window->windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), copyButton) << "and back";
    table->findChild<QComboBox*>(u"ValueTableStep"_qs)->setFocus();
    QTest::keyClick(Window->windowHandle(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), table->findChild<QWidget*>(u"ValueTableText"_qs));

    dockItem->trigger();
    EXPECT_TRUE(Settings::valueTableDocked());
    EXPECT_TRUE(table.isNull()) << "made anew in its place";
    table = Window->findChild<ValueTableWindow*>();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(tableItem->isChecked());
    EXPECT_EQ(Window->findChildren<QDockWidget*>().size(), 1);

    tableItem->trigger();
    // The table goes first, its dock after it, and then the window takes its size again.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(table.isNull());
    EXPECT_TRUE(Window->findChildren<QDockWidget*>().isEmpty());
    EXPECT_EQ(Window->width(), alone);

    // The choice is there in the next run.
    open();
    EXPECT_TRUE(Window->findChild<QAction*>(u"DockValueTable"_qs)->isChecked());
}

// The table's place beside the main window docked: as wide as wanted where the screen has room,
// else what room there is, never less than the least; and the grown window moved onto the screen.
TEST(ValueTablePlace, DockedTheWindowGrowsAndStaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1024);
    const struct {
        const char* Name;
        QRect MainFrame;
        std::optional<int> Width;
    } widths[] = {{"room for all", {0, 0, 937, 700}, 343}, {"wide screen", {0, 0, 600, 700}, 460},
        {"no room: the least", {200, 0, 937, 700}, 300}, {"too narrow to dock", {0, 0, 981, 700}, std::nullopt}};
    for (const auto& row : widths) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(dockedValueTableWidth(row.MainFrame, screen, 460, 300), row.Width);
    }
    const struct {
        const char* Name;
        QRect Frame;
        QPoint Expected;
    } moves[] = {{"on the screen already", {10, 20, 1237, 700}, {10, 20}},
        {"past the right edge", {172, 160, 1241, 700}, {39, 160}}, {"past the bottom", {0, 500, 935, 700}, {0, 324}},
        {"above the screen", {0, -30, 935, 700}, {0, 0}}, {"wider than the screen", {100, 0, 1400, 700}, {0, 0}}};
    for (const auto& row : moves) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(keptOnScreen(row.Frame, screen), row.Expected);
    }
    // Too small to dock, the table's window lies over the picture's left, moved onto the screen.
    const QRect projector(0, 0, 1024, 768);
    EXPECT_EQ(valueTableOverPicture({46, 84, 600, 600}, projector, {462, 590}), QRect(46, 84, 462, 590));
    EXPECT_EQ(valueTableOverPicture({46, 300, 600, 600}, projector, {462, 590}), QRect(46, 178, 462, 590));
    EXPECT_EQ(valueTableOverPicture({-90, 0, 600, 600}, {0, 0, 800, 600}, {462, 620}), QRect(0, 0, 462, 600));
}

// A companion window never covers the main window and stays on the screen: beside it on the right
// where there is room, else on its left, else below, narrowed down to 300 pixels, never less.
TEST(CompanionPlace, BesideTheMainWindowOnTheScreen)
{
    const QSize wanted(460, 560);
    const QSize least(300, 240);
    const struct {
        const char* Name;
        QRect MainFrame;
        QRect Screen;
        std::optional<QRect> Expected;
    } rows[] = {{"room on the right", {0, 0, 937, 700}, {0, 0, 1920, 1080}, QRect(945, 0, 460, 560)},
        {"1280 pixels: narrowed on the right", {0, 0, 937, 700}, {0, 0, 1280, 1024}, QRect(945, 0, 335, 560)},
        {"the main window on the right: on its left", {340, 100, 937, 700}, {0, 0, 1280, 1024},
            QRect(0, 100, 332, 560)},
        {"kept on the screen's height", {0, 600, 937, 700}, {0, 0, 1920, 1080}, QRect(945, 520, 460, 560)},
        {"no room beside: below", {100, 0, 937, 700}, {0, 0, 1280, 1024}, QRect(100, 708, 460, 316)},
        {"no room at all", {50, 0, 937, 700}, {0, 0, 1024, 768}, std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(besideMainWindow(row.MainFrame, row.Screen, wanted, least), row.Expected);
    }
}

// A line moved step after step (a drag, a play) is followed at once, then at the table's pace, and
// its last place is shown once it rests; other lines are never held back.
TEST_F(ValueTableTest, AMovingLineIsFollowedAtAPaceAndShownWhereItRests)
{
    drawLine({u"1"_qs, u"0"_qs, u"-3"_qs, u"3"_qs});
    Window->findChild<QAction*>(u"ValueTable"_qs)->trigger();
    auto* table = Window->findChild<ValueTableWindow*>();
    ASSERT_NE(table, nullptr);
    const auto move = [this](const char* a, bool continuing) {
        Form->perform([&](Board& board) { return board.moveLine(0, std::string(a), std::nullopt, continuing); });
    };
    QTest::qWait(FollowPace::Interval.count());
    move("2", false);
    EXPECT_TRUE(table->plainText().contains(u"y = 2χ\n"_qs)) << "the first step at once";
    move("3", true);
    move("4", true);
    EXPECT_TRUE(table->plainText().contains(u"y = 2χ\n"_qs)) << "the next ones wait their turn";
    EXPECT_TRUE(QTest::qWaitFor([table] { return table->plainText().contains(u"y = 4χ\n"_qs); }, 1000));
    drawLine({u"-1"_qs, u"0"_qs, u"-3"_qs, u"3"_qs});
    EXPECT_TRUE(table->plainText().startsWith(u"線２"_qs)) << "a drawn line at once";
}

} // namespace
} // namespace zelmora::testing
