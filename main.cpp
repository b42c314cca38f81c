// SPDX-License-Identifier: MIT
#include "app/main/MainWindow.h"
#include "app/session/CommandLine.h"
#include "app/session/Startup.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Export, worksheets, help and version need no display: they run on Qt's offscreen platform unless another
// was named.
int runWithoutWindow(int argc, char* argv[])
{
    if (!zelmora::hasPlatformArgument(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    zelmora::prepareApplication();
    QGuiApplication application(argc, argv);
    zelmora::installIdentity();
    zelmora::installFontSubstitution();
    // The help, the mistakes, sheets, pictures and messages in the language the program runs in:
    // English from the catalogue, Japanese as written.
    const QStringList arguments = QGuiApplication::arguments();
    zelmora::installCatalogue(zelmora::commandLineLanguage(arguments));
    const zelmora::CommandLine command = zelmora::readCommandLine(arguments);
    switch (command.Want) {
    case zelmora::CommandLine::Mode::Help:
        print(stdout, zelmora::commandLineHelp());
        return 0;
    case zelmora::CommandLine::Mode::Version:
        print(stdout, QStringLiteral("zelmora %1\n").arg(QGuiApplication::applicationVersion()));
        return 0;
    case zelmora::CommandLine::Mode::Export:
        return zelmora::runExport(command);
    case zelmora::CommandLine::Mode::Worksheet:
        return zelmora::runWorksheet(command);
    case zelmora::CommandLine::Mode::Practice:
        return zelmora::runPractice(command);
    case zelmora::CommandLine::Mode::PracticeSheet:
        return zelmora::runPracticeSheet(command);
    case zelmora::CommandLine::Mode::Mistake:
    case zelmora::CommandLine::Mode::Window:
        break;
    }
    print(stderr, QStringLiteral("zelmora: %1\n").arg(command.Mistake));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (zelmora::wantsNoWindow(argc, argv))
        return runWithoutWindow(argc, argv);
    if (!zelmora::hasDisplay(argc, argv)) {
        print(stderr, zelmora::noDisplayMessage(QStringLiteral("zelmora")));
        return 1;
    }
    zelmora::prepareApplication();
    QApplication application(argc, argv);
    // The language is chosen before the arguments are read and before any window exists, so that
    // a mistake and every word of the window are made in it; the settings it is kept in need the
    // program's name first.
    zelmora::installIdentity();
    const QStringList arguments = QApplication::arguments();
    const zelmora::Language language = zelmora::commandLineLanguage(arguments);
    zelmora::installCatalogue(language);
    const zelmora::CommandLine command = zelmora::readCommandLine(arguments);
    if (command.Want == zelmora::CommandLine::Mode::Mistake) {
        print(stderr, QStringLiteral("zelmora: %1\n").arg(command.Mistake));
        return 2;
    }
    zelmora::installWindowedApplication(language);
    zelmora::MainWindow window;
    // Shown first, so that a lesson that cannot be opened is told over the window.
    window.show();
    if (!command.Lesson.isEmpty())
        window.openFile(command.Lesson);
    return QApplication::exec();
}
