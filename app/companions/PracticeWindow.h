// SPDX-License-Identifier: MIT
#pragma once

#include "app/access/LatticeCursor.h"
#include "app/companions/CompanionWindow.h"
#include "picture/PracticePicture.h"
#include "practice/PracticeTask.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zelmora {

class Announcer;

// 練習: a window beside the main one where the program sets the tasks and checks the answers. The
// pupil chooses a kind, a level, how many tasks and a 問題番号 (the seed), or a lesson sets its own
// tasks; each task is drawn on a plane of its own, answered in two boxes by keyboard (Enter moves
// from the first to the second, and checks there) and checked exactly; ヒント gives the hints one
// by one, 次へ passes a task by. On the plane, the arrow keys trace the task's line as they trace
// a line on the main window's picture, saying each point; a グラフをかく task's two points are put
// there by a click or by the arrow keys and Enter, as 点をとる puts them, and fill the boxes.
// Everything shown is said too. The main window's board is left as it is. A task counts as right
// when its first check is right and its answer was not shown.
class PracticeWindow : public CompanionWindow {
    Q_OBJECT

public:
    explicit PracticeWindow(QWidget* mainWindow);

    // Starts a set: its tasks in order, and the seed that named it, if any.
    void start(const PracticeSet& set);

    int current() const { return Current; }
    int rightCount() const { return Right; }

private:
    void build();
    void startChosen();
    void showTask(const QString& before);
    void check();
    void nextHint();
    void passBy();
    void finish();
    bool trace(const QKeyEvent& event);
    bool placeByKey(const QKeyEvent& event);
    bool placeByClick(QPointF at);
    void place(const ExactPoint& point);
    void say(const QString& text);
    void showPlane();
    const PracticeTask& task() const { return Set.Tasks[static_cast<std::size_t>(Current)]; }

    PracticeSet Set;
    int Current = 0;
    int Hints = 0;
    int Right = 0;
    bool Missed = false; // the task in hand no longer counts as right
    std::vector<int> MissedTasks;
    PupilAnswer Pupil;
    // The point tracing the task's line (or the crossing's line TracedLine) with the keys; in a
    // グラフをかく task, the cursor that puts her points.
    std::optional<ExactPoint> Traced;
    LatticeCursor Cursor;
    int TracedLine = 0;

    QComboBox* Kind = nullptr;
    QComboBox* Level = nullptr;
    QComboBox* Count = nullptr;
    QSpinBox* Seed = nullptr;
    QLabel* Heading = nullptr;
    QLabel* Prompt = nullptr;
    QWidget* Plane = nullptr;
    std::array<QLabel*, 2> Names{};
    std::array<QLineEdit*, 2> Boxes{};
    QPushButton* CheckButton = nullptr;
    QPushButton* HintButton = nullptr;
    QPushButton* NextButton = nullptr;
    QLabel* Feedback = nullptr;
    QLabel* Score = nullptr;
    Announcer* Speaker = nullptr;
};

} // namespace zelmora
