// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QScreen;

namespace zelmora {

class Board;

// The picture alone, full-screen, for a classroom projector: drawn by the renderer at the screen's
// height (lines and texts scaled with it, never a bitmap blown up), centred, and following the
// board live. Esc or F5 closes it.
class ProjectorWindow : public QWidget {
    Q_OBJECT

public:
    ProjectorWindow(const Board& board, QWidget* mainWindow);

    // The screen it shows on: another screen than the main window's when there is one, as a
    // projector beside a laptop is.
    static QScreen* chooseScreen(const QWidget* mainWindow);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const Board& State;
};

} // namespace zelmora
