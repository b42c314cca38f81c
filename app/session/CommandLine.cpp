// SPDX-License-Identifier: MIT
#include "app/session/CommandLine.h"

#include "app/words/Messages.h"
#include "lesson/LessonFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const QCommandLineOption exportOption(u"export"_s, u"図を書き出して終わる（.png .svg .pdf）。"_s, u"OUT"_s);
const QCommandLineOption problemOption(u"problem"_s, u"問題用：線のない座標平面。"_s);
const QCommandLineOption unitOption(u"unit-mm"_s, u"1目盛りの長さ（mm、2〜20）。"_s, u"N"_s);
const QCommandLineOption scaleOption(u"scale"_s, u"PNG の倍率：1、2、4。"_s, u"S"_s);
const QCommandLineOption blackOption(u"bw"_s, u"白黒。"_s);
const QCommandLineOption worksheetOption(u"worksheet"_s, u"プリント（PDF）を書き出して終わる。"_s, u"OUT"_s);
const QCommandLineOption paperOption(u"paper"_s, u"用紙：A4、B5、A3、Letter。"_s, u"PAPER"_s);
const QCommandLineOption landscapeOption(u"landscape"_s, u"用紙を横に使う。"_s);
const QCommandLineOption perPageOption(u"per-page"_s, u"1ページの図の数：1、2、4、6。"_s, u"N"_s);
const QCommandLineOption answersOption(u"answers"_s, u"問題のあとに解答をつける。"_s);
const QCommandLineOption titleOption(u"title"_s, u"題名（200字まで）。"_s, u"TEXT"_s);
const QCommandLineOption languageOption(u"lang"_s, u"画面の言語：ja（日本語）、en（English）。"_s, u"LANG"_s);
const QCommandLineOption helpOption(QStringList{u"h"_s, u"help"_s}, u"この説明を出す。"_s);
const QCommandLineOption versionOption(u"version"_s, u"版を出す。"_s);

void configure(QCommandLineParser& parser)
{
    parser.setApplicationDescription(u"一次関数のグラフをかく。 Draws linear functions for pupils."_s);
    parser.addOptions({exportOption, problemOption, unitOption, scaleOption, blackOption, worksheetOption, paperOption,
        landscapeOption, perPageOption, answersOption, titleOption, languageOption, helpOption, versionOption});
    parser.addPositionalArgument(u"LESSON"_s, u"開く授業ファイル（.zelmora）。"_s, u"[LESSON]"_s);
}

void printLine(std::FILE* stream, const QString& text)
{
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
}

// Why a lesson file was not read, as one line. A syntax error starts with FILE:LINE:COL, the way
// compilers write a place in a text, so that an editor can jump there; anything else names the
// program first.
QString lessonFaultLine(const QString& path, const LessonFault& fault)
{
    if (fault.Line > 0)
        return u"%1:%2:%3: %4"_s.arg(path).arg(fault.Line).arg(fault.Column).arg(messages::lessonFault(fault));
    return u"zelmora: %1: %2"_s.arg(path, messages::lessonFault(fault));
}

CommandLine mistake(CommandLine command, const QString& why)
{
    command.Want = CommandLine::Mode::Mistake;
    command.Mistake = why;
    return command;
}

// The worksheet's own options, once --worksheet is known to be there.
CommandLine readWorksheet(const QCommandLineParser& parser, CommandLine command)
{
    command.Want = CommandLine::Mode::Worksheet;
    command.Output = parser.value(worksheetOption);
    command.Lessons = parser.positionalArguments();
    if (command.Lessons.isEmpty())
        return mistake(command, u"--worksheet には授業ファイルが要ります。 (--worksheet needs a lesson file)"_s);
    if (pictureFormatFor(command.Output) != PictureFormat::Pdf)
        return mistake(command, u"--worksheet は PDF に書き出します。 (--worksheet writes a .pdf file)"_s);
    WorksheetSettings& sheet = command.Sheet;
    if (parser.isSet(paperOption)) {
        const auto paper = paperNamed(parser.value(paperOption));
        if (!paper)
            return mistake(command, u"--paper は A4、B5、A3、Letter のどれかです。 (A4, B5, A3 or Letter)"_s);
        sheet.PaperSize = *paper;
    }
    sheet.Landscape = parser.isSet(landscapeOption);
    if (parser.isSet(perPageOption)) {
        bool number = false;
        sheet.PerPage = parser.value(perPageOption).toInt(&number);
        if (!number || std::find(PlanesPerPage.begin(), PlanesPerPage.end(), sheet.PerPage) == PlanesPerPage.end())
            return mistake(command, u"--per-page は 1、2、4、6 のどれかです。 (1, 2, 4 or 6)"_s);
    }
    sheet.Kind = parser.isSet(answersOption) ? SheetKind::ProblemAndAnswer : SheetKind::Problem;
    if (parser.isSet(titleOption)) {
        sheet.Title = parser.value(titleOption);
        command.TitleGiven = true;
        if (sheet.Title.size() > MaxTitleLength)
            return mistake(command, u"--title は 200 字までです。 (200 characters at most)"_s);
    }
    sheet.UnitMillimetres = command.Settings.UnitMillimetres;
    sheet.BlackAndWhite = command.Settings.BlackAndWhite;
    return command;
}

// What the window would say of a lesson it opens, one line each; the lesson is still drawn.
void printNotices(const QString& path, const Lesson& lesson)
{
    for (const LessonNotice& notice : lessonNotices(lesson))
        printLine(stderr, u"zelmora: %1: %2"_s.arg(path, messages::notice(notice)));
}

} // namespace

