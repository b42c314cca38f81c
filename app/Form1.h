// SPDX-License-Identifier: MIT
#pragma once

#include "entry/LineEntry.h"
#include "plane/PlaneGeometry.h"
#include "slots/SlotTable.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelmora {

class ImageSurface;
class OptionButton;
class PictureBox;

// The program's one window: the plane on the left, the panel on the right, and the state they
// share. Positions and sizes are pixels of the 935 x 650 client area. The handlers are named
// after the control and the event they answer.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    int originX() const { return OriginX; }
    int originY() const { return OriginY; }
    std::int16_t unitPixels() const { return UnitPixels; }
    std::int16_t currentSlot() const { return CurrentSlot; }
    const SlotTable& slotTable() const { return Slots; }
    const ImageSurface& surface() const;

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void buildFrame();
    void buildPanel();
    void setTabOrder();
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

    void selectSlot(int slot);
    void focusNeighbourSlot(int slot, Qt::Key key);
    void drawPlane();
    void redrawPicture();
    void placeAxisNames();
    PlaneGeometry geometry() const;
    EntryTexts boxTexts() const;
    void setBoxTexts(const EntryTexts& texts);
    QLineEdit* box(EntryBox which) const;
    void showRefusal(const EntryRefusal& refusal);
    void showMessage(const QString& message);
    void clearMessage();

    // Window state.
    int OriginX = 0;
    int OriginY = 0;
    std::int16_t UnitPixels = 0;
    std::int16_t CurrentSlot = 0;
    SlotTable Slots;

    // Controls, named as on the form; the arrays are indexed as their captions are numbered.
    PictureBox* Picture1 = nullptr;
    std::array<QLabel*, 2> Label5{};
    QWidget* Shape1 = nullptr;
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
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    std::array<QLabel*, 4> Label7{};
    std::array<QLabel*, 2> Label8{};
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr; // messages for the pupil: a refused line, ignored text, a copy made

    // The controls in the order of their tab indices.
    std::array<QWidget*, 20> TabRing{};
    // The box a refusal shown in Label10 names; editing it takes the refusal away.
    std::optional<EntryBox> RefusedBox;
};

} // namespace zelmora
