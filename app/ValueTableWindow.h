// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace zelmora {

class Board;

// The table of values of the current slot, as the textbook connects table, equation and graph: the
// equation, the domain, a row of χ and a row of y, the slope (変化の割合), the intercept (切片),
// the range of y (yの変域), and where the line meets each other drawn line. Exact throughout.
struct ValueTableText {
    QString Html;  // for the window, fractions of the equation stacked
    QString Plain; // for copying: one line a fact, the table as two tab-separated rows
};
ValueTableText valueTableText(const Board& board);

// A companion window beside the main window, not modal, that shows the table and keeps it current.
// Its text can be selected by keyboard or mouse and copied; a button copies all of it.
class ValueTableWindow : public QWidget {
    Q_OBJECT

public:
    explicit ValueTableWindow(QWidget* mainWindow);

    // Shows the table of the board as it is now.
    void showBoard(const Board& board);
    QString plainText() const { return Plain; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* Text = nullptr;
    QString Plain;
};

} // namespace zelmora
