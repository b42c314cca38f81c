// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/Messages.h"
#include "lesson/LessonFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const QCommandLineOption exportOption(u"export"_s, u"図を書き出して終わる（.png .svg .pdf）。"_s, u"OUT"_s);
const QCommandLineOption problemOption(u"problem"_s, u"問題用：線のない座標平面。"_s);
const QCommandLineOption unitOption(u"unit-mm"_s, u"1目盛りの長さ（mm）。"_s, u"N"_s);
const QCommandLineOption scaleOption(u"scale"_s, u"PNG の倍率：1、2、4。"_s, u"S"_s);
const QCommandLineOption helpOption(QStringList{u"h"_s, u"help"_s}, u"この説明を出す。"_s);
const QCommandLineOption versionOption(u"version"_s, u"版を出す。"_s);

void configure(QCommandLineParser& parser)
{
    parser.setApplicationDescription(u"一次関数のグラフをかく。 Draws linear functions for pupils."_s);
    parser.addOptions({exportOption, problemOption, unitOption, scaleOption, helpOption, versionOption});
    parser.addPositionalArgument(u"LESSON"_s, u"開く授業ファイル（.zelmora）。"_s, u"[LESSON]"_s);
}

void printLine(std::FILE* stream, const QString& text)
{
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
}

} // namespace

bool wantsNoWindow(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--export", "-export", "--help", "-help", "-h", "--version", "-version"}) {
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
    const QStringList lessons = parser.positionalArguments();
    if (lessons.size() > 1) {
        command.Want = CommandLine::Mode::Mistake;
        command.Mistake = u"授業ファイルは一つだけです。 (one lesson file at most)"_s;
        return command;
    }
    command.Lesson = lessons.value(0);
    command.Settings.Problem = parser.isSet(problemOption);
    if (parser.isSet(unitOption)) {
        bool number = false;
        command.Settings.UnitMillimetres = parser.value(unitOption).toDouble(&number);
        if (!number || command.Settings.UnitMillimetres <= 0 || command.Settings.UnitMillimetres > 1000) {
            command.Want = CommandLine::Mode::Mistake;
            command.Mistake = u"--unit-mm は 0 より大きい mm の数です。 (a length in millimetres)"_s;
            return command;
        }
    }
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
    return help + u"\n例 (example):\n  zelmora --export 問題.pdf --problem --unit-mm 10 授業.zelmora\n"_s;
}

int runExport(const CommandLine& command)
{
    const auto loaded = loadLessonFile(command.Lesson);
    if (const auto* fault = std::get_if<LessonFault>(&loaded)) {
        // FILE:LINE:COL, as editors and compilers write a place in a text.
        const QString where
            = fault->Line > 0 ? u"%1:%2:%3"_s.arg(command.Lesson).arg(fault->Line).arg(fault->Column) : command.Lesson;
        printLine(stderr, u"zelmora: %1: %2"_s.arg(where, messages::lessonFault(*fault)));
        return 1;
    }
    Board board;
    const auto opened = board.open(std::get<Lesson>(loaded));
    if (const auto* refusal = std::get_if<LessonRefusal>(&opened)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Lesson, messages::lessonRefusal(*refusal)));
        return 1;
    }
    if (const auto fault = writePicture(command.Output, board, command.Settings)) {
        printLine(stderr, u"zelmora: %1: %2"_s.arg(command.Output, messages::outputFault(*fault)));
        return 1;
    }
    return 0;
}

} // namespace zelmora
