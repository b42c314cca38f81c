// SPDX-License-Identifier: MIT
// Lessons in the window: the menu bar, opening and saving files, bad files refused as a whole with
// the board untouched, the recent files, a dropped file.
#include "WindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

#include <unistd.h>

namespace zelmora::testing {
namespace {

const QByteArray typicalLesson = R"({
  "format": "zelmora-lesson",
  "version": 1,
  "size": "大",
  "currentSlot": 2,
  "slots": [
    {"slot": 1, "a": "-2/3", "b": "1", "from": "-3", "to": "3"},
    {"slot": 2, "a": "２", "b": "ー２", "from": "-3", "to": " 3"}
  ]
})";

class LessonFilesTest : public WindowTest {
protected:
    QString write(const QString& name, const QByteArray& bytes) const
    {
        const QString path = Folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString message() const { return control<QLabel>("Label10")->text(); }

    QAction* action(const char* name) const { return Window->findChild<QAction*>(QString::fromLatin1(name)); }

    QTemporaryDir Folder;
};

TEST_F(LessonFilesTest, TheMenuBarHasTheFileEditViewAndHelpMenus)
{
    QStringList menus;
    for (const QAction* menu : Window->menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(
        menus, (QStringList{u"ファイル(&F)"_qs, u"編集(&E)"_qs, u"表示(&V)"_qs, u"練習(&R)"_qs, u"ヘルプ(&H)"_qs}));

    const struct {
        const char* Name;
        const char16_t* Text;
        QKeySequence Keys;
    } rows[] = {{"New", u"新規(&N)", QKeySequence(u"Ctrl+N"_qs)}, {"Open", u"開く(&O)…", QKeySequence(u"Ctrl+O"_qs)},
        {"Save", u"上書き保存(&S)", QKeySequence(u"Ctrl+S"_qs)},
        {"SaveAs", u"名前を付けて保存(&A)…", QKeySequence(u"Ctrl+Shift+S"_qs)},
        {"Export", u"図を書き出す(&E)…", QKeySequence(u"Ctrl+E"_qs)},
        {"Print", u"印刷(&P)…", QKeySequence(u"Ctrl+P"_qs)}, {"Quit", u"終了(&X)", QKeySequence(u"Ctrl+Q"_qs)},
        {"OpenLastBoard", u"前回の線を開く(&L)", QKeySequence()}, {"Undo", u"元に戻す(&U)", QKeySequence(u"Ctrl+Z"_qs)},
        {"Redo", u"やり直し(&R)", QKeySequence(u"Ctrl+Y"_qs)},
        {"TypeEquation", u"式で入力(&Q)…", QKeySequence(u"Ctrl+Shift+E"_qs)},
        {"CopyPicture", u"図をコピー(&C)", QKeySequence(u"Ctrl+Shift+C"_qs)},
        {"Practise", u"練習する(&P)…", QKeySequence(u"Ctrl+R"_qs)},
        {"PrintPracticeSheet", u"練習プリントを印刷(&S)…", QKeySequence()},
        {"Usage", u"使い方(&H)", QKeySequence(u"F1"_qs)}, {"About", u"このプログラムについて(&A)", QKeySequence()}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        QAction* item = action(row.Name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf16(row.Text));
        EXPECT_EQ(item->shortcut(), row.Keys);
    }

    // The usage text lists the menus' keys by the items' names, undo by its command, not its step.
    drawTypicalPair();
    action("Usage")->trigger();
    auto* usage = Window->findChild<QDialog*>(u"Usage"_qs);
    ASSERT_NE(usage, nullptr);
    const QString text = usage->findChild<QTextBrowser*>()->toPlainText();
    for (const QString& listed : {u"Ctrl+N 新規、Ctrl+O 開く、Ctrl+S 上書き保存、Ctrl+Shift+S 名前を付けて保存、"_qs,
             u"Ctrl+Q 終了、Ctrl+Z 元に戻す、Ctrl+Y か Ctrl+Shift+Z やり直し、Ctrl+Shift+E 式で入力、"_qs,
             u"Ctrl+R 練習する、F1 使い方。"_qs})
        EXPECT_TRUE(text.contains(listed)) << listed.toStdString();
    usage->close();
}

// Ctrl+E would move to the end of a line in an entry box; the menu's shortcuts win, the boxes keep
// their own editing keys.
TEST_F(LessonFilesTest, MenuShortcutsReachTheMenuFromAnEntryBox)
{
    QSignalSpy exported(action("Export"), &QAction::triggered);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer.start(20);
    box(1)->setFocus();
    type(u"-2/3"_qs);
    QTest::keyClick(Window->windowHandle(), Qt::Key_E, Qt::ControlModifier);
    closer.stop();
    EXPECT_EQ(exported.count(), 1);
    EXPECT_EQ(box(1)->text(), u"-2/3"_qs);

    QTest::keyClick(Window->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box(1)->selectedText(), u"-2/3"_qs) << "Ctrl+A still selects the box's text";
}

TEST_F(LessonFilesTest, OpeningALessonReplacesTheBoardAndNamesTheWindow)
{
    box(1)->setFocus();
    typeLine({u"5"_qs, u"5"_qs, u"0"_qs, u"1"_qs});
    press(Qt::Key_Return);
    ASSERT_TRUE(Window->openFile(write(u"typical.zelmora"_qs, typicalLesson)));

    EXPECT_EQ(caption(), u"typical.zelmora — Zelmora (Tavrin)"_qs);
    EXPECT_EQ(Form->board().unitPixels(), 14);
    EXPECT_EQ(Form->board().currentSlot(), 1);
    EXPECT_TRUE(control<QRadioButton>("Option1_1")->isChecked());
    EXPECT_EQ(box(1)->text(), u" 2"_qs) << "the boxes show the current slot as a selection does";
    EXPECT_EQ(box(2)->text(), u"-2"_qs);
    EXPECT_EQ(control("Command3_2")->font().pixelSize(), 27) << "大 carries the mark";
    EXPECT_EQ(control("Command3_1")->font().pixelSize(), 16);
    EXPECT_FALSE(Form->board().slotTable().isDrawn(2)) << "the old line is gone";
    // -2/3 x + 1 at 14 pixels per unit: from (258, 258) to (342, 314).
    EXPECT_EQ(pixel(258, 258), QColor(0, 0, 255));
    EXPECT_EQ(MainWindow::recentFiles().value(0), QDir(Folder.path()).filePath(u"typical.zelmora"_qs));
}

// As after a draw: the line as the rules read it, and the message area names what they left out,
// with the line it is in; a box the lesson leaves out reads as empty, and is named too. The first
// line with either, and in it the first box, is told.
TEST_F(LessonFilesTest, ALessonWithUnreadCharactersOpensWithTheWindowsNotice)
{
    const struct {
        const char* Name;
        QByteArray Slots;
        const char16_t* Message;
        const char16_t* Listed; // every notice, in a box of its own, when there are several
    } rows[] = {{"letters after a", R"({"slot": 2, "a": "3abc", "b": "1", "from": "-1", "to": "1"})",
                    u"線２のａの「abc」は読みませんでした。", u""},
        {"a fraction as a bound", R"({"slot": 1, "a": "1", "b": "1", "from": "-1/2", "to": "1"})",
            u"線１の変域の「/2」は読みませんでした。", u""},
        {"b left out", R"({"slot": 3, "a": "2", "from": "-1", "to": "1"})", u"線３のｂがないので、０としました。", u""},
        {"the first line tells",
            R"({"slot": 4, "a": "1x", "b": "1", "from": "0", "to": "1"}, {"slot": 2, "a": "1", "from": "0", "to": "1"})",
            u"線２のｂがないので、０としました。",
            u"線２のｂがないので、０としました。\n線４のａの「x」は読みませんでした。"},
        {"the first box tells, and all are listed", R"({"slot": 1, "a": "3abc", "from": "0", "to": "1/2"})",
            u"線１のａの「abc」は読みませんでした。",
            u"線１のａの「abc」は読みませんでした。\n線１のｂがないので、０としました。\n"
            u"線１の変域の「/2」は読みませんでした。"},
        {"an empty b is typed, not left out", R"({"slot": 1, "a": "1", "b": "", "from": "-1", "to": "1"})", u"", u""},
        {"everything read", R"({"slot": 1, "a": "1", "b": "1", "from": "-1", "to": "1"})", u"", u""}};
    QuestionAnswerer answerer(u"OK"_qs);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        answerer.Told.clear();
        ASSERT_TRUE(Window->openFile(write(
            u"notice.zelmora"_qs, R"({"format": "zelmora-lesson", "version": 1, "slots": [)" + row.Slots + "]}")));
        EXPECT_EQ(message(), QString::fromUtf16(row.Message));
        EXPECT_EQ(answerer.Told.value(0), QString::fromUtf16(row.Listed));
    }
}

TEST_F(LessonFilesTest, SavingAndOpeningAgainGivesTheSameBoard)
{
    box(1)->setFocus();
    typeLine({u"－２／３"_qs, u".5"_qs, u"-1E+30"_qs, u"1E-05"_qs});
    press(Qt::Key_Return);
    click("Command3_0");
    const QString path = Folder.filePath(u"saved.zelmora"_qs);
    ASSERT_TRUE(Window->saveTo(path));
    EXPECT_EQ(message(), u"保存しました。"_qs);
    EXPECT_EQ(caption(), u"saved.zelmora — Zelmora (Tavrin)"_qs);
    const Lesson saved = Form->board().lesson();

    Window->findChild<QAction*>(u"New"_qs)->trigger();
    EXPECT_EQ(caption(), u"Zelmora (Tavrin)"_qs) << "新規 forgets the file";
    EXPECT_FALSE(Form->board().slotTable().isDrawn(0));
    ASSERT_TRUE(Window->openFile(path));
    EXPECT_EQ(Form->board().lesson(), saved);
    EXPECT_EQ(Form->board().unitPixels(), 40);
}

// A bad file is refused whole, says why, and leaves the board, the picture, the boxes and the
// window's name as they were.
TEST_F(LessonFilesTest, BadFilesAreRefusedAsAWhole)
{
    const auto lesson = [](const char* slots, const char* more = "") {
        return QByteArray(R"({"format": "zelmora-lesson", "version": 1, )") + more + R"("slots": [)" + slots + "]}";
    };
    const struct {
        const char* Name;
        QByteArray Bytes;
        const char16_t* Message;
    } rows[] = {{"empty", "", u"ファイルが空です。"},
        {"truncated", typicalLesson.left(50), u"4行目の2文字目の書き方が正しくありません。"},
        {"not UTF-8", lesson("{\"slot\": 1, \"a\": \"\xff\"}"), u"文字がUTF-8で書かれていません。"},
        {"not JSON", "a = 1", u"1行目の1文字目の書き方が正しくありません。"},
        {"deeply nested", QByteArray(5000, '[') + QByteArray(5000, ']'), u"ファイルの書き方が正しくありません。"},
        {"over 1 MiB", lesson("") + QByteArray(1 << 20, ' '), u"ファイルが大きすぎます（1MiBまで）。"},
        {"not a lesson", R"({"format": "other", "version": 1})", u"Zelmoraの授業ファイルではありません。"},
        {"newer version", R"({"format": "zelmora-lesson", "version": 3})",
            u"このファイルは新しい版のZelmoraで作られています。"},
        {"wrong type", lesson(R"({"slot": 3, "a": 2})"), u"線３の「a」の値の種類が違います。"},
        {"slot 0", lesson(R"({"slot": 0, "a": "2"})"), u"線の番号は１から８までです。"},
        {"slot 9", lesson(R"({"slot": 9, "a": "2"})"), u"線の番号は１から８までです。"},
        {"slot repeated", lesson(R"({"slot": 4, "a": "2"}, {"slot": 4, "a": "3"})"), u"線４が二度あります。"},
        {"zero denominator", lesson(R"({"slot": 3, "a": "1/0"})"), u"線３のａの分母が０です。"},
        {"too large", lesson(R"({"slot": 2, "from": "1E39"})"), u"線２の変域の下限の値が大きすぎます。"},
        {"bad size", lesson("", R"("size": "特大", )"), u"大きさは「小」「中」「大」のどれかです。"}};
    box(1)->setFocus();
    typeLine({u"1"_qs, u"2"_qs, u"-1"_qs, u"1"_qs});
    press(Qt::Key_Return);
    box(1)->setText(u"typed"_qs);
    const auto cells = Form->board().slotTable().cells();
    const QImage picture = this->picture();
    // Each is told in a box that names the file, and the message area is left as it was.
    QuestionAnswerer answerer(u"OK"_qs);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        answerer.Asked.clear();
        answerer.Told.clear();
        EXPECT_FALSE(Window->openFile(write(u"bad.zelmora"_qs, row.Bytes)));
        EXPECT_EQ(answerer.Asked, QStringList{u"「bad.zelmora」を開けませんでした。"_qs});
        EXPECT_EQ(answerer.Told, QStringList{QString::fromUtf16(row.Message)});
        EXPECT_EQ(message(), QString());
        EXPECT_EQ(Form->board().slotTable().cells(), cells);
        EXPECT_EQ(Form->board().currentSlot(), 1);
        EXPECT_EQ(this->picture(), picture);
        EXPECT_EQ(box(1)->text(), u"typed"_qs);
        EXPECT_EQ(caption(), u"Zelmora (Tavrin)"_qs);
    }
    answerer.Asked.clear();
    answerer.Told.clear();
    EXPECT_FALSE(Window->openFile(Folder.filePath(u"missing.zelmora"_qs)));
    EXPECT_EQ(answerer.Asked.value(0), u"「missing.zelmora」を開けませんでした。"_qs);
    EXPECT_EQ(answerer.Told.value(0), u"ファイルが見つかりません。"_qs);
    EXPECT_FALSE(Window->openFile(Folder.path()));
    EXPECT_EQ(answerer.Told.value(1), u"ふつうのファイルではありません。"_qs);
}

