// SPDX-License-Identifier: MIT
// 練習 by keyboard: a lesson's tasks start the practice window at once; each kind is answered in
// its two boxes, Enter moving on and then checking; each part is told apart, hints come in order,
// a グラフをかく task is answered with two points typed or put on the plane, and the score and the tasks missed close
// the set.
#include "WindowFixture.h"

#include "app/access/Accessibility.h"
#include "app/companions/PracticeWindow.h"

#include <QLabel>
#include <QTemporaryDir>

namespace zelmora::testing {
namespace {

class PracticeWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const QString path = Folder.filePath(u"練習.zelmora"_qs);
        QFile lesson(path);
        ASSERT_TRUE(lesson.open(QIODevice::WriteOnly));
        lesson.write(R"({"format": "zelmora-lesson", "version": 1, "seed": 4721, "tasks": [
            {"kind": "equation", "line": {"a": "-2/3", "b": "1", "from": "-3", "to": "3"}},
            {"kind": "range", "line": {"a": "2", "b": "-1", "from": "-1", "to": "3"}},
            {"kind": "crossing", "lines": [{"a": "1", "b": "0", "from": "-6", "to": "6"},
                                           {"a": "-2", "b": "1", "from": "-6", "to": "6"}]},
            {"kind": "graph", "line": {"a": "1", "b": "1", "from": "-3", "to": "3"}},
            {"kind": "graph", "line": {"a": "-2/3", "b": "1", "from": "-3", "to": "3"}}]})");
        lesson.close();
        ASSERT_TRUE(Window->openFile(path));
        Practice = Window->findChild<PracticeWindow*>();
        ASSERT_NE(Practice, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Practice));
        // Opened from the main window's menu or file, the practice window is the active one.
        QApplication::setActiveWindow(Practice);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), u"PracticeAnswer1"_qs);
    }

    QString said(const char* name) const
    {
        const auto* label = Practice->findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : u"(none)"_qs;
    }

    void key(Qt::Key key) const { QTest::keyClick(Practice->windowHandle(), key); }

    // Types each text into the focused box and presses Enter after it.
    void answer(const QString& first, const QString& second) const
    {
        for (const QString& text : {first, second}) {
            auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            ASSERT_NE(box, nullptr);
            box->selectAll();
            type(text);

            key(Qt::Key_Return);
        }
    }

    QTemporaryDir Folder;
    PracticeWindow* Practice = nullptr;
};

