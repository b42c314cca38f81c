// SPDX-License-Identifier: MIT
#include "app/Form1.h"
#include "app/Startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!zelmora::hasDisplay(argc, argv)) {
        std::fputs(zelmora::noDisplayMessage(QStringLiteral("zelmora")).toLocal8Bit().constData(), stderr);
        return 1;
    }
    zelmora::prepareApplication();
    QApplication application(argc, argv);
    zelmora::installStyle();
    zelmora::installFontSubstitution();
    zelmora::installIdentity();

    zelmora::Form1 window;
    window.show();
    return QApplication::exec();
}