bool wantsNoWindow(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option :
            {"--export", "-export", "--worksheet", "-worksheet", "--help", "-help", "-h", "--version", "-version"}) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    }
    return false;
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    configure(parser);
    CommandLine command;
    if (!parser.parse(arguments)) {
        command.Want = CommandLine::Mode::Mistake;
        command.Mistake = parser.errorText();
        return command;
    }
    if (parser.isSet(helpOption)) {
        command.Want = CommandLine::Mode::Help;
        return command;
    }
    if (parser.isSet(versionOption)) {
        command.Want = CommandLine::Mode::Version;
        return command;
    }
    if (parser.isSet(languageOption)) {
        command.Language = parser.value(languageOption);
        if (command.Language != u"ja" && command.Language != u"en")
            return mistake(command, u"--lang は ja か en です。 (ja or en)"_s);
    }
    const QStringList lessons = parser.positionalArguments();
    command.Settings.BlackAndWhite = parser.isSet(blackOption);
    if (parser.isSet(unitOption)) {
        bool number = false;
        command.Settings.UnitMillimetres = parser.value(unitOption).toDouble(&number);
        if (!number || command.Settings.UnitMillimetres < MinUnitMillimetres
            || command.Settings.UnitMillimetres > MaxUnitMillimetres)
            return mistake(command, u"--unit-mm は 2 から 20 までの mm の数です。 (2 to 20 millimetres)"_s);
    }
    if (parser.isSet(worksheetOption)) {
        if (parser.isSet(exportOption))
            return mistake(
                command, u"--export と --worksheet は一緒に使えません。 (one of --export and --worksheet)"_s);
        return readWorksheet(parser, command);
    }
    if (lessons.size() > 1) {
        command.Want = CommandLine::Mode::Mistake;
        command.Mistake = u"授業ファイルは一つだけです。 (one lesson file at most)"_s;
        return command;
    }
    command.Lesson = lessons.value(0);
    command.Settings.Problem = parser.isSet(problemOption);
    if (parser.isSet(scaleOption)) {
        command.Settings.PngScale = parser.value(scaleOption).toInt();
        if (command.Settings.PngScale != 1 && command.Settings.PngScale != 2 && command.Settings.PngScale != 4) {
            command.Want = CommandLine::Mode::Mistake;
            command.Mistake = u"--scale は 1、2、4 のどれかです。 (1, 2 or 4)"_s;
            return command;
        }
    }
    if (parser.isSet(exportOption)) {
        command.Want = CommandLine::Mode::Export;
        command.Output = parser.value(exportOption);
        if (command.Lesson.isEmpty()) {
            command.Want = CommandLine::Mode::Mistake;
            command.Mistake = u"--export には授業ファイルが要ります。 (--export needs a lesson file)"_s;
        } else if (!pictureFormatFor(command.Output)) {
            command.Want = CommandLine::Mode::Mistake;
            command.Mistake = messages::outputFault(OutputFault::UnknownFormat);
        }
    }
    return command;
}

QString commandLineHelp()
{
    QCommandLineParser parser;
    configure(parser);
    // The first line names the program as it was started; the guide names it as it is installed.
    QString help = parser.helpText();
    help.replace(0, help.indexOf(u'\n'), u"Usage: zelmora [options] [LESSON]"_s);
    return help
        + u"\n例 (examples):\n  zelmora --export 問題.pdf --problem --unit-mm 10 授業.zelmora\n"
          "  zelmora --worksheet プリント.pdf --per-page 4 --answers --title 一次関数 授業1.zelmora 授業2.zelmora\n"_s;
}

int runWorksheet(const CommandLine& command)
{
    std::vector<Board> boards(std::size_t(command.Lessons.size()));
    QString title;
    for (qsizetype i = 0; i < command.Lessons.size(); ++i) {
        const QString& path = command.Lessons[i];
        const auto loaded = loadLessonFile(path);
        if (const auto* fault = std::get_if<LessonFault>(&loaded)) {
            printLine(stderr, lessonFaultLine(path, *fault));
            return 1;
        }
        const Lesson& lesson = std::get<Lesson>(loaded);
        const auto opened = boards[std::size_t(i)].open(lesson);
        if (const auto* refusal = std::get_if<LessonRefusal>(&opened)) {
            printLine(stderr, u"zelmora: %1: %2"_s.arg(path, messages::lessonRefusal(*refusal)));
            return 1;
        }
        printNotices(path, lesson);
        if (title.isEmpty())
            title = QString::fromStdString(lesson.Title);
    }
    WorksheetSettings sheet = command.Sheet;
    if (!command.TitleGiven)
        sheet.Title = title;
    const std::vector<SheetPlane> planes = sheetPlanes(boards, sheet.Kind);
    if (!worksheetFits(planes, sheet)) {
        printLine(stderr,
            u"zelmora: この1目盛りの長さでは座標平面が用紙に入りません。 (the planes do not fit the paper at this scale)"_s);
        return 2;
    }
    if (const auto fault = writeWorksheet(command.Output, planes, sheet)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::outputFault(*fault)));
        return 1;
    }
    return 0;
}

int runExport(const CommandLine& command)
{
    const auto loaded = loadLessonFile(command.Lesson);
    if (const auto* fault = std::get_if<LessonFault>(&loaded)) {
        printLine(stderr, lessonFaultLine(command.Lesson, *fault));
        return 1;
    }
    Board board;
    const auto opened = board.open(std::get<Lesson>(loaded));
    if (const auto* refusal = std::get_if<LessonRefusal>(&opened)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Lesson, messages::lessonRefusal(*refusal)));
        return 1;
    }
    printNotices(command.Lesson, std::get<Lesson>(loaded));
    if (const auto fault = writePicture(command.Output, board, command.Settings)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::outputFault(*fault)));
        return 1;
    }
    return 0;
}

} // namespace zelmora
