// SPDX-License-Identifier: MIT
// The program from the command line: --export writes each format and --worksheet its pages without
// a window or display, and a bad lesson, an unwritable path or a wrong argument ends with a
// one-line message and a non-zero status.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        {"unknown option", {u"--export"_qs, u"out.png"_qs, u"--colour"_qs, u"lesson.zelmora"_qs}, 2, u"colour"}};
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

    const Finished noLesson = run({u"--worksheet"_qs, u"out.pdf"_qs});
    EXPECT_EQ(noLesson.Status, 2);
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"out.pdf"_qs)));
    EXPECT_FALSE(QFile::exists(Folder.filePath(u"out.png"_qs)));
}

TEST_F(CommandLineTest, HelpListsTheOptions)
{
    const Finished result = run({u"--help"_qs});
    EXPECT_EQ(result.Status, 0);
    for (const char* option : {"--export", "--problem", "--unit-mm", "--scale", "--bw", "--worksheet", "--paper",
             "--landscape", "--per-page", "--answers", "--title", "LESSON"})
        EXPECT_TRUE(result.Output.contains(QString::fromLatin1(option))) << option;
}

} // namespace
} // namespace zelmora::testing
