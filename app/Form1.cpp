// SPDX-License-Identifier: MIT
#include "app/Form1.h"

#include "app/FocusRing.h"
#include "app/Look.h"
#include "app/MessageLabel.h"
#include "app/Messages.h"
#include "app/OptionButton.h"
#include "app/PictureBox.h"
#include "app/SentenceLabel.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "slots/DrawSlotLine.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <variant>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr int EnterKey = 13;

const std::array<QString, SlotTable::UserSlots> slotCaptions{
    u"１"_s,
    u"２"_s,
    u"３"_s,
    u"４"_s,
    u"５"_s,
    u"６"_s,
    u"７"_s,
    u"８"_s,
};

void setColours(QWidget* widget, QColor text, QColor background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Option buttons paint their background with the button colour.
void setOptionColours(QWidget* widget, QColor text, QColor background)
{
    setColours(widget, text, background);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, background);
    widget->setPalette(palette);
}

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry, const QFont& font,
    QColor text, QColor background, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new Label(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    setColours(label, text, background);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& accessibleName,
    QRect geometry, const QFont& font)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAccessibleName(accessibleName);
    // Enter and Return press the focused button, as they do in the desktop's own dialogs.
    button->setAutoDefault(true);
    return button;
}

QLineEdit* makeEntry(QWidget* parent, const QString& name, const QString& accessibleName, QRect geometry)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(name);
    entry->setGeometry(geometry);
    entry->setFont(look::font(24, false));
    entry->setTextMargins(0, 0, 0, 0);
    entry->setAccessibleName(accessibleName);
    return entry;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"Form1"_s);
    setFixedSize(935, 650);
    setColours(this, look::White, look::Green);
    buildFrame();
    buildPanel();
    setTabOrder();
    connectHandlers();
    Form_Load();
    // The window opens ready for typing a.
    Text1->setFocus();
}

const ImageSurface& Form1::surface() const
{
    return Picture1->surface();
}

void Form1::buildFrame()
{
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(u"Picture1"_s);
    Picture1->setAccessibleName(u"座標平面"_s);
    Picture1->move(16, 32);

    // Teachers paste the plane into worksheets: a right click on it, or Ctrl+Shift+C anywhere in
    // the window (Ctrl+C stays the entry boxes' own copy), puts the picture on the clipboard.
    auto* copyPicture = new QAction(u"図をコピー"_s, Picture1);
    copyPicture->setObjectName(u"CopyPicture"_s);
    copyPicture->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyPicture->setShortcutContext(Qt::WindowShortcut);
    connect(copyPicture, &QAction::triggered, this, [this] { CopyPicture_Click(); });
    Picture1->addAction(copyPicture);
    Picture1->setContextMenuPolicy(Qt::ActionsContextMenu);

    const QFont axisFont = look::font(20.25, true);
    Label5[0] = makeLabel(this, u"Label5_0"_s, u"ｙ"_s, {304, 0, 25, 33}, axisFont, look::White, look::Green);
    Label5[1] = makeLabel(this, u"Label5_1"_s, u"χ"_s, {616, 328, 25, 33}, axisFont, look::White, look::Green);
    // Labels lie beneath the surface: the bottom row of "ｙ" meets the surface's top row.
    Label5[0]->stackUnder(Picture1);
}

