// SPDX-License-Identifier: MIT
// 動かして調べる: the sliders move the line last drawn, by keyboard, drag and play; the picture is
// drawn anew with no old segment left; each key press, drag or play is one undo step.
#include "WindowFixture.h"

#include "app/access/Accessibility.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>

namespace zelmora::testing {
namespace {

class ExploreWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        box(1)->setFocus();
        typeLine({u"-2/3"_qs, u"1"_qs, u"-3"_qs, u"3"_qs});
        press(Qt::Key_Return);
        Window->findChild<QAction*>(u"Explore"_qs)->trigger();
        Explore = Window->findChild<QWidget*>(u"Explore"_qs);
        ASSERT_NE(Explore, nullptr);
    }

    template <typename T> T* part(const char* name) const
    {
        T* widget = Explore->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void key(const char* slider, Qt::Key key) const { QTest::keyClick(part<QSlider>(slider), key); }

    EntryTexts line() const { return entryTexts(Form->board().slotTable(), 0); }

    // The picture of a window where only this line was drawn, in slot １.
    static QImage drawnAlone(const EntryTexts& texts)
    {
        MainWindow other;
        other.form()->perform([&texts](Board& board) { return board.draw(texts); });
        return other.form()->findChild<PictureBox*>(u"Picture1"_qs)->image();
    }

    QString undoText() const { return Window->findChild<QAction*>(u"Undo"_qs)->text(); }

    QWidget* Explore = nullptr;
};

// The menus' keys act while a companion window has the focus, as in the main window.
TEST_F(ExploreWindowTest, TheMenuKeysActFromTheCompanionWindows)
{
    key("ExploreSliderA", Qt::Key_Right);
    QTest::keyClick(part<QSlider>("ExploreSliderA"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(), (EntryTexts{"-2/ 3", " 1", "-3", " 3"})) << "Ctrl+Z undid the move";
    QTest::keyClick(part<QSlider>("ExploreSliderA"), Qt::Key_T, Qt::ControlModifier);
    auto* table = Window->findChild<QWidget*>(u"ValueTable"_qs);
    ASSERT_NE(table, nullptr) << "Ctrl+T opened the table";
    QTest::keyClick(table->findChild<QComboBox*>(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(Window->findChild<QAction*>(u"Explore"_qs)->isChecked())
        << "Ctrl+M from the table closed 動かして調べる";
}

TEST_F(ExploreWindowTest, OpensOnTheLineLastDrawnInItsOwnSteps)
{
    EXPECT_EQ(Explore->windowTitle(), u"動かして調べる — 線１"_qs);
    EXPECT_EQ(part<QComboBox>("ExploreStepA")->currentText(), u"1/3"_qs) << "a = -2/3 moves in thirds";
    EXPECT_EQ(part<QSlider>("ExploreSliderA")->value(), -2);
    EXPECT_EQ(part<QSlider>("ExploreSliderA")->minimum(), -15);
    EXPECT_EQ(part<QSlider>("ExploreSliderB")->value(), 1);
    EXPECT_EQ(part<QSlider>("ExploreSliderB")->maximum(), 10);
    EXPECT_EQ(part<QLabel>("ExploreValueA")->text(), u"-2/ 3"_qs);
    EXPECT_FALSE(Explore->geometry().intersects(Window->frameGeometry())) << "it covers no part of the window";
}

struct KeyRow {
    const char* Name;
    const char* Slider;
    Qt::Key Key;
    EntryTexts Line;
    const char16_t* Spoken;
    const char16_t* Value; // the slider's accessible value: the coefficient as the window writes it
};

// Each key moves the line at once, as drawn anew from the table, and is one step of its own.
TEST_F(ExploreWindowTest, KeysMoveTheLineAndEachIsAStep)
{
    const std::vector<KeyRow> rows{
        {"→ one third up", "ExploreSliderA", Qt::Key_Right, {"-1/ 3", " 1", "-3", " 3"}, u"ａ −3分の1", u"−3分の1"},
        {"PageUp five thirds up", "ExploreSliderA", Qt::Key_PageUp, {" 4/ 3", " 1", "-3", " 3"}, u"ａ 3分の4",
            u"3分の4"},
        {"End to 5", "ExploreSliderA", Qt::Key_End, {" 5", " 1", "-3", " 3"}, u"ａ 5", u"5"},
        {"Home to -5", "ExploreSliderA", Qt::Key_Home, {"-5", " 1", "-3", " 3"}, u"ａ −5", u"−5"},
        {"← b one down", "ExploreSliderB", Qt::Key_Left, {"-5", " 0", "-3", " 3"}, u"ｂ 0", u"0"},
    };
    int steps = 0;
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.Name);
        key(row.Slider, row.Key);
        ++steps;
        EXPECT_EQ(line(), row.Line);
        EXPECT_EQ(Explore->findChild<Announcer*>()->text(), QString::fromUtf16(row.Spoken));
        QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(part<QSlider>(row.Slider));
        EXPECT_EQ(slider->text(QAccessible::Value), QString::fromUtf16(row.Value));
        EXPECT_EQ(slider->text(QAccessible::Name), QString::fromUtf16(row.Spoken)) << "heard on the focus too";
        EXPECT_EQ(slider->valueInterface(), nullptr) << "its raw position is not said";
        EXPECT_EQ(undoText(), u"元に戻す：線１を動かす(&U)"_qs);
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return Explore->findChild<Announcer*>()->text() == u"y＝−5エックス。"_qs; }))
        << "once the keys rest, the line is said";
    const EntryTexts& last = rows.back().Line;
    EXPECT_EQ(picture(), drawnAlone(last)) << "the picture is the moved line alone: no old segment stays";
    for (int k = 0; k < steps; ++k)
        Window->findChild<QAction*>(u"Undo"_qs)->trigger();
    EXPECT_EQ(line(), (EntryTexts{"-2/ 3", " 1", "-3", " 3"}));
    EXPECT_EQ(part<QSlider>("ExploreSliderA")->value(), -2) << "the sliders follow the board";
}

