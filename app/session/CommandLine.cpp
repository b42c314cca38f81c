// SPDX-License-Identifier: MIT
#include "app/session/CommandLine.h"

#include "app/session/LessonOpening.h"
#include "app/session/Startup.h"
#include "app/words/Messages.h"
#include "lesson/LessonFile.h"
#include "slots/SlotTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const QCommandLineOption exportOption(u"export"_s, {}, u"OUT"_s);
const QCommandLineOption problemOption(u"problem"_s, {});
const QCommandLineOption pointNamesOption(u"point-names"_s, {});
const QCommandLineOption unitOption(u"unit-mm"_s, {}, u"N"_s);
const QCommandLineOption scaleOption(u"scale"_s, {}, u"S"_s);
const QCommandLineOption blackOption(u"bw"_s, {});
const QCommandLineOption worksheetOption(u"worksheet"_s, {}, u"OUT"_s);
const QCommandLineOption paperOption(u"paper"_s, {}, u"PAPER"_s);
const QCommandLineOption landscapeOption(u"landscape"_s, {});
const QCommandLineOption perPageOption(u"per-page"_s, {}, u"N"_s);
const QCommandLineOption answersOption(u"answers"_s, {});
const QCommandLineOption titleOption(u"title"_s, {}, u"TEXT"_s);
const QCommandLineOption unitsOption(u"units"_s, {}, u"N"_s);
const QCommandLineOption centreOption(u"centre"_s, {}, u"AT"_s);
const QCommandLineOption marginOption(u"margin"_s, {}, u"MM"_s);
const QCommandLineOption plainOption(u"plain"_s, {});
const QCommandLineOption practiceOption(u"practice"_s, {}, u"OUT"_s);
const QCommandLineOption practiceSheetOption(u"practice-sheet"_s, {}, u"OUT"_s);
const QCommandLineOption versionsOption(u"versions"_s, {}, u"K"_s);
const QCommandLineOption kindOption(u"kind"_s, {}, u"KIND"_s);
const QCommandLineOption levelOption(u"level"_s, {}, u"LEVEL"_s);
const QCommandLineOption countOption(u"count"_s, {}, u"N"_s);
const QCommandLineOption seedOption(u"seed"_s, {}, u"S"_s);
const QCommandLineOption languageOption(u"lang"_s, {}, u"LANG"_s);
const QCommandLineOption helpOption(QStringList{u"h"_s, u"help"_s}, {});
const QCommandLineOption versionOption(u"version"_s, {});

struct Words {
    Q_DECLARE_TR_FUNCTIONS(zelmora::CommandLine)
};

// What the help says of each option, in the order it lists them; translated when the help is made,
// so that it is in the language the program runs in.
struct Described {
    const QCommandLineOption* Option;
    const char* Description;
};
const std::array described{
    Described{&exportOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "図を書き出して終わる（.png .svg .pdf）。")},
    Described{&problemOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "問題用：線のない座標平面。")},
    Described{&pointNamesOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "問題用の点は名前だけ（座標を書かない）。")},
    Described{&unitOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "1目盛りの長さ（mm、2〜20）。")},
    Described{&scaleOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "PNG の倍率：1、2、4。")},
    Described{&blackOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "白黒。")},
    Described{&worksheetOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "プリント（PDF）を書き出して終わる。")},
    Described{&paperOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "用紙：A4、B5、A3、Letter。")},
    Described{&landscapeOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "用紙を横に使う。")},
    Described{&perPageOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "1ページの図の数：1、2、4、6。")},
    Described{&answersOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "問題のあとに解答をつける。")},
    Described{&titleOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "題名（200字まで）。")},
    Described{&unitsOption,
        QT_TRANSLATE_NOOP("zelmora::CommandLine", "座標平面を −N〜N 目盛りにする（PDF とプリント、1〜50）。")},
    Described{
        &centreOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "中心：origin（原点）、lines（線のあるところ）。")},
    Described{&marginOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "プリントの余白（mm、5〜30）。")},
    Described{
        &plainOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "座標平面を白にする（カラーでもインクを減らす）。")},
    Described{
        &practiceOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "練習の問題の授業ファイルを書き出して終わる。")},
    Described{
        &practiceSheetOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "練習プリント（PDF）を書き出して終わる。")},
    Described{&versionsOption,
        QT_TRANSLATE_NOOP("zelmora::CommandLine", "練習プリントの種類の数：問題番号を一つずつ進める（1〜100）。")},
    Described{&kindOption,
        QT_TRANSLATE_NOOP("zelmora::CommandLine",
            "問題の種類：equation（式を求める）、graph（グラフをかく）、range（変域）、crossing（交点）、mixed。")},
    Described{&levelOption,
        QT_TRANSLATE_NOOP("zelmora::CommandLine", "数：integer（整数）、fraction（分数）、mixed（まぜる）。")},
    Described{&countOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "問題の数（1〜100、ふつうは10）。")},
    Described{&seedOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "問題番号：同じ番号から同じ問題ができる。")},
    Described{&languageOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "画面の言語：ja（日本語）、en（English）。")},
    Described{&helpOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "この説明を出す。")},
    Described{&versionOption, QT_TRANSLATE_NOOP("zelmora::CommandLine", "版を出す。")},
};