void Form1::buildPanel()
{
    // The olive panel first, so that the controls on it lie above it.
    Shape1 = new QWidget(this);
    Shape1->setObjectName(u"Shape1"_s);
    Shape1->setGeometry(648, 240, 273, 345);
    setColours(Shape1, look::White, look::Olive);

    const QFont bold12 = look::font(12, true);
    const QFont bold14 = look::font(14.25, true);
    const QFont bold20 = look::font(20.25, true);

    Command2 = makeButton(this, u"Command2"_s, u"初期画面"_s, u"初期画面"_s, {832, 16, 89, 33}, bold12);
    Label1 = makeLabel(this, u"Label1"_s, u"座標平面の大きさ"_s, {680, 56, 130, 16}, bold12, look::White, look::Green);

    // "中" starts with the large bold mark of the selected size.
    const std::array<QString, 3> sizeCaptions{u"小"_s, u"中"_s, u"大"_s};
    for (std::size_t k = 0; k < Command3.size(); ++k) {
        const int i = static_cast<int>(k);
        Command3[k]
            = makeButton(this, u"Command3_%1"_s.arg(i), sizeCaptions[k], u"座標平面の大きさ %1"_s.arg(sizeCaptions[k]),
                {680 + 88 * i, 80, 65, 33}, k == 1 ? bold20 : look::font(12, false));
    }

    const std::array<QString, 4> instructions{
        u"１～８本の線が引けます。"_s,
        u"番号の○にチェックし，"_s,
        u"ａ，ｂの値と変域をいれて"_s,
        u"「線を引く」で描きます。"_s,
    };
    for (std::size_t k = 0; k < Label7.size(); ++k) {
        const int i = static_cast<int>(k);
        Label7[k] = makeLabel(this, u"Label7_%1"_s.arg(i), instructions[k], {680, 136 + 24 * i, 225, 25}, bold14,
            look::White, look::Green);
    }

    // Two rows of four.
    for (std::size_t k = 0; k < Option1.size(); ++k) {
        const int i = static_cast<int>(k);
        auto* option = new OptionButton(slotCaptions[k], this);
        option->setObjectName(u"Option1_%1"_s.arg(i));
        option->setGeometry(672 + 64 * (i % 4), 248 + 32 * (i / 4), 33, 33);
        option->setFont(bold14);
        option->setAccessibleName(u"線%1"_s.arg(slotCaptions[k]));
        setOptionColours(option, look::White, look::Olive);
        Option1[k] = option;
    }
    Option1[0]->setChecked(true);

    Label8[0] = makeLabel(this, u"Label8_0"_s, u"ａ"_s, {728, 317, 17, 25}, bold14, look::White, look::Olive,
        Qt::AlignHCenter | Qt::AlignTop);
    Label8[1] = makeLabel(this, u"Label8_1"_s, u"ｂ"_s, {872, 317, 17, 25}, bold14, look::White, look::Olive,
        Qt::AlignHCenter | Qt::AlignTop);
    Label2 = makeLabel(this, u"Label2"_s, u"ｙ＝"_s, {656, 344, 49, 33}, bold20, look::White, look::Olive);
    Text1 = makeEntry(this, u"Text1"_s, u"ａ"_s, {696, 336, 81, 41});
    Label3 = makeLabel(this, u"Label3"_s, u"χ"_s, {776, 344, 25, 33}, bold20, look::White, look::Olive);
    Label4 = makeLabel(this, u"Label4"_s, u"＋"_s, {800, 344, 25, 33}, bold20, look::White, look::Olive);
    Text2 = makeEntry(this, u"Text2"_s, u"ｂ"_s, {832, 336, 81, 41});
    // The hint's two sentences stand on two lines: the run of ideographic spaces separates them.
    Label9 = makeLabel<SentenceLabel>(this, u"Label9"_s,
        u"ａ，ｂは，分数でもよいです。　　　　　　分数の入力は，－２／３と入力します。"_s, {696, 384, 217, 25},
        look::font(9, true), look::Blue, look::Olive);
    Text3 = makeEntry(this, u"Text3"_s, u"変域の下限"_s, {696, 424, 57, 41});
    Label6 = makeLabel(this, u"Label6"_s, u"≦χ≦"_s, {760, 432, 89, 33}, bold20, look::White, look::Olive);
    Text4 = makeEntry(this, u"Text4"_s, u"変域の上限"_s, {856, 424, 57, 41});
    Command4 = makeButton(this, u"Command4"_s, u"線を引く"_s, u"線を引く"_s, {768, 488, 129, 33}, bold14);
    Command5 = makeButton(this, u"Command5"_s, u"線を消す"_s, u"線を消す"_s, {768, 536, 129, 33}, bold14);
    Command1 = makeButton(this, u"Command1"_s, u"終　了"_s, u"終了"_s, {800, 600, 121, 33}, bold12);

    Label10 = makeLabel<MessageLabel>(
        this, u"Label10"_s, QString(), {648, 590, 145, 56}, bold12, look::Yellow, look::Green);
    Label10->setWordWrap(true);

    new FocusRing(this);
}

void Form1::setTabOrder()
{
    // The order of the form's tab indices; the labels take no focus.
    TabRing = {
        Text1,
        Text2,
        Text3,
        Text4,
        Command4,
        Command5,
        Option1[1],
        Command2,
        Command1,
        Picture1,
        Command3[0],
        Command3[1],
        Command3[2],
        Option1[0],
        Option1[2],
        Option1[3],
        Option1[4],
        Option1[5],
        Option1[6],
        Option1[7],
    };
    for (std::size_t k = 0; k < TabRing.size(); ++k)
        QWidget::setTabOrder(TabRing[k], TabRing[(k + 1) % TabRing.size()]);
}

