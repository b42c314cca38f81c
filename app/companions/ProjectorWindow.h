// SPDX-License-Identifier: MIT
#pragma once

#include "app/companions/CompanionWindow.h"

#include <QSize>

#include <memory>

class QScreen;

namespace zelmora {

class Board;
class PainterSurface;

// The picture alone, full-screen, for a classroom projector: drawn by the renderer at the screen's
// height (lines and texts scaled with it, never a bitmap blown up), centred, and following the
// board live. Esc or F5 closes it.
class ProjectorWindow : public CompanionWindow {
    Q_OBJECT

public:
    ProjectorWindow(const Board& board, QWidget* mainWindow);
    ~ProjectorWindow() override;

    // The screen it shows on: another screen than the main window's when there is one, as a
    // projector beside a laptop is.
    static QScreen* chooseScreen(const QWidget* mainWindow);
    void showBoard(const Board& board) override;

protected:
    // F5, which opened it, closes it too.
    bool closesOn(const QKeyEvent& event) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    const Board& State;
    // Kept from one paint to the next while the window keeps its size, with the texts and halos
    // it has laid out: a picture of many labels would otherwise make them all anew every time.
    std::unique_ptr<PainterSurface> Surface;
    QSize SurfaceSize;
};

} // namespace zelmora
