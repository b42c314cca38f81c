#include "app/Startup.h"

#include "app/Look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace zelmora {

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString noDisplayMessage(const QString& program)
{
    return QStringLiteral("%1: ディスプレイが見つかりません。デスクトップで起動してください。\n"
                          "%1: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                          "To run it without a desktop, start it under a virtual display:\n"
                          "    xvfb-run -s '-screen 0 1280x1024x24' %1\n")
        .arg(program);
}

void installFontSubstitution()
{
    if (!QFontDatabase::hasFamily(look::Face))
        QFont::insertSubstitution(look::Face, QStringLiteral("IPAPGothic"));
}

void installStyle()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace zelmora