// Tab and Shift+Tab go round the ring in the order of the tab indices. The slot buttons are one
// stop, at the place of the checked one: landing on an unchecked one would check it and load its
// slot over what has been typed. The arrow keys move among the slots.
bool Form1::focusNextPrevChild(bool next)
{
    const auto count = static_cast<std::ptrdiff_t>(TabRing.size());
    const auto current = std::find(TabRing.begin(), TabRing.end(), focusWidget());
    std::ptrdiff_t index = current == TabRing.end() ? (next ? count - 1 : 0) : current - TabRing.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        index = (index + (next ? 1 : count - 1)) % count;
        QWidget* candidate = TabRing[static_cast<std::size_t>(index)];
        const auto* option = qobject_cast<const QRadioButton*>(candidate);
        if (candidate->isEnabled() && candidate->isVisible() && (option == nullptr || option->isChecked())) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    for (std::size_t k = 0; k < Command3.size(); ++k)
        connect(Command3[k], &QPushButton::clicked, this, [this, k] { Command3_Click(static_cast<int>(k)); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    for (std::size_t k = 0; k < Option1.size(); ++k) {
        const int i = static_cast<int>(k);
        connect(Option1[k], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Option1[k], &OptionButton::arrowPressed, this, [this, i](Qt::Key key) { focusNeighbourSlot(i, key); });
    }
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(EnterKey); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Text2_KeyPress(EnterKey); });
    connect(Text3, &QLineEdit::returnPressed, this, [this] { Text3_KeyPress(EnterKey); });
    connect(Text4, &QLineEdit::returnPressed, this, [this] { Text4_KeyPress(EnterKey); });
    // A refusal goes as soon as the pupil changes the box it names.
    for (std::size_t k = 0; k < EntryBoxCount; ++k) {
        const auto which = static_cast<EntryBox>(k);
        connect(box(which), &QLineEdit::textEdited, this, [this, which] {
            if (RefusedBox == which)
                clearMessage();
        });
    }
    connect(Picture1, &PictureBox::pixelRatioChanged, this, [this] { redrawPicture(); });
}

void Form1::Form_Load()
{
    setWindowTitle(u"Zelmora (Tavrin)"_s);
    Picture1->surface().FontSize(20);
    OriginX = 300;
    OriginY = 300;
    UnitPixels = 22;
    CurrentSlot = 0;
    drawPlane();
}

// The image goes at the display's pixel ratio, tagged with its resolution, so the copy is as sharp
// as the picture on screen and pastes at the same size.
void Form1::CopyPicture_Click()
{
    QGuiApplication::clipboard()->setImage(surface().image());
    showMessage(messages::pictureCopied());
}

// Exit: the application ends when its last window closes.
void Form1::Command1_Click()
{
    close();
}

// Initial screen: every line goes; slot "１" becomes current with empty boxes.
void Form1::Command2_Click()
{
    for (int slot = 0; slot < SlotTable::Rows; ++slot)
        Slots.set(slot, SlotTable::Drawn, 0.0f);
    CurrentSlot = 0;
    Option1[0]->setChecked(true);
    selectSlot(0);
    drawPlane();
}

// Plane size: the chosen button carries the large bold mark; every line is drawn at the new scale.
void Form1::Command3_Click(int index)
{
    for (QPushButton* button : Command3)
        button->setFont(look::font(12, false));
    Command3[static_cast<std::size_t>(index)]->setFont(look::font(20, true));
    static constexpr std::array<std::int16_t, 3> unitPixelsBySize{40, 22, 14};
    UnitPixels = unitPixelsBySize[static_cast<std::size_t>(index)];
    clearMessage();
    redrawPicture();
}

// Draw line: all four boxes are read and checked before anything changes, so that a line that
// cannot be drawn leaves the slot, the picture and the selection as they were.
void Form1::Command4_Click()
{
    const int slot = CurrentSlot;
    const EntryTexts texts = boxTexts();
    const auto entry = readLineEntry(texts);
    if (const auto* refusal = std::get_if<EntryRefusal>(&entry)) {
        showRefusal(*refusal);
        return;
    }
    storeLine(Slots, slot, std::get<LineValues>(entry));
    clearMessage();
    DrawSlotLine(Picture1->surface(), Slots, geometry(), static_cast<std::int16_t>(slot), PaletteBlue);

    const int next = (slot + 1) % SlotTable::UserSlots;
    Option1[static_cast<std::size_t>(next)]->setChecked(true);
    selectSlot(next);
    // The line is drawn as the rules read it; the pupil hears what they left out.
    if (const auto ignored = ignoredText(texts))
        showMessage(messages::ignored(*ignored));
}

