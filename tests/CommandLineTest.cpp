// SPDX-License-Identifier: MIT
// The program from the command line: --export writes each format and --worksheet its pages without
// a window or display, and a bad lesson, an unwritable path or a wrong argument ends with a
// one-line message and a non-zero status.
#include "app/session/Settings.h"
#include "lesson/LessonFile.h"
#include "practice/TaskGenerator.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace zelmora::testing {
namespace {

struct Finished {
    int Status = -1;
    QString Errors;
    QString Output;
};

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile lesson(Folder.filePath(u"lesson.zelmora"_qs));
        ASSERT_TRUE(lesson.open(QIODevice::WriteOnly));
        lesson.write(R"({"format": "zelmora-lesson", "version": 1, "slots": [{"slot": 1, "a": "2", "b": "-2",
            "from": "-3", "to": "3"}]})");
        QFile bad(Folder.filePath(u"bad.zelmora"_qs));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write(R"({"format": "zelmora-lesson", "version": 1, "slots": [{"slot": 1, "a": "1/0"}]})");
        QFile broken(Folder.filePath(u"broken.zelmora"_qs));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("{\n  \"format\": \"zelmora-lesson\"\n  \"version\": 1\n}\n");
    }

    Finished run(const QStringList& arguments) const
    {
        QProcess process;
        // No display at all: the export must not need one.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        // As on a desktop, where the session provides one.
        environment.insert(u"XDG_RUNTIME_DIR"_qs, Folder.path());
        // The settings the test keeps, where the program looks for its own.
        environment.insert(u"XDG_CONFIG_HOME"_qs, QFileInfo(QFileInfo(QSettings().fileName()).path()).path());
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(Folder.path());
        process.start(QStringLiteral(ZELMORA_BINARY), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
            QString::fromLocal8Bit(process.readAllStandardOutput())};
    }

    QTemporaryDir Folder;
};