TEST_F(ExploreWindowTest, ADragIsOneStep)
{
    QSlider* slider = part<QSlider>("ExploreSliderB");
    slider->setSliderDown(true);
    for (int b : {2, 3, 4, -1})
        slider->setValue(b);
    slider->setSliderDown(false);
    EXPECT_EQ(line()[1], "-1");
    Window->findChild<QAction*>(u"Undo"_qs)->trigger();
    EXPECT_EQ(line()[1], " 1");
    EXPECT_EQ(undoText(), u"元に戻す：線１を引く(&U)"_qs);
}

TEST_F(ExploreWindowTest, AnotherStepKeepsTheLineAndTenthsShowAsDecimals)
{
    part<QComboBox>("ExploreStepA")->setCurrentIndex(3);
    EXPECT_EQ(line()[0], "-2/ 3") << "choosing a step moves nothing";
    EXPECT_EQ(part<QSlider>("ExploreSliderA")->value(), -7);
    key("ExploreSliderA", Qt::Key_Right);
    EXPECT_EQ(line()[0], "-.6");
    EXPECT_EQ(part<QLabel>("ExploreValueA")->text(), u"-0.6"_qs);
}

// 前の線を残す keeps the line as it was before the step, grey; closing the window lets it go.
TEST_F(ExploreWindowTest, TheKeptLineIsGreyUntilTheWindowCloses)
{
    const QImage before = picture();
    part<QCheckBox>("ExploreKeep")->setChecked(true);
    key("ExploreSliderB", Qt::Key_PageUp);
    // y = -2/3χ + 1 at χ = -3 is (-3, 3): pixel (234, 234) at 22 px a unit, now under the kept line.
    EXPECT_EQ(pixel(234, 234), QColor(192, 192, 192));
    Explore->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Form->board().keptLine());
    EXPECT_NE(picture(), before) << "the line moved";
    EXPECT_NE(pixel(234, 234), QColor(192, 192, 192));
}

TEST_F(ExploreWindowTest, APlayMovesUntilStoppedAndIsOneStep)
{
    QPushButton* play = part<QPushButton>("ExplorePlayB");
    play->click();
    EXPECT_EQ(play->text(), u"■"_qs);
    QTest::qWait(3 * 300 + 150);
    play->click();
    EXPECT_EQ(play->text(), u"▶"_qs);
    EXPECT_EQ(line()[1], " 4");
    Window->findChild<QAction*>(u"Undo"_qs)->trigger();
    EXPECT_EQ(line()[1], " 1");
}

TEST_F(ExploreWindowTest, WithoutALineTheSlidersRest)
{
    click("Command2");
    EXPECT_FALSE(part<QSlider>("ExploreSliderA")->isEnabled());
    EXPECT_EQ(part<QLabel>("ExploreLine")->text(), u"線１には線がありません。"_qs);
}

} // namespace
} // namespace zelmora::testing
