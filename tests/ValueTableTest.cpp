// SPDX-License-Identifier: MIT
// The table of values beside the window: its facts for the current slot, exact, kept current as
// lines are drawn and slots chosen, and copied as text.
#include "WindowFixture.h"

#include "app/ValueTableWindow.h"

#include <QAction>
#include <QClipboard>
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
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(u"(9/8, 1/4)"_qs));
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

} // namespace
} // namespace zelmora::testing