TEST_F(CommandLineTest, ExportWritesEachFormatWithoutADisplay)
{
    const struct {
        const char* Name;
        QStringList Arguments;
        QByteArray Starts;
    } rows[] = {{"png", {u"--export"_qs, u"out.png"_qs, u"lesson.zelmora"_qs}, "\x89PNG"},
        {"svg", {u"--export"_qs, u"out.svg"_qs, u"--unit-mm"_qs, u"5"_qs, u"lesson.zelmora"_qs}, "<?xml"},
        {"pdf", {u"--problem"_qs, u"--export=out.pdf"_qs, u"lesson.zelmora"_qs}, "%PDF-"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Finished result = run(row.Arguments);
        EXPECT_EQ(result.Status, 0) << result.Errors.toStdString();
        QFile out(Folder.filePath(u"out."_qs + QString::fromLatin1(row.Name)));
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        EXPECT_TRUE(out.readAll().startsWith(row.Starts));
    }
    EXPECT_EQ(QImage(Folder.filePath(u"out.png"_qs)).size(), QSize(600, 600));
}

TEST_F(CommandLineTest, MistakesEndWithAMessageAndAStatus)
{
    const struct {
        const char* Name;
        QStringList Arguments;
        int Status;
        const char16_t* Says;
        bool First = false; // what the line starts with
    } rows[] = {{"bad lesson", {u"--export"_qs, u"out.png"_qs, u"bad.zelmora"_qs}, 1, u"線１のａの分母が０です。"},
        {"missing lesson", {u"--export"_qs, u"out.png"_qs, u"none.zelmora"_qs}, 1, u"ファイルが見つかりません。"},
        {"syntax error, FILE:LINE:COL", {u"--export"_qs, u"out.png"_qs, u"broken.zelmora"_qs}, 1,
            u"broken.zelmora:3:3: 3行目の3文字目の書き方が正しくありません。", true},
        {"a worksheet's syntax error, FILE:LINE:COL",
            {u"--worksheet"_qs, u"out.pdf"_qs, u"lesson.zelmora"_qs, u"broken.zelmora"_qs}, 1,
            u"broken.zelmora:3:3: 3行目の3文字目の書き方が正しくありません。", true},
        {"unwritable path", {u"--export"_qs, u"gone/out.png"_qs, u"lesson.zelmora"_qs}, 1, u"書き出せませんでした。"},
        {"unknown format", {u"--export"_qs, u"out.gif"_qs, u"lesson.zelmora"_qs}, 2, u"PNG、SVG、PDF"},
        {"no lesson", {u"--export"_qs, u"out.png"_qs}, 2, u"授業ファイルが要ります"},
        {"bad scale", {u"--export"_qs, u"out.png"_qs, u"--unit-mm"_qs, u"-1"_qs, u"lesson.zelmora"_qs}, 2,
            u"--unit-mm"},
        {"unknown option", {u"--export"_qs, u"out.png"_qs, u"--colour"_qs, u"lesson.zelmora"_qs}, 2, u"colour"},
        {"a single dash", {u"-export"_qs, u"out.png"_qs, u"lesson.zelmora"_qs}, 2, u"e, x, p, o, r, t"},
        {"in English, a syntax error", {u"--lang"_qs, u"en"_qs, u"--export"_qs, u"out.png"_qs, u"broken.zelmora"_qs}, 1,
            u"broken.zelmora:3:3: Wrong syntax at line 3, character 3.\n", true},
        {"in English, no lesson", {u"--export"_qs, u"out.png"_qs, u"--lang=en"_qs}, 2,
            u"zelmora: --export needs a lesson file.\n", true},
        {"in English, before a window",
            {u"-platform"_qs, u"offscreen"_qs, u"--lang"_qs, u"en"_qs, u"a.zelmora"_qs, u"b.zelmora"_qs}, 2,
            u"zelmora: One lesson file at most.\n", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Finished result = run(row.Arguments);
        EXPECT_EQ(result.Status, row.Status);
        EXPECT_TRUE(result.Errors.contains(QString::fromUtf16(row.Says))) << result.Errors.toStdString();
        if (row.First) {
            EXPECT_TRUE(result.Errors.startsWith(QString::fromUtf16(row.Says))) << result.Errors.toStdString();
        }
        EXPECT_EQ(result.Errors.trimmed().count(u'\n'), 0) << "one line: " << result.Errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"out.png"_qs)));
}

// A lesson the window would open with notices is drawn all the same, and each notice is printed.
TEST_F(CommandLineTest, EveryNoticeOfALessonIsPrinted)
{
    QFile noticed(Folder.filePath(u"noticed.zelmora"_qs));
    ASSERT_TRUE(noticed.open(QIODevice::WriteOnly));
    noticed.write(R"({"format": "zelmora-lesson", "version": 1, "slots": [{"slot": 1, "a": "3abc", "from": "0",
        "to": "1/2"}]})");
    noticed.close();
    for (const QStringList& arguments : {QStringList{u"--export"_qs, u"out.png"_qs, u"noticed.zelmora"_qs},
             QStringList{u"--worksheet"_qs, u"sheet.pdf"_qs, u"--unit-mm"_qs, u"5"_qs, u"noticed.zelmora"_qs}}) {
        SCOPED_TRACE(arguments.front().toStdString());
        const Finished result = run(arguments);
        EXPECT_EQ(result.Status, 0);
        EXPECT_EQ(result.Errors,
            u"zelmora: noticed.zelmora: 線１のａの「abc」は読みませんでした。\n"
            "zelmora: noticed.zelmora: 線１のｂがないので、０としました。\n"
            "zelmora: noticed.zelmora: 線１の変域の「/2」は読みませんでした。\n"_qs);
    }
}

