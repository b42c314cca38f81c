// SPDX-License-Identifier: MIT
#include "app/form/Form1.h"

#include "app/access/Accessibility.h"
#include "app/form/MessageLabel.h"
#include "app/form/OptionButton.h"
#include "app/form/PanelBuilder.h"
#include "app/form/PanelLayout.h"
#include "app/form/PictureBox.h"
#include "app/form/PointPlacer.h"
#include "app/form/TabRing.h"
#include "app/form/Tracer.h"
#include "app/session/BoardSession.h"
#include "app/words/Look.h"
#include "app/words/Messages.h"
#include "app/words/Speech.h"
#include "output/PictureOutput.h"
#include "picture/Picture.h"
#include "plane/DrawPlane.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

#include <algorithm>
#include <string>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr int enterKey = 13;

template <typename T> void bindControl(const PanelWidgets& made, T*& control, std::string_view name)
{
    control = qobject_cast<T*>(made.control(name));
}

// An array of controls, named as "Option1_0", "Option1_1", ...
template <typename T, std::size_t N>
void bindControl(const PanelWidgets& made, std::array<T*, N>& controls, std::string_view name)
{
    for (std::size_t k = 0; k < N; ++k)
        bindControl(made, controls[k], std::string(name) + '_' + std::to_string(k));
}

} // namespace

Form1::Form1(QWidget* parent)
    : Form1(nullptr, parent)
{
}

Form1::Form1(BoardSession* session, QWidget* parent)
    : QWidget(parent)
    , Session(session != nullptr ? session : new BoardSession(this))
{
    // What a screen reader is handed for the form and its own kinds of control, named before any
    // of them exists.
    speakAs(staticMetaObject, SpokenAs::Form);
    speakAs(OptionButton::staticMetaObject, SpokenAs::SlotOption);
    speakAs(PictureBox::staticMetaObject, SpokenAs::Graphic);
    speakAs(MessageLabel::staticMetaObject, SpokenAs::Notification);
    setObjectName(u"Form1"_s);
    bindControls(buildPanel(this));
    connectHandlers();
    connect(Session, &BoardSession::performed, this, &Form1::apply);
    Form_Load();
    // The window opens ready for typing a.
    Text1->setFocus();
}

Form1::~Form1() = default;

const Board& Form1::board() const
{
    return Session->board();
}

const PainterSurface& Form1::surface() const
{
    return Picture1->surface();
}

QAction* Form1::copyPictureAction() const
{
    return Picture1->copyAction();
}

void Form1::bindControls(const PanelWidgets& made)
{
    bindControl(made, Picture1, "Picture1");
    bindControl(made, Label5, "Label5");
    bindControl(made, Command1, "Command1");
    bindControl(made, Command2, "Command2");
    bindControl(made, Command3, "Command3");
    bindControl(made, Command4, "Command4");
    bindControl(made, Command5, "Command5");
    bindControl(made, Option1, "Option1");
    bindControl(made, Text1, "Text1");
    bindControl(made, Text2, "Text2");
    bindControl(made, Text3, "Text3");
    bindControl(made, Text4, "Text4");
    bindControl(made, Label10, "Label10");

    Ring = std::make_unique<TabRing>(this);
    Speaker = made.Speaker;
    Tracing = new Tracer(board(), Picture1, Speaker);
    Placer = new PointPlacer(board(), Picture1, Speaker, [this](const auto& command) { perform(command); });
    Option1[0]->setChecked(true);
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
    }
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(enterKey); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { Text2_KeyPress(enterKey); });
    connect(Text3, &QLineEdit::returnPressed, this, [this] { Text3_KeyPress(enterKey); });
    connect(Text4, &QLineEdit::returnPressed, this, [this] { Text4_KeyPress(enterKey); });
    // A refusal goes as soon as the pupil changes the box it names.
    for (std::size_t k = 0; k < EntryBoxCount; ++k) {
        const auto which = static_cast<EntryBox>(k);
        connect(box(which), &QLineEdit::textEdited, this, [this, which] {
            if (RefusedBox == which)
                showMessage({});
        });
    }
    connect(Picture1, &PictureBox::pixelRatioChanged, this, [this] { redrawPicture(); });
    connect(Picture1, &PictureBox::copyRequested, this, [this] { CopyPicture_Click(); });
    Picture1->setMenuExtras([this](QMenu& menu, QPointF at, bool byKeyboard) { addEndChoices(menu, at, byKeyboard); });
}

