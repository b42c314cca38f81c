// SPDX-License-Identifier: MIT
#pragma once

#include "app/companions/CompanionWindow.h"
#include "board/Board.h"
#include "board/ParameterScale.h"

#include <QTimer>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace zelmora {

class Announcer;

// 動かして調べる: a companion window beside the main one, not modal, with a slider for a and one for
// b of the line last drawn or selected. Moving a slider moves the line at once (the whole picture
// drawn anew, every mark and the table of values following); one drag, one keyboard step or one
// play is one step of the board's history, which the window asks of whoever performs the board's
// commands. ▶ moves a coefficient slowly through its range and back until stopped, for a
// projector. Slider positions are whole steps of the chosen scale.
class ExploreWindow : public CompanionWindow {
    Q_OBJECT

public:
    // How often a play moves its slider by one step, in milliseconds.
    static constexpr int PlayInterval = 300;

    // The window follows the board, which outlives it.
    ExploreWindow(const Board& board, QWidget* mainWindow);

    // Follows the board: the line it concerns, and the sliders where that line's a and b are.
    void showBoard(const Board& board) override;
    // Says which line the sliders move and its equation, once the window has been heard opening.
    void sayLine();

Q_SIGNALS:
    // A move of the line, or a line kept or let go, to be performed on the board and shown as the
    // panel's commands are.
    void commandAsked(const std::function<Outcome(Board&)>& command);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The two coefficients, a (0) and b (1).
    struct Control {
        QSlider* Slider = nullptr;
        QLabel* Value = nullptr;
        QComboBox* Step = nullptr;
        QPushButton* Play = nullptr;
        ParameterScale Scale;
    };

    void build();
    void moved(int which);
    void stepChosen(int which);
    void togglePlay(int which);
    void playStep();
    void stopPlaying();
    void keepChosen();
    void placeSlider(int which, double value);
    QString valueText(int which) const;

    const Board& Followed;
    std::array<Control, 2> Controls;
    QLabel* Line = nullptr;
    QCheckBox* Keep = nullptr;
    Announcer* Speaker = nullptr;
    QTimer Player;
    // Restarted by every move: when it runs out, the keys have rested and the line is said.
    QTimer Rest;
    int Playing = -1;  // the coefficient playing, or -1
    int Direction = 1; // +1 or -1 while playing
    int Slot = 0;      // the line the sliders move
    // The next move continues the step of the one before (the rest of a drag, of a play).
    bool Continuing = false;
    // The sliders are being set from the board: their changes are no moves.
    bool Following = false;
};

} // namespace zelmora