TEST_F(CommandLineTest, AWorksheetHasItsProblemPagesThenItsAnswerPages)
{
    const struct {
        const char* Name;
        QStringList Arguments;
        int Pages;
    } rows[]
        = {{"problems alone", {u"lesson.zelmora"_qs}, 1}, {"with answers", {u"--answers"_qs, u"lesson.zelmora"_qs}, 2},
            {"three lessons, two a page",
                {u"--per-page"_qs, u"2"_qs, u"--answers"_qs, u"lesson.zelmora"_qs, u"lesson.zelmora"_qs,
                    u"lesson.zelmora"_qs},
                4},
            {"three lessons, six a page, the answers on a page of their own",
                {u"--per-page=6"_qs, u"--landscape"_qs, u"--answers"_qs, u"--paper"_qs, u"a3"_qs, u"lesson.zelmora"_qs,
                    u"lesson.zelmora"_qs, u"lesson.zelmora"_qs},
                2}};
    static const QRegularExpression page(u"/Type /Page\\b(?!s)"_qs);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Finished result
            = run(QStringList{u"--worksheet"_qs, u"sheet.pdf"_qs, u"--unit-mm"_qs, u"5"_qs} + row.Arguments);
        EXPECT_EQ(result.Status, 0) << result.Errors.toStdString();
        QFile out(Folder.filePath(u"sheet.pdf"_qs));
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromLatin1(out.readAll()).count(page), row.Pages);
    }
}

