// SPDX-License-Identifier: MIT
// Runs the benchmarks inside a QGuiApplication on the offscreen platform, which text drawing
// needs, with the window's font substitution in place so that the plane's numbers are drawn in
// the same face as in the program.

#include "BenchSupport.h"

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QtGlobal>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    benchmark::Initialize(&argc, argv);
    QGuiApplication application(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QFont::insertSubstitution(zelmora::PlaneFace, QStringLiteral("IPAPGothic"));
    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
    benchmark::AddCustomContext("plane_font", QFontInfo(zelmora::bench::planeFont()).family().toStdString());

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
