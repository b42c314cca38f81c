// SPDX-License-Identifier: MIT
// Runs the tests of pictures, worksheets and practice sheets in files without a window, as the
// program writes them from the command line: on Qt's offscreen platform, with the font metrics of
// 96 dots per inch and the plane's face standing in as the program has it.
#include "plane/PainterSurface.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication application(argc, argv);
    if (!QFontDatabase::hasFamily(zelmora::PlaneFace))
        QFont::insertSubstitution(zelmora::PlaneFace, QStringLiteral("IPAPGothic"));
    return RUN_ALL_TESTS();
}