TEST_F(LessonFilesTest, AFailedSaveKeepsTheOldFileAndTheBoard)
{
    const QString path = write(u"kept.zelmora"_qs, typicalLesson);
    ASSERT_TRUE(Window->openFile(path));
    box(1)->setText(u"3"_qs);
    click("Command4");

    // A folder that has vanished fails for everyone; a read-only one for all but root.
    QuestionAnswerer answerer(u"OK"_qs);
    EXPECT_FALSE(Window->saveTo(Folder.filePath(u"gone/lesson.zelmora"_qs)));
    EXPECT_EQ(message(), u"保存できません。書き込みが許されていません。"_qs);
    EXPECT_EQ(answerer.Asked.value(0), u"「lesson.zelmora」に保存できませんでした。"_qs) << "told in a box too";
    EXPECT_EQ(answerer.Told.value(0), u"保存できません。書き込みが許されていません。"_qs);
    if (geteuid() != 0) {
        QFile::setPermissions(Folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(Window->saveTo(path));
        QFile::setPermissions(Folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), typicalLesson);
    }
    EXPECT_EQ(Window->fileName(), path) << "still the lesson that was opened";
    EXPECT_TRUE(Form->board().slotTable().isDrawn(1)) << "the board keeps everything";
}

TEST_F(LessonFilesTest, RecentFilesKeepTheLastEightNewestFirst)
{
    QStringList paths;
    for (int k = 0; k < 10; ++k) {
        paths.prepend(write(u"lesson%1.zelmora"_qs.arg(k), typicalLesson));
        ASSERT_TRUE(Window->openFile(paths.front()));
    }
    ASSERT_TRUE(Window->openFile(paths[3]));
    const QStringList recent = MainWindow::recentFiles();
    ASSERT_EQ(recent.size(), 8);
    EXPECT_EQ(recent.front(), paths[3]);
    EXPECT_EQ(recent[1], paths[0]);
    EXPECT_FALSE(recent.contains(paths[9]));

    auto* menu = Window->findChild<QMenu*>(u"RecentFiles"_qs);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 8);
    EXPECT_EQ(menu->actions().front()->text(), u"&1 lesson6.zelmora"_qs);
    menu->actions()[1]->trigger();
    EXPECT_EQ(Window->fileName(), paths[0]);
}

TEST_F(LessonFilesTest, ADroppedFileIsOpened)
{
    const QString path = write(u"dropped.zelmora"_qs, typicalLesson);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Window.get(), &drop);
    EXPECT_EQ(Window->fileName(), path);
    EXPECT_EQ(Form->board().unitPixels(), 14);
}

} // namespace
} // namespace zelmora::testing
