// SPDX-License-Identifier: MIT
// The frame time of 動かして調べる on a real display: the program's main window with eight lines,
// every mark on and the table of values open, and the slider of a dragged through 200 steps. Each
// step is timed from the slider's new value until the main window and the table have repainted
// and the X server has taken the frame. Prints the median and the slowest step; run it under Xvfb:
//   xvfb-run -s '-screen 0 1280x1024x24' build/bench/zelmora_dragframes

#include "app/form/Form1.h"
#include "app/main/MainWindow.h"
#include "app/session/Startup.h"
#include "board/Board.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    // Settings of its own: the marks switched on here are not the user's.
    const QTemporaryDir settings;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(name, settings.filePath(QString::fromLatin1(name)).toLocal8Bit());
    zelmora::prepareApplication();
    QApplication application(argc, argv);
    zelmora::installStyle();
    zelmora::installFontSubstitution();
    zelmora::installIdentity();

    zelmora::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const zelmora::EntryTexts lines[]
        = {{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"}, {"-1", "0", "-10", "10"},
            {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"}, {"5/2", "-1/3", "-4", "4"}};
    for (const auto& texts : lines)
        window.form()->perform([&texts](zelmora::Board& board) { return board.draw(texts); });
    window.form()->perform([](zelmora::Board& board) { return board.selectSlot(0); });
    for (const char* name :
        {"ShowNumbers", "ShowEquations", "ShowIntersections", "ShowEndpoints", "ShowSlope", "ValueTable", "Explore"})
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    auto* slider = window.findChild<QSlider*>(QStringLiteral("ExploreSliderA"));
    if (slider == nullptr)
        return 1;
    QTest::qWait(500);

    std::vector<double> frames;
    slider->setSliderDown(true);
    int position = slider->value();
    int direction = 1;
    for (int step = 0; step < 200; ++step) {
        if (position + direction > slider->maximum() || position + direction < slider->minimum())
            direction = -direction;
        position += direction;
        QElapsedTimer timer;
        timer.start();
        slider->setValue(position);
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible())
                shown->repaint();
        }
        QApplication::sync();
        frames.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    slider->setSliderDown(false);

    std::sort(frames.begin(), frames.end());
    std::printf(
        "slider steps %zu: median %.2f ms, 90th percentile %.2f ms, slowest %.2f ms (a frame at 60 Hz: 16.7 ms)\n",
        frames.size(), frames[frames.size() / 2], frames[frames.size() * 9 / 10], frames.back());
    return 0;
}
