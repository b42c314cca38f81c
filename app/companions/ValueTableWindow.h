// SPDX-License-Identifier: MIT
#pragma once

#include "app/companions/CompanionWindow.h"
#include "entry/LineEntry.h"
#include "facts/ExactLine.h"
#include "slots/SlotTable.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gmpxx.h>

#include <chrono>
#include <optional>
#include <vector>

class QComboBox;
class QPushButton;
class QTextBrowser;

namespace zelmora {

class Announcer;
class Board;

// The table of values of the line drawn or chosen last, as the textbook connects table, equation
// and graph: the equation, the domain, a row of χ and a row of y in equal steps, the slope
// (変化の割合), the intercept (切片), the range of y (yの変域), and how the segment meets each other
// drawn one. Exact throughout; fractions stacked, never broken over lines.
struct ValueTableText {
    QString Html;  // for the window
    QString Plain; // what the window says, one line a fact, the table as two tab-separated rows
    // For the clipboard: the same as tab-separated text with the ASCII minus, fractions written so
    // that a spreadsheet keeps them as text ('-1/2), and as an HTML table for word processors.
    QString CopiedText;
    QString CopiedHtml;
};
// Step: the χ step the pupil chose, or none for the one the table picks itself.
ValueTableText valueTableText(const SlotTable& table, int slot, const std::optional<mpq_class>& step = std::nullopt);
// With the forms kept beside the table: a vertical line has its equation, its y and its crossings,
// and says why it has no table of values.
ValueTableText valueTableText(
    const SlotTable& table, const LineForms& forms, int slot, const std::optional<mpq_class>& step = std::nullopt);
ValueTableText valueTableText(const Board& board, const std::optional<mpq_class>& step = std::nullopt);

// When a chosen step of χ would give more than MaxGivenColumns columns, the table takes its own:
// what it says of that ("χの刻み1では列が41を超えるので、刻みを20にしました。"), else nothing.
QString replacedStepNote(const ExactLine& line, const std::optional<mpq_class>& step);

// How wide the table is when it is docked on the right of the main window, which grows by that
// much: as wide as wanted where the screen has room, narrowed down to the least width, and never
// less; none when the screen is too narrow for the main window grown by the least width.
std::optional<int> dockedValueTableWidth(const QRect& mainFrame, const QRect& screen, int wanted, int least);

// Where the frame of the table's own window goes on a screen too small to dock it: over the
// picture's far side from the panel (its left), as large as wanted where the screen allows, and
// wholly on the screen.
QRect valueTableOverPicture(const QRect& picture, const QRect& screen, QSize wanted);

// Where a window's frame moves to lie wholly on the screen, as little as it can; a frame larger
// than the screen keeps its top-left corner on it.
QPoint keptOnScreen(const QRect& frame, const QRect& screen);

// How often the table follows a line that a slider or a play keeps moving. Laying out the table's
// rich text costs more than drawing the whole picture, so while a line moves the table is rebuilt
// at once on the first step, then at most once an Interval, and always once more when it rests.
class FollowPace {
public:
    static constexpr std::chrono::milliseconds Interval{100};

    // Whether a step made now is shown now; if not, it is shown after wait().
    bool showNow() const { return wait().count() == 0; }
    std::chrono::milliseconds wait() const;
    // The table has just been rebuilt.
    void shown() { Last.start(); }

private:
    QElapsedTimer Last;
};

// The table as a window of its own, not modal, or docked in the main window; shown and kept
// current by the main window. Its text can be selected by keyboard or mouse and copied; a button
// copies all of it. A box chooses the step of χ (自動, 1, 1/2, 2, 5, 10).
class ValueTableWindow : public CompanionWindow {
    Q_OBJECT

public:
    // The size it asks for as a window of its own, and the least it can do with.
    static constexpr QSize Wanted{460, 560};
    static constexpr QSize Least{300, 240};

    explicit ValueTableWindow(QWidget* mainWindow);

    // Shows the table of the board as it is now; a line moving step after step is followed at
    // FollowPace's rate, and a board whose lines did not change leaves the table as it is.
    void showBoard(const Board& board) override;
    QString plainText() const { return Shown.Plain; }
    // Brings the window to the front with the focus in the table, for whoever opened it from the keyboard.
    void takeFocus();
    // The controls Tab stops at, in order: the table, the step box, the copy button.
    std::vector<QWidget*> tabStops() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    std::optional<mpq_class> chosenStep() const;
    void copy() const;

    QTextBrowser* Text = nullptr;
    QComboBox* Step = nullptr;
    QPushButton* CopyButton = nullptr;
    Announcer* Speaker = nullptr;
    // Where the focus was before the table took it.
    QPointer<QWidget> Returning;
    // The board's lines as last shown, so that a change of step needs no board.
    SlotTable Lines;
    LineForms Forms;
    int Slot = 0;
    ValueTableText Shown;
    // Whether Shown is of the lines above, and when it was made; the rebuild of a move waiting its turn.
    bool Current = false;
    FollowPace Pace;
    QTimer Later;
    // The table's pairs as they are said when it opens.
    QString Pairs;
    // The cell a screen reader is on: column, row (0 χ, 1 y).
    QPoint Cell;
};

} // namespace zelmora