TEST_F(CommandLineTest, ValuesOutOfRangeAreRefusedNotBroughtIntoIt)
{
    const QString longTitle(201, u'題');
    const struct {
        const char* Name;
        QStringList Arguments;
        const char16_t* Says;
    } rows[] = {{"a unit of 100 mm", {u"--worksheet"_qs, u"out.pdf"_qs, u"--unit-mm"_qs, u"100"_qs}, u"--unit-mm"},
        {"a unit of 1 mm", {u"--worksheet"_qs, u"out.pdf"_qs, u"--unit-mm"_qs, u"1"_qs}, u"--unit-mm"},
        {"an export at 100 mm", {u"--export"_qs, u"out.pdf"_qs, u"--unit-mm"_qs, u"100"_qs}, u"--unit-mm"},
        {"five a page", {u"--worksheet"_qs, u"out.pdf"_qs, u"--per-page"_qs, u"5"_qs}, u"--per-page"},
        {"an unknown paper", {u"--worksheet"_qs, u"out.pdf"_qs, u"--paper"_qs, u"A5"_qs}, u"--paper"},
        {"a worksheet as PNG", {u"--worksheet"_qs, u"out.png"_qs}, u"PDF"},
        {"a title too long", {u"--worksheet"_qs, u"out.pdf"_qs, u"--title"_qs, longTitle}, u"--title"},
        {"a title too long for two lines", {u"--worksheet"_qs, u"out.pdf"_qs, u"--title"_qs, QString(120, u'題')},
            u"題名が長すぎて"},
        {"centred on the middle", {u"--worksheet"_qs, u"out.pdf"_qs, u"--centre"_qs, u"middle"_qs}, u"--centre"},
        {"a margin of 2 mm", {u"--worksheet"_qs, u"out.pdf"_qs, u"--margin"_qs, u"2"_qs}, u"--margin"},
        {"no units", {u"--export"_qs, u"out.pdf"_qs, u"--units"_qs, u"0"_qs}, u"--units"},
        {"both at once", {u"--worksheet"_qs, u"out.pdf"_qs, u"--export"_qs, u"out.png"_qs}, u"--worksheet"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Finished result = run(row.Arguments + QStringList{u"lesson.zelmora"_qs});
        EXPECT_EQ(result.Status, 2);
        EXPECT_TRUE(result.Errors.contains(QString::fromUtf16(row.Says))) << result.Errors.toStdString();
        EXPECT_EQ(result.Errors.trimmed().count(u'\n'), 0) << "one line: " << result.Errors.toStdString();
    }
    // Eight equations under each of six planes leave too little of a B5 page for 2 cm units.
    QFile eight(Folder.filePath(u"eight.zelmora"_qs));
    ASSERT_TRUE(eight.open(QIODevice::WriteOnly));
    eight.write(R"({"format": "zelmora-lesson", "version": 1, "slots": [{"slot": 1, "a": "1"}, {"slot": 2, "a": "2"},
        {"slot": 3, "a": "3"}, {"slot": 4, "a": "4"}, {"slot": 5, "a": "5"}, {"slot": 6, "a": "6"},
        {"slot": 7, "a": "7"}, {"slot": 8, "a": "8"}]})");
    eight.close();
    const Finished tooLarge = run({u"--worksheet"_qs, u"out.pdf"_qs, u"--paper"_qs, u"B5"_qs, u"--landscape"_qs,
        u"--per-page"_qs, u"6"_qs, u"--unit-mm"_qs, u"20"_qs, u"--answers"_qs, u"eight.zelmora"_qs});
    EXPECT_EQ(tooLarge.Status, 2);
    EXPECT_TRUE(tooLarge.Errors.contains(u"用紙に入りません"_qs)) << tooLarge.Errors.toStdString();
    EXPECT_EQ(run({u"--worksheet"_qs, u"fits.pdf"_qs, u"--paper"_qs, u"B5"_qs, u"--landscape"_qs, u"--per-page"_qs,
                      u"6"_qs, u"--unit-mm"_qs, u"5"_qs, u"--answers"_qs, u"eight.zelmora"_qs})
                  .Status,
        0);

    // Lines at 10 ≦ χ ≦ 20 lie off a plane centred on the origin: written, with one line of warning.
    QFile far(Folder.filePath(u"far.zelmora"_qs));
    ASSERT_TRUE(far.open(QIODevice::WriteOnly));
    far.write(R"({"format": "zelmora-lesson", "version": 1, "slots": [
        {"slot": 1, "a": "1/2", "b": "-3", "from": "10", "to": "20"}, {"slot": 3, "a": "1", "b": "0", "from": "-2", "to": "2"}]})");
    far.close();
    const Finished offPlane = run({u"--worksheet"_qs, u"far.pdf"_qs, u"--unit-mm"_qs, u"10"_qs, u"far.zelmora"_qs});
    EXPECT_EQ(offPlane.Status, 0);
    EXPECT_TRUE(offPlane.Errors.contains(u"座標平面の外にある線: (1) ①（"_qs)) << offPlane.Errors.toStdString();
    EXPECT_EQ(offPlane.Errors.trimmed().count(u'\n'), 0) << "one line: " << offPlane.Errors.toStdString();
    const Finished centred = run({u"--worksheet"_qs, u"far.pdf"_qs, u"--unit-mm"_qs, u"10"_qs, u"--centre"_qs,
        u"lines"_qs, u"--margin"_qs, u"15"_qs, u"far.zelmora"_qs});
    EXPECT_EQ(centred.Status, 0);
    EXPECT_TRUE(centred.Errors.trimmed().isEmpty()) << centred.Errors.toStdString();

    const Finished noLesson = run({u"--worksheet"_qs, u"out.pdf"_qs});
    EXPECT_EQ(noLesson.Status, 2);
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"out.pdf"_qs)));
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"out.png"_qs)));
}

