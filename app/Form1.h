// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelmora {

class OptionButton;
class PainterSurface;
class PictureBox;
class TabRing;

// The program's form, the main window's client area: the plane on the left, the panel on the
// right. Its controls are built from the panel layout; its handlers, named after the control and
// the event they answer, hand each command to the board and show what the board answers. Pixels of
// the 935 x 650 client area.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const Board& board() const { return State; }
    const PainterSurface& surface() const;

    // The board as a lesson, and a lesson opened in its place: the boxes show its current slot and
    // the picture is drawn anew. A lesson the draw command would refuse changes nothing.
    Lesson lesson() const;
    std::optional<LessonRefusal> openLesson(const Lesson& lesson);
    // Every line gone, as 初期画面 does.
    void clearLines();
    // What the picture shows beyond the lines; it is drawn anew.
    void setShowOptions(const ShowOptions& options);
    void copyPicture();
    // Shows a message for the pupil in the message area; an empty one clears it.
    void showMessage(const QString& message);

Q_SIGNALS:
    // After every command that may have changed the board or its picture.
    void boardChanged();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void bindControls();
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

    void apply(const Outcome& outcome);
    void redrawPicture();
    void placeAxisNames();
    void focusNeighbourSlot(int slot, Qt::Key key);
    EntryTexts boxTexts() const;
    QLineEdit* box(EntryBox which) const;

    Board State;

    // Controls, named as on the form; the arrays are indexed as their captions are numbered.
    PictureBox* Picture1 = nullptr;
    std::array<QLabel*, 2> Label5{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    std::array<QPushButton*, 3> Command3{};
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    std::array<OptionButton*, SlotTable::UserSlots> Option1{};
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label10 = nullptr; // messages for the pupil: a refused line, ignored text, a copy made

    std::unique_ptr<TabRing> Ring;
    // The box a refusal shown in Label10 names; editing it takes the refusal away.
    std::optional<EntryBox> RefusedBox;
};

} // namespace zelmora
