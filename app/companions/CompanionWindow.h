// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <optional>

namespace zelmora {

class Board;

// Where the frame of a window beside the main one goes, in screen pixels: beside the main window's
// frame on the right where the screen has room, else on its left, else below it, narrowed or
// shortened down to the least size; none when there is no such place. It never covers the main window.
std::optional<QRect> besideMainWindow(const QRect& mainFrame, const QRect& screen, QSize wanted, QSize least);

// A window of its own beside the main one, not modal, opened and closed from the main window's
// menu: Esc closes it, and it follows the board where it shows the board's line.
class CompanionWindow : public QWidget {
    Q_OBJECT

public:
    explicit CompanionWindow(QWidget* mainWindow, Qt::WindowFlags flags = Qt::Window);

    // Follows the board after every command; a window with nothing of the board's leaves it.
    virtual void showBoard(const Board& board);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The keys that close the window: Esc.
    virtual bool closesOn(const QKeyEvent& event) const;
    // Moves the window beside the main window at the size it has (its hint at least), or into the
    // screen's lower right corner when there is no room beside it.
    void placeBeside();
};

} // namespace zelmora