// Erase line: the current slot empties and the picture is drawn again from the table, which also
// removes segments left over from drawing a slot again.
void Form1::Command5_Click()
{
    Slots.set(CurrentSlot, SlotTable::Drawn, 0.0f);
    setBoxTexts({});
    clearMessage();
    redrawPicture();
    Text1->setFocus();
}

// Clicking the slot that is already current keeps what has been typed.
void Form1::Option1_Click(int index)
{
    if (index != CurrentSlot)
        selectSlot(index);
}

void Form1::Text1_KeyPress(int key)
{
    if (key == EnterKey)
        Text2->setFocus();
}

void Form1::Text2_KeyPress(int key)
{
    if (key == EnterKey)
        Text3->setFocus();
}

void Form1::Text3_KeyPress(int key)
{
    if (key == EnterKey)
        Text4->setFocus();
}

// Enter in the last box only puts the focus on the draw button; the next Enter presses it.
void Form1::Text4_KeyPress(int key)
{
    if (key == EnterKey)
        Command4->setFocus();
}

// The slots stand in two rows of four; the arrow keys move within them, wrapping around.
void Form1::focusNeighbourSlot(int slot, Qt::Key key)
{
    const int rowLength = SlotTable::UserSlots / 2;
    int step = 0;
    switch (key) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -rowLength;
        break;
    default:
        step = rowLength;
        break;
    }
    const int neighbour = (slot + step + SlotTable::UserSlots) % SlotTable::UserSlots;
    Option1[static_cast<std::size_t>(neighbour)]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void Form1::selectSlot(int slot)
{
    setBoxTexts(entryTexts(Slots, slot));
    CurrentSlot = static_cast<std::int16_t>(slot);
    clearMessage();
    Text1->setFocus();
}

void Form1::drawPlane()
{
    DrawPlane(Picture1->surface(), geometry());
    placeAxisNames();
}

void Form1::redrawPicture()
{
    RedrawPicture(Picture1->surface(), Slots, geometry());
    placeAxisNames();
}

// The origin's surface coordinates serve as window coordinates here, without the surface's
// offset: that puts "ｙ" just right of the vertical axis's top and "χ" just below the
// horizontal axis's right end.
void Form1::placeAxisNames()
{
    Label5[0]->move(OriginX + 4, Label5[0]->y());
    Label5[1]->move(Label5[1]->x(), OriginY + 28);
}

PlaneGeometry Form1::geometry() const
{
    return {OriginX, OriginY, UnitPixels};
}

EntryTexts Form1::boxTexts() const
{
    EntryTexts texts;
    for (std::size_t k = 0; k < EntryBoxCount; ++k)
        texts[k] = box(static_cast<EntryBox>(k))->text().toStdString();
    return texts;
}

// A text the program puts in a box shows from its start: the sign is what a pupil must see.
void Form1::setBoxTexts(const EntryTexts& texts)
{
    for (std::size_t k = 0; k < EntryBoxCount; ++k) {
        QLineEdit* entry = box(static_cast<EntryBox>(k));
        entry->setText(QString::fromStdString(texts[k]));
        entry->setCursorPosition(0);
    }
}

QLineEdit* Form1::box(EntryBox which) const
{
    switch (which) {
    case EntryBox::A:
        return Text1;
    case EntryBox::B:
        return Text2;
    case EntryBox::From:
        return Text3;
    case EntryBox::To:
        break;
    }
    return Text4;
}

void Form1::showRefusal(const EntryRefusal& refusal)
{
    showMessage(messages::refusal(refusal));
    RefusedBox = refusal.Box;
    QLineEdit* entry = box(refusal.Box);
    entry->setFocus();
    entry->selectAll();
}

void Form1::showMessage(const QString& message)
{
    Label10->setText(message);
    RefusedBox.reset();
}

void Form1::clearMessage()
{
    Label10->clear();
    RefusedBox.reset();
}

} // namespace zelmora