TEST_F(PracticeWindowTest, EachKindByKeyboard)
{
    EXPECT_EQ(said("PracticeHeading"), u"問題 1/5（問題番号 4721）"_qs);
    // Before answering, the line is explored from the plane, one stop before the boxes.
    key(Qt::Key_Backtab);
    key(Qt::Key_Right);
    EXPECT_EQ(Practice->findChild<Announcer*>()->text(), u"エックス−3、y3"_qs);
    key(Qt::Key_Right);
    EXPECT_EQ(Practice->findChild<Announcer*>()->text(), u"エックス−2、y3分の7"_qs);
    EXPECT_EQ(Practice->findChild<QWidget*>(u"PracticePlane"_qs)->accessibleDescription(),
        u"エックスは−6から6まで、yは−6から6まで見えています。直線が1本、エックスは−3から3まで引かれています。"
        "たどっている点：エックス−2、y3分の7。"_qs)
        << "the line to read is described without its equation";
    key(Qt::Key_Tab);
    // 式を求める: a rounded a is near, b right; then the same fraction in full width is right.
    answer(u"-0.67"_qs, u"1"_qs);
    EXPECT_EQ(said("PracticeFeedback"), u"ａは近いですが、分数で書きましょう。ｂは合っています。"_qs);
    EXPECT_EQ(Practice->current(), 0);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"PracticeAnswer1"_qs);
    answer(u"－２／３"_qs, u"1"_qs);
    EXPECT_EQ(Practice->current(), 1);
    EXPECT_EQ(said("PracticeFeedback"), u"正解"_qs);

    // 変域: the first hint marks the segment's ends; from the boxes, ヒント is three stops on.
    for (int k = 0; k < 3; ++k)
        key(Qt::Key_Tab);
    key(Qt::Key_Space);
    EXPECT_EQ(said("PracticeFeedback"), u"線の両はしは (−1, −3) と (3, 5) です。"_qs);
    EXPECT_TRUE(
        Practice->findChild<QWidget*>(u"PracticePlane"_qs)
            ->accessibleDescription()
            .endsWith(u"エックスは−1から3まで引かれています。線の両はしは エックス−1、y−3 と エックス3、y5 です。"_qs))
        << Practice->findChild<QWidget*>(u"PracticePlane"_qs)->accessibleDescription().toStdString();
    for (int k = 0; k < 3; ++k)
        key(Qt::Key_Backtab);
    answer(u"-3"_qs, u"5"_qs);
    EXPECT_EQ(Practice->current(), 2);

    // 交点: each part named.
    answer(u"1/3"_qs, u"-1/3"_qs);
    // The focus is where the part at fault is, its text selected, ready to be typed over.
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"PracticeAnswer2"_qs);
    key(Qt::Key_Backtab);
    EXPECT_EQ(said("PracticeFeedback"), u"χは合っています。yがちがいます。"_qs);
    answer(u"1/3"_qs, u"0.33333333333"_qs);
    EXPECT_EQ(said("PracticeFeedback"), u"χは合っています。yは近いですが、分数で書きましょう。"_qs);
    key(Qt::Key_Backtab);
    answer(u"1/3"_qs, u"2/6"_qs);
    EXPECT_EQ(Practice->current(), 3);

    // グラフをかく: two points of the line, typed as χ, y; each is checked on its own.
    EXPECT_TRUE(said("PracticePrompt").contains(u"χ, y"_qs));
    answer(u"0, 1"_qs, u"2, 2"_qs);
    EXPECT_EQ(said("PracticeFeedback"), u"1つ目の点は合っています。2つ目の点がちがいます。"_qs);
    key(Qt::Key_Backtab);
    answer(u"(0, 1)"_qs, u"y"_qs);
    EXPECT_EQ(said("PracticeFeedback"), u"1つ目の点は合っています。2つ目の点は数として読めません。"_qs);
    key(Qt::Key_Backtab);
    answer(u"０，１"_qs, u"−3, −2"_qs);
    EXPECT_EQ(Practice->current(), 4);

    // グラフをかく by the plane's cursor: from the origin a unit a key, Enter putting each point,
    // which fills its box; Enter in the second box checks.
    key(Qt::Key_Backtab);
    key(Qt::Key_Up);
    EXPECT_EQ(Practice->findChild<Announcer*>()->text(), u"エックス0、y1"_qs);
    key(Qt::Key_Return);
    EXPECT_EQ(Practice->findChild<Announcer*>()->text(), u"点をエックス0、y1にとりました。"_qs);
    for (const Qt::Key step : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        key(step);
    key(Qt::Key_Return);
    EXPECT_TRUE(Practice->findChild<QWidget*>(u"PracticePlane"_qs)
                    ->accessibleDescription()
                    .endsWith(u"あなたの点：エックス0、y1 と エックス3、y−1。カーソル：エックス3、y−1。"_qs))
        << Practice->findChild<QWidget*>(u"PracticePlane"_qs)->accessibleDescription().toStdString();
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    EXPECT_EQ(said("PracticeScore"),
        u"5問中2問正解\nまちがえた問題とその答え：\n問題1：y = −2/3χ + 1\n問題3：(1/3, 1/3)\n問題4：y = χ + 1"_qs);
    // The main window's board is left as it was.
    EXPECT_FALSE(Form->board().slotTable().isDrawn(0));
}

} // namespace
} // namespace zelmora::testing