// An end of a line under the pointer, or where the tracing point stands, can be left out of the
// domain (a hollow dot) or put back, one step each.
void Form1::addEndChoices(QMenu& menu, QPointF at, bool byKeyboard)
{
    // Near enough to the dot to be meant, a little more than its radius.
    constexpr double pickPixels = 6;
    std::vector<LineEnd> ends;
    if (!byKeyboard) {
        ends = lineEndsNear(board(), {at.x(), at.y()}, pickPixels);
    } else if (const auto& point = Tracing->point()) {
        const Point traced = board().geometry().toSurface({point->X.get_d(), point->Y.get_d()});
        for (LineEnd& end : lineEndsNear(board(), traced, 0.5)) {
            if (end.Slot == point->Slot)
                ends.push_back(std::move(end));
        }
    }
    for (const LineEnd& end : ends) {
        QAction* choice = menu.addAction(messages::openEndChoice(end.Slot, end.At));
        choice->setCheckable(true);
        choice->setChecked(end.Open);
        connect(choice, &QAction::triggered, this, [this, end](bool open) {
            perform([&end, open](Board& board) { return board.setOpenEnd(end.Slot, end.End, open); });
            announce(speech::endChosen(board(), end.Slot, end.At, open));
        });
    }
}

void Form1::Form_Load()
{
    setWindowTitle(u"Zelmora (Tavrin)"_s);
    DrawPlane(Picture1->surface(), board().geometry());
    placeAxisNames();
    describePicture();
    // The size that is on shows by its bold caption; a screen reader hears it as pressed.
    for (std::size_t k = 0; k < Command3.size(); ++k)
        setPressed(Command3[k], static_cast<int>(k) == board().planeSize());
}

// The image goes at the display's pixel ratio, as sharp as the picture on screen, tagged to paste
// at a unit of 5 mm, beside the same picture as SVG; the axis names the window shows beside it go
// inside it.
void Form1::CopyPicture_Click()
{
    const ClipboardPicture copy = clipboardPicture(Picture1->image(), board());
    auto* data = new QMimeData;
    data->setImageData(copy.Image);
    data->setData(u"image/svg+xml"_s, copy.Svg);
    QGuiApplication::clipboard()->setMimeData(data);
    showMessage(messages::pictureCopied());
}

// Exit: the application ends when its window closes.
void Form1::Command1_Click()
{
    window()->close();
}

void Form1::Command2_Click()
{
    perform([](Board& board) { return board.initialScreen(); });
    announce(speech::initialScreen());
}

void Form1::Command3_Click(int index)
{
    const Outcome outcome = Session->perform([index](Board& board) { return board.setPlaneSize(index); });
    if (outcome.SizeMark)
        announce(speech::sizeChosen(board(), Command3[static_cast<std::size_t>(index)]->text()));
}

void Form1::Command4_Click()
{
    const Outcome outcome = Session->perform([texts = boxTexts()](Board& board) { return board.draw(texts); });
    // A refusal is heard from the message area; a drawn line is confirmed, with what the rules
    // left out of it.
    if (outcome.Picture == PictureChange::Segment) {
        QString said = speech::lineDrawn(board(), outcome.Slot);
        if (outcome.Message)
            said += speech::forEar(Label10->text());
        announce(said);
    }
}

void Form1::Command5_Click()
{
    const int slot = board().currentSlot();
    const bool drawn = board().holdsLine(slot);
    perform([](Board& board) { return board.erase(); });
    announce(drawn ? speech::lineErased(slot) : speech::lineSummary(board(), slot));
}

void Form1::Option1_Click(int index)
{
    const Outcome outcome = Session->perform([index](Board& board) { return board.selectSlot(index); });
    if (outcome.Focus)
        announce(speech::slotSelected(board(), index));
}

void Form1::announce(const QString& said)
{
    Speaker->announce(said);
}

void Form1::perform(const std::function<Outcome(Board&)>& command)
{
    Session->perform(command);
}

