// SPDX-License-Identifier: MIT
// Runs the window tests on Qt's offscreen platform at a scale factor of 1, with the same style
// and fonts as the program, so that pixel positions are exact.
#include "app/session/Startup.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_FONT_DPI");
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    // A desktop set to another logical DPI without Qt's scaling, as some are.
    if (const QByteArray dpi = qgetenv("ZELMORA_TEST_FONT_DPI"); !dpi.isEmpty()) {
        qputenv("QT_FONT_DPI", dpi);
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    }

    ::testing::InitGoogleTest(&argc, argv);
    zelmora::prepareApplication();
    QApplication application(argc, argv);
    zelmora::installWindowedApplication(zelmora::Language::Japanese);
    // Settings such as the recent files, and the boards kept for the next run, go to a folder of
    // this run's own, never the user's, and start empty. ctest runs several test processes at once;
    // a folder shared between them let one clear the recent files while another counted them. The
    // programs the tests start inherit the folder.
    const QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid())
        return 1;
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(name, settingsFolder.filePath(QString::fromLatin1(name)).toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    QSettings().clear();
    return RUN_ALL_TESTS();
}
