// SPDX-License-Identifier: MIT
// The 表示 menu's marks in the window: off by default with the plain picture, on and off again
// without a trace, remembered for the next run, taken from a lesson that says, and in exports.
#include "WindowFixture.h"

#include "output/PictureOutput.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

namespace zelmora::testing {
namespace {

const char* const marks[] = {"ShowNumbers", "ShowEquations", "ShowIntersections", "ShowEndpoints", "ShowSlope"};

class ShowOptionsTest : public WindowTest {
protected:
    void SetUp() override
    {
        Settings::clear();
        WindowTest::SetUp();
        drawTypicalPair();
        click("Option1_0");
    }

    void TearDown() override
    {
        WindowTest::TearDown();
        Settings::clear();
    }

    QAction* mark(const char* name) const { return Window->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(ShowOptionsTest, EachMarkChangesThePictureAndLeavesNoTraceWhenOff)
{
    click("Command3_1"); // the whole picture drawn anew, as after switching a mark off
    const QImage plain = picture();
    for (const char* name : marks) {
        SCOPED_TRACE(name);
        ASSERT_NE(mark(name), nullptr);
        EXPECT_TRUE(mark(name)->isCheckable());
        EXPECT_FALSE(mark(name)->isChecked()) << "off by default";
        mark(name)->trigger();
        EXPECT_NE(picture(), plain);
        mark(name)->trigger();
        EXPECT_EQ(picture(), plain);
    }
}

TEST_F(ShowOptionsTest, TheChoiceIsRememberedAndALessonsOwnWins)
{
    mark("ShowIntersections")->trigger();
    mark("ShowEndpoints")->trigger();
    open();
    EXPECT_TRUE(mark("ShowIntersections")->isChecked()) << "remembered across runs";
    EXPECT_TRUE(mark("ShowEndpoints")->isChecked());
    EXPECT_FALSE(mark("ShowNumbers")->isChecked());
    EXPECT_EQ(Form->board().showOptions(), (ShowOptions{false, false, true, true, false}));

    QTemporaryDir folder;
    QFile file(folder.filePath(u"shown.zelmora"_qs));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "zelmora-lesson", "version": 1, "show": {"numbers": true, "slope": true}})");
    file.close();
    ASSERT_TRUE(Window->openFile(file.fileName()));
    EXPECT_EQ(Form->board().showOptions(), (ShowOptions{true, false, false, false, true}));
    EXPECT_TRUE(mark("ShowNumbers")->isChecked());
    EXPECT_FALSE(mark("ShowIntersections")->isChecked());
    EXPECT_EQ(Form->board().lesson().Show, (ShowOptions{true, false, false, false, true}))
        << "and saved with the lesson";
}

// Each row of the marks' table is a checkable item of the 表示 menu, in the table's order, and is
// remembered under its own key: switched on alone, it alone is on in the next window.
TEST_F(ShowOptionsTest, EveryMarkIsRememberedUnderItsKey)
{
    QStringList names;
    for (QAction* item : Window->findChild<QMenu*>(u"ViewMenu"_qs)->actions()) {
        if (item->isCheckable() && item->objectName().startsWith(u"Show"_qs))
            names << item->objectName();
    }
    ASSERT_EQ(names.size(), static_cast<qsizetype>(ShowMarks.size()));
    for (std::size_t k = 0; k < ShowMarks.size(); ++k) {
        const ShowMark& row = ShowMarks[k];
        SCOPED_TRACE(row.Key);
        EXPECT_EQ(names[static_cast<qsizetype>(k)], QLatin1StringView(row.Name));
        Settings::clear();
        open();
        ShowOptions alone;
        alone.*row.Member = true;
        // Which crossings can be chosen only while they are shown.
        if (row.Member == &ShowOptions::CurrentCrossingsOnly)
            mark("ShowIntersections")->trigger();
        mark(row.Name)->trigger();
        EXPECT_TRUE(Settings::showOptions().*row.Member);
        open();
        if (row.Member == &ShowOptions::CurrentCrossingsOnly)
            alone.Intersections = true;
        EXPECT_EQ(Form->board().showOptions(), alone);
        EXPECT_TRUE(mark(row.Name)->isChecked());
    }
}

// The 表示 menu is reached from the keyboard: no two of its items share an access key.
TEST_F(ShowOptionsTest, TheViewMenusAccessKeysDiffer)
{
    QStringList keys;
    for (const QAction* item : Window->findChild<QMenu*>(u"ViewMenu"_qs)->actions()) {
        if (item->isSeparator())
            continue;
        const QString text = item->text();
        const qsizetype amp = text.indexOf(u'&');
        ASSERT_GE(amp, 0) << item->objectName().toStdString() << " has no access key";
        const QString key = text.mid(amp + 1, 1).toUpper();
        EXPECT_FALSE(keys.contains(key)) << item->objectName().toStdString() << " repeats &" << key.toStdString();
        keys << key;
    }
}

// The stacked coordinates of the intersection are real text in an SVG.
TEST_F(ShowOptionsTest, MarksGoIntoExportsWithTheirNumbersAsText)
{
    mark("ShowIntersections")->trigger();
    QTemporaryDir folder;
    const QString path = folder.filePath(u"marks.svg"_qs);
    ASSERT_EQ(writePicture(path, Form->board(), {}), std::nullopt);
    QFile svg(path);
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    for (const char* number : {">9</text>", ">8</text>", ">1</text>", ">4</text>"})
        EXPECT_TRUE(text.contains(number)) << number;
}

} // namespace
} // namespace zelmora::testing
