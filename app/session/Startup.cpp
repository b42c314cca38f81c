// SPDX-License-Identifier: MIT
#include "app/session/Startup.h"

#include "app/access/Accessibility.h"
#include "app/session/Settings.h"
#include "app/words/Look.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

namespace zelmora {

bool hasPlatformArgument(int argc, const char* const* argv)
{
    // Qt takes -platform and --platform, as a separate argument or joined with "=".
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        for (const QByteArrayView option : {QByteArrayView("-platform"), QByteArrayView("--platform")}) {
            if (argument == option || argument.startsWith(QByteArray(option.toByteArray() + '=')))
                return true;
        }
    }
    return false;
}

bool hasDisplay(int argc, const char* const* argv)
{
#ifdef Q_OS_LINUX
    return hasPlatformArgument(argc, argv) || qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    // Elsewhere the desktop is always there, and Qt says so itself if it is not.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

QString noDisplayMessage(const QString& program)
{
    return QStringLiteral("%1: ディスプレイが見つかりません。デスクトップで起動してください。\n"
                          "%1: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                          "To run it without a desktop, start it under a virtual display:\n"
                          "    xvfb-run -s '-screen 0 1280x1024x24' %1\n")
        .arg(program);
}

void prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
}

void installFontSubstitution()
{
    if (!QFontDatabase::hasFamily(look::Face))
        QFont::insertSubstitution(look::Face, QStringLiteral("IPAPGothic"));
}

namespace {

// The icon from the renderings built into the program, one per size. They are read as PNG alone:
// left to guess, Qt would load every image plugin to ask whether it knows the files.
QIcon applicationIcon()
{
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        QImageReader reader(file.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

// Gives the application its icon once the first window is on screen. No window needs the icon
// to appear, and reading it and handing it to the window system earlier, even from the event
// loop's first turn, would delay the window itself.
class IconOnFirstExpose : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QApplication::setWindowIcon(applicationIcon());
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void installIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Zelmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Zelmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZELMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zelmora.Zelmora"));
}

void installWindowIcon()
{
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new IconOnFirstExpose(app));
}

Language chosenLanguage(const QString& commandLineLanguage)
{
    if (commandLineLanguage.isEmpty())
        return Settings::language();
    return commandLineLanguage == QLatin1StringView("en") ? Language::English : Language::Japanese;
}

QString englishCatalogue()
{
    return QStringLiteral(":/i18n/zelmora_en.qm");
}

void installCatalogue(Language language)
{
    if (language != Language::English)
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(englishCatalogue()))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void installQtTranslations(Language language)
{
    if (language != Language::Japanese)
        return;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

void installStyle()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void installWindowedApplication(Language language)
{
    installStyle();
    installFontSubstitution();
    installIdentity();
    installQtTranslations(language);
    installWindowIcon();
    installAccessibility();
}

} // namespace zelmora
