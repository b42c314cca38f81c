// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPointF;
class QPushButton;

namespace zelmora {

class Announcer;
class BoardSession;
class OptionButton;
struct PanelWidgets;
class PainterSurface;
class PictureBox;
class PointPlacer;
class TabRing;
class Tracer;

// The program's form, the main window's client area: the plane on the left, the panel on the
// right. Its controls are built from the panel layout; its handlers, named after the control and
// the event they answer, hand each command to the board's session and show what the board answers,
// whoever performed the command. Pixels of the 935 x 650 client area.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // The form of a board of its own, kept for no later run.
    explicit Form1(QWidget* parent = nullptr);
    // The form of the session's board; the session outlives the form.
    Form1(BoardSession* session, QWidget* parent);
    ~Form1() override;

    BoardSession* session() const { return Session; }
    const Board& board() const;
    const PainterSurface& surface() const;
    // 図をコピー, the picture's own action, for the menus to show.
    QAction* copyPictureAction() const;
    // 点をとる on the picture, and dragging points.
    PointPlacer* pointPlacer() const { return Placer; }

    // Performs a command of the menus on the board (a lesson opened, the marks shown) and shows
    // what the board answers, as the panel's commands do.
    void perform(const std::function<Outcome(Board&)>& command);
    // Shows a message for the pupil in the message area; an empty one clears it.
    void showMessage(const QString& message);
    // Says a short text to a screen reader, showing nothing.
    void announce(const QString& said);
    // Controls of the same window that Tab reaches after the form's own (the docked table's),
    // none when empty; and Tab or Shift+Tab from one of them or the form's.
    void setTrailingStops(const std::vector<QWidget*>& stops);
    bool moveFocus(QWidget* from, bool next);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void bindControls(const PanelWidgets& made);
    void connectHandlers();

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click(int index);
    void Command4_Click();
    void Command5_Click();
    void Option1_Click(int index);
    void Text1_KeyPress(int key);
    void Text2_KeyPress(int key);
    void Text3_KeyPress(int key);
    void Text4_KeyPress(int key);
    void CopyPicture_Click();
    void addEndChoices(QMenu& menu, QPointF at, bool byKeyboard);

    void apply(const Outcome& outcome);
    void redrawPicture();
    void describePicture();
    void placeAxisNames();
    EntryTexts boxTexts() const;
    QLineEdit* box(EntryBox which) const;

    BoardSession* Session;

    // Controls, named as on the form; the arrays are indexed as their captions are numbered.
    PictureBox* Picture1 = nullptr;
    std::array<QLabel*, 2> Label5{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    std::array<QPushButton*, PlaneSizes.size()> Command3{};
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    std::array<OptionButton*, SlotTable::UserSlots> Option1{};
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label10 = nullptr; // messages for the pupil: a refused line, ignored text, a copy made

    Announcer* Speaker = nullptr;
    std::unique_ptr<TabRing> Ring;
    Tracer* Tracing = nullptr;
    PointPlacer* Placer = nullptr;
    // The box a refusal shown in Label10 names; editing it takes the refusal away.
    std::optional<EntryBox> RefusedBox;
};

} // namespace zelmora
