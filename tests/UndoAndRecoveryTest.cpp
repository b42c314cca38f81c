// SPDX-License-Identifier: MIT
// Nothing the teacher or pupil does is lost: undo and redo from the 編集 menu and the keyboard, the
// caption's mark of a changed lesson, the question before it is replaced, and the board kept for
// the next run.
#include "WindowFixture.h"

#include "app/session/Recovery.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace zelmora::testing {
namespace {

const QByteArray oneLineLesson
    = R"({"format": "zelmora-lesson", "version": 1, "slots": [{"slot": 1, "a": "1", "b": "2", "from": "-1", "to": "1"}]})";

class UndoAndRecoveryTest : public WindowTest {
protected:
    QAction* action(const char* name) const { return Window->findChild<QAction*>(QString::fromLatin1(name)); }

    QString message() const { return control<QLabel>("Label10")->text(); }

    QString lessonFile()
    {
        const QString path = Folder.filePath(u"lesson.zelmora"_qs);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(oneLineLesson);
        return path;
    }

    // The lesson file opened and a second line drawn: a changed lesson.
    void changeLesson()
    {
        ASSERT_TRUE(Window->openFile(lessonFile()));
        click("Option1_1");
        box(1)->setFocus();
        typeLine({u"2"_qs, u"-2"_qs, u"-3"_qs, u"3"_qs});
        press(Qt::Key_Return);
        ASSERT_TRUE(Form->board().slotTable().isDrawn(1));
    }

    static QString recoveryFolder() { return Recovery::defaultFolder(); }