// The lines of a lesson as the warnings name them.
const std::array slotMarks{QT_TRANSLATE_NOOP("zelmora::CommandLine", "①"),
    QT_TRANSLATE_NOOP("zelmora::CommandLine", "②"), QT_TRANSLATE_NOOP("zelmora::CommandLine", "③"),
    QT_TRANSLATE_NOOP("zelmora::CommandLine", "④"), QT_TRANSLATE_NOOP("zelmora::CommandLine", "⑤"),
    QT_TRANSLATE_NOOP("zelmora::CommandLine", "⑥"), QT_TRANSLATE_NOOP("zelmora::CommandLine", "⑦"),
    QT_TRANSLATE_NOOP("zelmora::CommandLine", "⑧")};
static_assert(slotMarks.size() == SlotTable::UserSlots);

// What runs without a window, and so needs no display.
const std::array windowlessOptions{
    &exportOption, &worksheetOption, &practiceOption, &practiceSheetOption, &helpOption, &versionOption};

void configure(QCommandLineParser& parser)
{
    parser.setApplicationDescription(Words::tr("一次関数のグラフをかく。 Draws linear functions for pupils."));
    for (const auto& [option, description] : described) {
        QCommandLineOption shown = *option;
        shown.setDescription(Words::tr(description));
        parser.addOption(shown);
    }
    parser.addPositionalArgument(u"LESSON"_s, Words::tr("開く授業ファイル（.zelmora）。"), u"[LESSON]"_s);
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

// The paper, its orientation and the planes a page, of worksheets and practice sheets alike; what
// is wrong with them, if anything.
std::optional<QString> readPaper(const QCommandLineParser& parser, WorksheetSettings& sheet)
{
    if (parser.isSet(paperOption)) {
        const auto paper = paperNamed(parser.value(paperOption));
        if (!paper)
            return Words::tr("--paper は A4、B5、A3、Letter のどれかです。 (A4, B5, A3 or Letter)");
        sheet.PaperSize = *paper;
    }
    sheet.Landscape = parser.isSet(landscapeOption);
    sheet.PointNamesOnly = parser.isSet(pointNamesOption);
    if (parser.isSet(perPageOption)) {
        bool number = false;
        sheet.PerPage = parser.value(perPageOption).toInt(&number);
        if (!number || std::find(PlanesPerPage.begin(), PlanesPerPage.end(), sheet.PerPage) == PlanesPerPage.end())
            return Words::tr("--per-page は 1、2、4、6 のどれかです。 (1, 2, 4 or 6)");
    }
    return std::nullopt;
}

// The worksheet's own options, once --worksheet is known to be there.
CommandLine readWorksheet(const QCommandLineParser& parser, CommandLine command)
{
    command.Want = CommandLine::Mode::Worksheet;
    command.Output = parser.value(worksheetOption);
    command.Lessons = parser.positionalArguments();
    if (command.Lessons.isEmpty())
        return mistake(
            command, Words::tr("--worksheet には授業ファイルが要ります。 (--worksheet needs a lesson file)"));
    if (pictureFormatFor(command.Output) != PictureFormat::Pdf)
        return mistake(command, Words::tr("--worksheet は PDF に書き出します。 (--worksheet writes a .pdf file)"));
    WorksheetSettings& sheet = command.Sheet;
    if (const auto wrong = readPaper(parser, sheet))
        return mistake(command, *wrong);
    sheet.Kind = parser.isSet(answersOption) ? SheetKind::ProblemAndAnswer : SheetKind::Problem;
    if (parser.isSet(titleOption)) {
        sheet.Title = parser.value(titleOption);
        command.TitleGiven = true;
        if (sheet.Title.size() > MaxTitleLength)
            return mistake(command, Words::tr("--title は 200 字までです。 (200 characters at most)"));
    }
    if (parser.isSet(centreOption)) {
        const QString centre = parser.value(centreOption);
        if (centre != u"origin" && centre != u"lines")
            return mistake(command, Words::tr("--centre は origin か lines です。 (origin or lines)"));
        sheet.CentreOnLines = centre == u"lines";
    }
    if (parser.isSet(marginOption)) {
        bool number = false;
        sheet.MarginMillimetres = parser.value(marginOption).toDouble(&number);
        if (!number || sheet.MarginMillimetres < MinMarginMillimetres || sheet.MarginMillimetres > MaxMarginMillimetres)
            return mistake(command, Words::tr("--margin は 5 から 30 までの mm の数です。 (5 to 30 millimetres)"));
    }
    sheet.UnitMillimetres = command.Settings.UnitMillimetres;
    sheet.BlackAndWhite = command.Settings.BlackAndWhite;
    sheet.Plain = command.Settings.Plain;
    if (command.Settings.Units > 0)
        sheet.FitUnits = command.Settings.Units;
    return command;
}

// The practice options: the kind, the level, how many tasks and the seed.
CommandLine readPractice(const QCommandLineParser& parser, CommandLine command)
{
    PracticeSettings& practice = command.Practice;
    if (parser.isSet(kindOption) && parser.value(kindOption) != u"mixed") {
        practice.Kind = taskKindNamed(parser.value(kindOption).toStdString());
        if (!practice.Kind)
            return mistake(command, Words::tr("--kind は equation、graph、range、crossing、mixed のどれかです。"));
    }
    if (parser.isSet(levelOption)) {
        const auto level = taskLevelNamed(parser.value(levelOption).toStdString());
        if (!level)
            return mistake(command, Words::tr("--level は integer、fraction、mixed のどれかです。"));
        practice.Level = *level;
    }
    if (parser.isSet(countOption)) {
        bool number = false;
        practice.Count = parser.value(countOption).toInt(&number);
        if (!number || practice.Count < 1 || practice.Count > MaxTaskCount)
            return mistake(command, Words::tr("--count は 1 から 100 までの数です。 (1 to 100)"));
    }
    if (parser.isSet(seedOption)) {
        bool number = false;
        practice.Seed = parser.value(seedOption).toULongLong(&number);
        if (!number || practice.Seed > MaxSeed)
            return mistake(command, Words::tr("--seed は 0 から 2^53 までの整数です。 (a whole number, 0 to 2^53)"));
    } else {
        practice.Seed = QRandomGenerator::global()->bounded(quint64{1}, quint64{MaxDrawnSeed + 1});
    }
    return command;
}

// A lesson file opened on a board for a run without a window, or none when it cannot be: its fault
// or refusal is printed, and so is what the window would say of a lesson it opens, one line each
// (the lesson is still drawn).
std::optional<Lesson> openForRun(const QString& path, Board& board)
{
    const LessonOpening opening = openLessonFile(path, board);
    if (const auto* fault = std::get_if<LessonFault>(&opening)) {
        printLine(stderr, lessonFaultLine(path, *fault));
        return std::nullopt;
    }
    if (const auto* refusal = std::get_if<LessonRefusal>(&opening)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(path, messages::lessonRefusal(*refusal)));
        return std::nullopt;
    }
    const Lesson& lesson = std::get<LessonOpened>(opening).Read;
    for (const LessonNotice& notice : lessonNotices(lesson))
        printLine(stderr, u"zelmora: %1: %2"_s.arg(path, messages::notice(notice)));
    return lesson;
}

} // namespace