TEST_F(CommandLineTest, APracticeSetIsNamedByItsSeed)
{
    const auto written = [this](const QString& name, const QStringList& arguments) {
        const Finished result = run(QStringList{u"--practice"_qs, name} + arguments);
        EXPECT_EQ(result.Status, 0) << result.Errors.toStdString();
        QFile file(Folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QStringList settings{u"--kind"_qs, u"crossing"_qs, u"--level"_qs, u"fraction"_qs, u"--count"_qs, u"20"_qs};
    const QByteArray first = written(u"a.zelmora"_qs, settings + QStringList{u"--seed"_qs, u"4721"_qs});
    EXPECT_EQ(written(u"b.zelmora"_qs, settings + QStringList{u"--seed=4721"_qs}), first);
    EXPECT_NE(written(u"c.zelmora"_qs, settings + QStringList{u"--seed"_qs, u"4722"_qs}), first);
    const auto lesson = readLesson(first);
    ASSERT_TRUE(std::holds_alternative<Lesson>(lesson));
    EXPECT_EQ(std::get<Lesson>(lesson).Practice,
        (PracticeSet{makeTasks({TaskKind::Crossing, TaskLevel::Fraction, 20, 4721}), 4721}));

    const struct {
        const char* Name;
        QStringList Arguments;
        const char16_t* Says;
    } rows[] = {{"an unknown kind", {u"--kind"_qs, u"slope"_qs}, u"--kind"},
        {"an unknown level", {u"--level"_qs, u"hard"_qs}, u"--level"},
        {"too many tasks", {u"--count"_qs, u"101"_qs}, u"--count"},
        {"a negative seed", {u"--seed"_qs, u"-1"_qs}, u"--seed"},
        {"a lesson besides", {u"lesson.zelmora"_qs}, u"--practice"},
        {"no versions", {u"--versions"_qs, u"0"_qs}, u"--versions"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const bool sheet = row.Arguments.contains(u"--versions"_qs);
        const Finished result = run(
            QStringList{sheet ? u"--practice-sheet"_qs : u"--practice"_qs, sheet ? u"out.pdf"_qs : u"out.zelmora"_qs}
            + row.Arguments);
        EXPECT_EQ(result.Status, 2);
        EXPECT_TRUE(result.Errors.contains(QString::fromUtf16(row.Says))) << result.Errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"out.zelmora"_qs)));

    // Two versions of eight tasks, four a page: each version's two pages of problems, then its key.
    const Finished sheets = run({u"--practice-sheet"_qs, u"sheets.pdf"_qs, u"--count"_qs, u"8"_qs, u"--seed"_qs,
        u"4721"_qs, u"--versions"_qs, u"2"_qs});
    EXPECT_EQ(sheets.Status, 0) << sheets.Errors.toStdString();
    QFile pdf(Folder.filePath(u"sheets.pdf"_qs));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    static const QRegularExpression page(u"/Type /Page\\b(?!s)"_qs);
    EXPECT_EQ(QString::fromLatin1(pdf.readAll()).count(page), 6);
}

// The help in the language the window would choose: --lang, else the kept choice.
TEST_F(CommandLineTest, HelpListsTheOptions)
{
    const struct {
        const char* Name;
        QStringList Arguments;
        std::optional<Language> Kept;
        bool English;
    } rows[] = {{"Japanese", {u"--help"_qs}, std::nullopt, false},
        {"--lang en", {u"--lang"_qs, u"en"_qs, u"--help"_qs}, std::nullopt, true},
        {"English kept", {u"--help"_qs}, Language::English, true},
        {"--lang ja over English kept", {u"--help"_qs, u"--lang=ja"_qs}, Language::English, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Settings::clear();
        if (row.Kept)
            Settings::setLanguage(*row.Kept);
        const Finished result = run(row.Arguments);
        EXPECT_EQ(result.Status, 0);
        EXPECT_TRUE(result.Output.contains(row.English ? u"  -h, --help              Print this help.\n"_qs
                                                       : u"  -h, --help              この説明を出す。\n"_qs))
            << result.Output.toStdString();
        for (const char* option : {"--export", "--problem", "--unit-mm", "--scale", "--bw", "--worksheet", "--paper",
                 "--landscape", "--per-page", "--answers", "--title", "--units", "--centre", "--margin", "--plain",
                 "--practice", "--kind", "--level", "--count", "--seed", "LESSON"})
            EXPECT_TRUE(result.Output.contains(QString::fromLatin1(option))) << option;
        if (row.English) {
            EXPECT_TRUE(
                std::all_of(result.Output.begin(), result.Output.end(), [](QChar c) { return c.unicode() < 128; }))
                << "English, in ASCII: " << result.Output.toStdString();
        }
    }
    Settings::clear();
}

} // namespace
} // namespace zelmora::testing
