// SPDX-License-Identifier: MIT
// Runs the window tests on Qt's offscreen platform at a scale factor of 1, with the same style
// and fonts as the program, so that pixel positions are exact.
#include "app/Accessibility.h"
#include "app/Startup.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

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
    zelmora::installStyle();
    zelmora::installFontSubstitution();
    zelmora::installIdentity();
    zelmora::installTranslations();
    zelmora::installWindowIcon();
    zelmora::installAccessibility();
    // Settings such as the recent files go to a test folder, never the user's, and start empty.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    return RUN_ALL_TESTS();
}