bool wantsNoWindow(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    configure(parser);
    // The arguments are not yet sorted from Qt's own (-platform NAME), which the parser does not
    // know: whatever else it finds wrong, it still finds the options it knows. A single dash names
    // them too ("-export"), as Qt's own options are named.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.parse(arguments);
    return std::any_of(windowlessOptions.begin(), windowlessOptions.end(),
        [&](const QCommandLineOption* option) { return parser.isSet(*option); });
}

Language commandLineLanguage(const QStringList& arguments)
{
    QCommandLineParser parser;
    configure(parser);
    // Whatever else the parser finds wrong, it still finds --lang.
    parser.parse(arguments);
    const QString asked = parser.value(languageOption);
    return chosenLanguage(asked == u"ja" || asked == u"en" ? asked : QString());
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
            return mistake(command, Words::tr("--lang は ja か en です。 (ja or en)"));
    }
    const QStringList lessons = parser.positionalArguments();
    command.Settings.BlackAndWhite = parser.isSet(blackOption);
    command.Settings.Plain = parser.isSet(plainOption);
    if (parser.isSet(unitsOption)) {
        bool number = false;
        command.Settings.Units = parser.value(unitsOption).toInt(&number);
        if (!number || command.Settings.Units < 1 || command.Settings.Units > MaxFitUnits)
            return mistake(command, Words::tr("--units は 1 から 50 までの整数です。 (a whole number from 1 to 50)"));
    }
    if (parser.isSet(unitOption)) {
        bool number = false;
        command.Settings.UnitMillimetres = parser.value(unitOption).toDouble(&number);
        if (!number || command.Settings.UnitMillimetres < MinUnitMillimetres
            || command.Settings.UnitMillimetres > MaxUnitMillimetres)
            return mistake(command, Words::tr("--unit-mm は 2 から 20 までの mm の数です。 (2 to 20 millimetres)"));
    }
    if (parser.isSet(practiceSheetOption)) {
        if (parser.isSet(exportOption) || parser.isSet(worksheetOption) || parser.isSet(practiceOption)
            || !lessons.isEmpty())
            return mistake(
                command, Words::tr("--practice-sheet は授業ファイルを読まず、ほかの書き出しと一緒に使えません。"));
        command.Want = CommandLine::Mode::PracticeSheet;
        command.Output = parser.value(practiceSheetOption);
        if (pictureFormatFor(command.Output) != PictureFormat::Pdf)
            return mistake(command, Words::tr("--practice-sheet は PDF に書き出します。 (a .pdf file)"));
        command.Sheet.PerPage = 4;
        if (const auto wrong = readPaper(parser, command.Sheet))
            return mistake(command, *wrong);
        command.Sheet.UnitMillimetres = command.Settings.UnitMillimetres;
        command.Sheet.BlackAndWhite = command.Settings.BlackAndWhite;
        if (parser.isSet(versionsOption)) {
            bool number = false;
            command.Versions = parser.value(versionsOption).toInt(&number);
            if (!number || command.Versions < 1 || command.Versions > MaxVersions)
                return mistake(command, Words::tr("--versions は 1 から 100 までの数です。 (1 to 100)"));
        }
        return readPractice(parser, command);
    }
    if (parser.isSet(practiceOption)) {
        if (parser.isSet(exportOption) || parser.isSet(worksheetOption) || !lessons.isEmpty())
            return mistake(command, Words::tr("--practice は授業ファイルを読まず、ほかの書き出しと一緒に使えません。"));
        command.Want = CommandLine::Mode::Practice;
        command.Output = parser.value(practiceOption);
        return readPractice(parser, command);
    }
    if (parser.isSet(worksheetOption)) {
        if (parser.isSet(exportOption))
            return mistake(
                command, Words::tr("--export と --worksheet は一緒に使えません。 (one of --export and --worksheet)"));
        return readWorksheet(parser, command);
    }
    if (lessons.size() > 1) {
        command.Want = CommandLine::Mode::Mistake;
        command.Mistake = Words::tr("授業ファイルは一つだけです。 (one lesson file at most)");
        return command;
    }
    command.Lesson = lessons.value(0);
    command.Settings.Problem = parser.isSet(problemOption);
    command.Settings.PointNamesOnly = parser.isSet(pointNamesOption);
    if (parser.isSet(scaleOption)) {
        command.Settings.PngScale = parser.value(scaleOption).toInt();
        if (command.Settings.PngScale != 1 && command.Settings.PngScale != 2 && command.Settings.PngScale != 4) {
            command.Want = CommandLine::Mode::Mistake;
            command.Mistake = Words::tr("--scale は 1、2、4 のどれかです。 (1, 2 or 4)");
            return command;
        }
    }
    if (parser.isSet(exportOption)) {
        command.Want = CommandLine::Mode::Export;
        command.Output = parser.value(exportOption);
        if (command.Lesson.isEmpty()) {
            command.Want = CommandLine::Mode::Mistake;
            command.Mistake = Words::tr("--export には授業ファイルが要ります。 (--export needs a lesson file)");
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
    return help + u'\n'
        + Words::tr(
            "例 (examples):\n"
            "  zelmora --export 問題.pdf --problem --unit-mm 10 授業.zelmora\n"
            "  zelmora --worksheet プリント.pdf --per-page 4 --answers --title 一次関数 授業1.zelmora 授業2.zelmora\n"
            "  zelmora --worksheet プリント.pdf --centre lines --unit-mm 5 授業.zelmora\n"
            "  zelmora --practice 練習.zelmora --kind equation --level fraction --count 10 --seed 4721\n"
            "  zelmora --practice-sheet 練習.pdf --kind mixed --count 8 --seed 4721 --versions 30\n");
}

int runPractice(const CommandLine& command)
{
    Lesson lesson;
    // The smallest plane has the largest squares, and shows every task whole.
    lesson.Size = 0;
    lesson.Practice = {makeTasks(command.Practice), command.Practice.Seed};
    if (const auto fault = saveLessonFile(command.Output, lesson)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::lessonFault(*fault)));
        return 1;
    }
    return 0;
}