void Form1::Text1_KeyPress(int key)
{
    if (key == enterKey)
        Text2->setFocus();
}

void Form1::Text2_KeyPress(int key)
{
    if (key == enterKey)
        Text3->setFocus();
}

void Form1::Text3_KeyPress(int key)
{
    if (key == enterKey)
        Text4->setFocus();
}

// Enter in the last box only puts the focus on the draw button; the next Enter presses it.
void Form1::Text4_KeyPress(int key)
{
    if (key == enterKey)
        Command4->setFocus();
}

void Form1::apply(const Outcome& outcome)
{
    {
        const PainterSurface::Batch batch(Picture1->surface());
        drawChange(Picture1->surface(), board(), outcome);
    }
    if (outcome.Picture == PictureChange::Plane || outcome.Picture == PictureChange::Whole)
        placeAxisNames();
    if (outcome.SizeMark) {
        for (std::size_t k = 0; k < Command3.size(); ++k) {
            const bool marked = static_cast<int>(k) == *outcome.SizeMark;
            Command3[k]->setFont(marked ? look::font(20, true) : look::font(12, false));
            setPressed(Command3[k], marked);
        }
    }
    if (outcome.CheckedSlot)
        Option1[static_cast<std::size_t>(*outcome.CheckedSlot)]->setChecked(true);
    // The focus moves before the texts change: a screen reader takes the last focus it is told of
    // as the real one, and a box's text changed before its focus would be heard as neither.
    if (outcome.Focus)
        box(*outcome.Focus)->setFocus();
    if (outcome.Texts) {
        // A text the program puts in a box shows from its start: the sign is what a pupil must see.
        for (std::size_t k = 0; k < EntryBoxCount; ++k) {
            QLineEdit* entry = box(static_cast<EntryBox>(k));
            entry->setText(QString::fromStdString((*outcome.Texts)[k]));
            entry->setCursorPosition(0);
        }
    }
    if (outcome.Message) {
        showMessage(std::visit([](const auto& notice) { return messages::notice(notice); }, *outcome.Message));
        if (const auto* refusal = std::get_if<EntryRefusal>(&*outcome.Message))
            RefusedBox = refusal->Box;
    }
    if (outcome.Focus && outcome.SelectFocusedText)
        box(*outcome.Focus)->selectAll();
    if (outcome.Picture != PictureChange::None) {
        Tracing->reset();
        describePicture();
    }
}

// Kept current after every command, for a screen reader: what the picture shows, in words.
void Form1::describePicture()
{
    Picture1->setPlaneGeometry(board().geometry());
    Picture1->setAccessibleDescription(speech::pictureDescription(board()));
}

// The message area is there only while it has something to say, and each new message appears
// anew, which is how a screen reader hears it.
void Form1::showMessage(const QString& message)
{
    Label10->hide();
    Label10->setText(message);
    Label10->setVisible(!message.isEmpty());
    RefusedBox.reset();
}

void Form1::redrawPicture()
{
    const PainterSurface::Batch batch(Picture1->surface());
    drawPicture(Picture1->surface(), board());
    placeAxisNames();
}

void Form1::placeAxisNames()
{
    const AxisNamePlaces places = axisNamePlaces(board().geometry());
    Label5[0]->move(places.YNameLeft, Label5[0]->y());
    Label5[1]->move(Label5[1]->x(), places.XNameTop);
}

bool Form1::focusNextPrevChild(bool next)
{
    return Ring->move(focusWidget(), next);
}

void Form1::setTrailingStops(const std::vector<QWidget*>& stops)
{
    Ring->setTrailing(stops);
}

bool Form1::moveFocus(QWidget* from, bool next)
{
    return Ring->move(from, next);
}

EntryTexts Form1::boxTexts() const
{
    EntryTexts texts;
    for (std::size_t k = 0; k < EntryBoxCount; ++k)
        texts[k] = box(static_cast<EntryBox>(k))->text().toStdString();
    return texts;
}

QLineEdit* Form1::box(EntryBox which) const
{
    const std::array<QLineEdit*, EntryBoxCount> boxes{Text1, Text2, Text3, Text4};
    return boxes[static_cast<std::size_t>(which)];
}

} // namespace zelmora
