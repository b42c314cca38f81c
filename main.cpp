#include "app/Form1.h"
#include "app/Startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!zelmora::hasDisplay()) {
        std::fputs(zelmora::noDisplayMessage(QStringLiteral("zelmora")).toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zelmora.Zelmora"));
    zelmora::installStyle();
    zelmora::installFontSubstitution();

    zelmora::Form1 window;
    window.show();
    return QApplication::exec();
}