int runPracticeSheet(const CommandLine& command)
{
    if (const auto fault = writePracticeSheet(command.Output, {command.Sheet, command.Practice, command.Versions})) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::outputFault(*fault)));
        return 1;
    }
    return 0;
}

int runWorksheet(const CommandLine& command)
{
    std::vector<Board> boards(std::size_t(command.Lessons.size()));
    QString title;
    for (qsizetype i = 0; i < command.Lessons.size(); ++i) {
        const auto lesson = openForRun(command.Lessons[i], boards[std::size_t(i)]);
        if (!lesson)
            return 1;
        if (title.isEmpty())
            title = QString::fromStdString(lesson->Title);
    }
    WorksheetSettings sheet = command.Sheet;
    if (!command.TitleGiven)
        sheet.Title = title;
    const std::vector<SheetPlane> planes = sheetPlanes(boards, sheet.Kind);
    if (const auto fault = worksheetFault(planes, sheet)) {
        printLine(stderr,
            u"zelmora: "_s
                + (*fault == SheetFault::TitleTooLong
                        ? Words::tr("題名が長すぎて用紙に入りません。 (the title is too long for the paper)")
                        : Words::tr("この1目盛りの長さでは座標平面が用紙に入りません。 (the planes do not fit the "
                                    "paper at this scale)")));
        return 2;
    }
    if (const auto off = linesOffPlanes(planes, sheet); !off.empty()) {
        QStringList lines;
        for (const LineOffPlane& line : off)
            lines.push_back(u"(%1) %2"_s.arg(line.Plane).arg(Words::tr(slotMarks.at(std::size_t(line.Slot)))));
        printLine(stderr,
            u"zelmora: "_s
                + Words::tr("座標平面の外にある線: %1（--centre lines で線のあるところを中心にできます） (lines off "
                            "their planes)")
                      .arg(lines.join(Words::tr("、", "between the lines off their planes"))));
    }
    if (const auto fault = writeWorksheet(command.Output, planes, sheet)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::outputFault(*fault)));
        return 1;
    }
    return 0;
}

int runExport(const CommandLine& command)
{
    Board board;
    if (!openForRun(command.Lesson, board))
        return 1;
    if (const auto fault = writePicture(command.Output, board, command.Settings)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::outputFault(*fault)));
        return 1;
    }
    return 0;
}

} // namespace zelmora