    QTemporaryDir Folder;
};

TEST_F(UndoAndRecoveryTest, TheEditMenuNamesTheStepItUndoesAndRedoes)
{
    EXPECT_FALSE(action("Undo")->isEnabled());
    EXPECT_FALSE(action("Redo")->isEnabled());
    box(1)->setFocus();
    typeLine({u"-2/3"_qs, u"1"_qs, u"-3"_qs, u"3"_qs});
    press(Qt::Key_Return);
    const QImage oneLine = picture();
    typeLine({u"2"_qs, u"-2"_qs, u"-3"_qs, u"3"_qs});
    press(Qt::Key_Return);
    const QImage twoLines = picture();
    EXPECT_TRUE(action("Undo")->isEnabled());
    EXPECT_EQ(action("Undo")->text(), u"元に戻す：線２を引く(&U)"_qs);

    action("Undo")->trigger();
    EXPECT_FALSE(Form->board().slotTable().isDrawn(1));
    EXPECT_TRUE(control<QRadioButton>("Option1_1")->isChecked());
    EXPECT_EQ(box(1)->text(), QString());
    EXPECT_EQ(picture(), oneLine);
    EXPECT_EQ(action("Redo")->text(), u"やり直し：線２を引く(&R)"_qs);
    EXPECT_EQ(action("Undo")->text(), u"元に戻す：線１を引く(&U)"_qs);

    action("Redo")->trigger();
    EXPECT_TRUE(Form->board().slotTable().isDrawn(1));
    EXPECT_EQ(picture(), twoLines);
    EXPECT_TRUE(control<QRadioButton>("Option1_2")->isChecked());
    EXPECT_FALSE(action("Redo")->isEnabled());

    click("Command2");
    EXPECT_EQ(action("Undo")->text(), u"元に戻す：初期画面(&U)"_qs);
    click("Command3_2");
    EXPECT_EQ(action("Undo")->text(), u"元に戻す：大きさを大に(&U)"_qs);
    action("Undo")->trigger();
    action("Undo")->trigger();
    EXPECT_TRUE(Form->board().slotTable().isDrawn(0)) << "初期画面 undone: both lines are back";
    EXPECT_TRUE(Form->board().slotTable().isDrawn(1));
}

// In a box whose typing can be undone, Ctrl+Z undoes the typing; once there is none, the board's
// last step. Ctrl+Y and Ctrl+Shift+Z redo the same way.
TEST_F(UndoAndRecoveryTest, CtrlZUndoesTheTypingFirstThenTheBoard)
{
    drawTypicalPair();
    ASSERT_EQ(QApplication::focusWidget(), box(1));
    type(u"7"_qs);
    QTest::keyClick(Window->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box(1)->text(), QString());
    EXPECT_TRUE(Form->board().slotTable().isDrawn(1)) << "the typing went, the line stays";

    QTest::keyClick(Window->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(Form->board().slotTable().isDrawn(1));

    for (const auto modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        QTest::keyClick(Window->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        ASSERT_FALSE(Form->board().slotTable().isDrawn(0));
        QTest::keyClick(Window->windowHandle(), modifiers == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, modifiers);
        EXPECT_TRUE(Form->board().slotTable().isDrawn(0));
    }
}

TEST_F(UndoAndRecoveryTest, TheCaptionMarksAChangedLesson)
{
    ASSERT_TRUE(Window->openFile(lessonFile()));
    EXPECT_EQ(caption(), u"lesson.zelmora — Zelmora (Tavrin)"_qs);
    click("Command3_0");
    EXPECT_EQ(caption(), u"lesson.zelmora* — Zelmora (Tavrin)"_qs);
    action("Undo")->trigger();
    EXPECT_EQ(caption(), u"lesson.zelmora — Zelmora (Tavrin)"_qs) << "undone back to the file";
    action("Redo")->trigger();
    EXPECT_EQ(caption(), u"lesson.zelmora* — Zelmora (Tavrin)"_qs);
    ASSERT_TRUE(Window->saveTo(Window->fileName()));
    EXPECT_EQ(caption(), u"lesson.zelmora — Zelmora (Tavrin)"_qs);
    action("Undo")->trigger();
    EXPECT_EQ(caption(), u"lesson.zelmora* — Zelmora (Tavrin)"_qs);

    // Undoing the opening gives back the board before it, which had no file.
    action("Undo")->trigger();
    EXPECT_EQ(caption(), u"Zelmora (Tavrin)"_qs);
    EXPECT_EQ(Window->fileName(), QString());
}

// The marks of 表示 belong to the lesson: a change marks it, is undone as a step, and is saved.
TEST_F(UndoAndRecoveryTest, TheMarksShownAreOfTheLesson)
{
    ASSERT_TRUE(Window->openFile(lessonFile()));
    action("ShowIntersections")->trigger();
    EXPECT_EQ(caption(), u"lesson.zelmora* — Zelmora (Tavrin)"_qs);
    action("Undo")->trigger();
    EXPECT_FALSE(Form->board().showOptions().Intersections);
    EXPECT_FALSE(action("ShowIntersections")->isChecked()) << "the menu follows the board";
    EXPECT_EQ(caption(), u"lesson.zelmora — Zelmora (Tavrin)"_qs);
    action("Redo")->trigger();
    EXPECT_TRUE(action("ShowIntersections")->isChecked());
    ASSERT_TRUE(Window->saveTo(Window->fileName()));
    action("New")->trigger();
    ASSERT_TRUE(Window->openFile(lessonFile()));
    EXPECT_TRUE(Form->board().showOptions().Intersections) << "saved with the lesson";
}

struct QuestionRow {
    const char* Name;
    std::function<void(MainWindow&)> Command;
};

// Every way of replacing or closing a changed lesson asks first; キャンセル keeps everything.
TEST_F(UndoAndRecoveryTest, ReplacingAChangedLessonAsksAndCancelKeepsIt)
{
    const QString other = Folder.filePath(u"other.zelmora"_qs);
    QFile::copy(lessonFile(), other);
    const std::vector<QuestionRow> rows{
        {"新規", [](MainWindow& w) { w.findChild<QAction*>(u"New"_qs)->trigger(); }},
        {"開く", [](MainWindow& w) { w.findChild<QAction*>(u"Open"_qs)->trigger(); }},
        {"終了", [](MainWindow& w) { w.findChild<QAction*>(u"Quit"_qs)->trigger(); }},
        {"終　了", [](MainWindow& w) { QTest::mouseClick(w.findChild<QWidget*>(u"Command1"_qs), Qt::LeftButton); }},
        {"the window's close button", [](MainWindow& w) { w.close(); }},
    };
    changeLesson();
    const auto cells = Form->board().slotTable().cells();
    for (const QuestionRow& row : rows) {
        SCOPED_TRACE(row.Name);
        QuestionAnswerer answerer(u"キャンセル"_qs);
        row.Command(*Window);
        EXPECT_EQ(answerer.Asked, QStringList{u"「lesson.zelmora」への変更を保存しますか？"_qs});
        EXPECT_TRUE(Window->isVisible());
        EXPECT_EQ(Form->board().slotTable().cells(), cells);
        EXPECT_EQ(caption(), u"lesson.zelmora* — Zelmora (Tavrin)"_qs);
    }
}

TEST_F(UndoAndRecoveryTest, SaveOrDiscardThenGoOn)
{
    changeLesson();
    {
        QuestionAnswerer answerer(u"保存する"_qs);
        action("New")->trigger();
        EXPECT_EQ(answerer.Asked.size(), 1);
    }
    EXPECT_FALSE(Form->board().slotTable().isDrawn(0)) << "a new board";
    ASSERT_TRUE(Window->openFile(Folder.filePath(u"lesson.zelmora"_qs)));
    EXPECT_TRUE(Form->board().slotTable().isDrawn(1)) << "the second line was saved";

    click("Option1_0");
    click("Command5");
    {
        QuestionAnswerer answerer(u"保存しない"_qs);
        click("Command1");
        EXPECT_EQ(answerer.Asked.size(), 1);
    }
    EXPECT_FALSE(Window->isVisible()) << "the program ends without saving";
    ASSERT_TRUE(Window->openFile(Folder.filePath(u"lesson.zelmora"_qs)));
    EXPECT_TRUE(Form->board().slotTable().isDrawn(1)) << "the erase was not saved";
}

// A save that fails says why and goes no further: the board stays.
TEST_F(UndoAndRecoveryTest, AFailedSaveCancels)
{
    ASSERT_TRUE(QDir(Folder.path()).mkdir(u"gone"_qs));
    const QString path = Folder.filePath(u"gone/lesson.zelmora"_qs);
    ASSERT_TRUE(QFile::copy(lessonFile(), path));
    ASSERT_TRUE(Window->openFile(path));
    click("Command3_2");
    ASSERT_TRUE(QDir(Folder.filePath(u"gone"_qs)).removeRecursively());
    QuestionAnswerer answerer(u"保存する"_qs);
    action("New")->trigger();
    ASSERT_EQ(answerer.Asked.size(), 2) << "the question, then the failed save in a box of its own";
    EXPECT_EQ(answerer.Asked[1], u"「lesson.zelmora」に保存できませんでした。"_qs);
    EXPECT_EQ(message(), u"保存できません。書き込みが許されていません。"_qs);
    EXPECT_TRUE(Form->board().slotTable().isDrawn(0));
    EXPECT_EQ(caption(), u"lesson.zelmora* — Zelmora (Tavrin)"_qs);
}

// The program as it opens has no file: it ends at once, and 新規 and 開く never ask.
TEST_F(UndoAndRecoveryTest, ABoardWithoutAFileNeverAsks)
{
    drawTypicalPair();
    QuestionAnswerer answerer(u"キャンセル"_qs);
    action("New")->trigger();
    EXPECT_FALSE(Form->board().slotTable().isDrawn(0));
    drawTypicalPair();
    click("Command1");
    EXPECT_FALSE(Window->isVisible());
    EXPECT_TRUE(answerer.Asked.isEmpty());
}

// A change is written within a second, and the next run opens it as a board without a file, one
// undo step away from the board it had.
TEST_F(UndoAndRecoveryTest, TheBoardIsKeptForTheNextRun)
{
    QDir(recoveryFolder()).removeRecursively();
    drawTypicalPair();
    click("Command3_2");
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(recoveryFolder()).entryList({u"*.zelmora"_qs}).isEmpty(), 1000);
    const Lesson kept = Form->board().lesson();
    click("Command1");

    Window.reset();
    open();
    EXPECT_TRUE(action("OpenLastBoard")->isEnabled());
    action("OpenLastBoard")->trigger();
    EXPECT_EQ(Form->board().lesson(), kept);
    EXPECT_EQ(caption(), u"Zelmora (Tavrin)"_qs);
    EXPECT_EQ(action("Undo")->text(), u"元に戻す：前回の線を開く(&U)"_qs);
    action("Undo")->trigger();
    EXPECT_FALSE(Form->board().slotTable().isDrawn(0));
}

// A kept board that cannot be read is passed over for the one before it; a folder that cannot be
// written is said once, and the program goes on.
TEST_F(UndoAndRecoveryTest, BadKeptBoardsAndFoldersAreNoHarm)
{
    QDir(recoveryFolder()).removeRecursively();
    ASSERT_TRUE(Window->openFile(lessonFile()));
    click("Command3_0");
    {
        const QuestionAnswerer answerer(u"保存しない"_qs);
        click("Command1");
    }
    for (const QString& path : QDir(recoveryFolder()).entryList({u"*.zelmora"_qs}, QDir::Files, QDir::Time)) {
        QFile file(QDir(recoveryFolder()).filePath(path));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    }
    QFile garbage(QDir(recoveryFolder()).filePath(u"board-garbage.zelmora"_qs));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("{\"format\": ");
    garbage.close();

    Window.reset();
    open();
    action("OpenLastBoard")->trigger();
    EXPECT_TRUE(Form->board().slotTable().isDrawn(0));
    EXPECT_EQ(Form->board().unitPixels(), 40);
    EXPECT_EQ(message(), QString());

    Board board;
    Recovery unwritable(board, u"/proc/zelmora-recovery"_qs);
    QSignalSpy failed(&unwritable, &Recovery::writeFailed);
    for (int k = 0; k < 2; ++k) {
        board.setPlaneSize(k * 2);
        unwritable.boardChanged();
        unwritable.flush();
    }
    EXPECT_EQ(failed.count(), 1);
}

// Each running program keeps its own file under a lock; the newest five stay, older ones of
// programs that have ended go.
TEST_F(UndoAndRecoveryTest, KeepsTheNewestFiveAndTheFilesOfRunningPrograms)
{
    const QTemporaryDir folder;
    const QDateTime now = QDateTime::currentDateTime();
    for (int k = 0; k < 8; ++k) {
        QFile file(folder.filePath(u"board-%1.zelmora"_qs.arg(k)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(oneLineLesson);
        file.flush(); // so that closing writes nothing more, which would set the time anew
        file.setFileTime(now.addSecs(-10 * (k + 1)), QFileDevice::FileModificationTime);
    }
    QLockFile running(folder.filePath(u"board-7.zelmora.lock"_qs));
    ASSERT_TRUE(running.tryLock(0));

    Board board;
    Recovery recovery(board, folder.path());
    EXPECT_EQ(recovery.lastBoards().size(), 7) << "all but the running program's";
    board.setPlaneSize(0);
    recovery.boardChanged();
    recovery.flush();
    QStringList kept{u"board-0.zelmora"_qs, u"board-1.zelmora"_qs, u"board-2.zelmora"_qs, u"board-3.zelmora"_qs,
        u"board-7.zelmora"_qs, QFileInfo(recovery.fileName()).fileName()};
    kept.sort();
    EXPECT_EQ(QDir(folder.path()).entryList({u"*.zelmora"_qs}, QDir::Files, QDir::Name), kept);
    EXPECT_EQ(recovery.lastBoards().front(), folder.filePath(u"board-0.zelmora"_qs));
}

} // namespace
} // namespace zelmora::testing
