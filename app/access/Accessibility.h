// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QList>
#include <QStringList>

class QTimer;

namespace zelmora {

// How the window shows itself to a screen reader, beyond what Qt's widgets say of themselves: the
// picture as an image with a description, the message area and the announcements as notifications,
// and the form without its decoration (the olive panel, the focus ring) or what is hidden.
void installAccessibility();

// The interfaces the window's own classes may be handed, beyond what Qt's widgets say of themselves.
enum class SpokenAs {
    SlotOption,   // a slot's option button: a radio button whose press and toggle are a click
    Form,         // the form: its children without decoration and without what is hidden
    Graphic,      // the picture: an image, with a description
    Notification, // a label spoken when it appears (the message area)
};
// Hands every widget of the class the interface of the kind, from now on. Qt keeps the interface
// it made first for a widget: the class is named before its first widget is made.
void speakAs(const QMetaObject& type, SpokenAs kind);

// Marks a widget as decoration: it is drawn, but a screen reader does not walk it.
void markAsDecoration(QWidget* widget);

// A slider whose value a screen reader hears as the window writes it ("−3分の1") rather than the
// slider's raw position: its name says the value too, and moving it is told by the window.
void setSpokenValue(QWidget* slider, const QString& value);

// A button that shows by its look which of a group is on (the size buttons): a screen reader hears
// it as a toggle, pressed or not.
void setPressed(QWidget* button, bool pressed);

// A table a screen reader reads by rows and columns, cell by cell, while the widget shows it in its
// own way (the table of values, drawn as text): each row has a header and its cells' spoken texts;
// the facts are the widget's description. The widget's own keys move the reader through the cells
// with focusCell().
struct SpokenTable {
    QStringList RowHeaders;
    QList<QStringList> Rows;
};
void setSpokenTable(QWidget* widget, const SpokenTable& table);
// Tells a screen reader that the cell in row and column has the focus.
void focusCell(QWidget* widget, int row, int column);

// Has a screen reader told of the widget's focus before what the widget's own focus-in handler
// does (for line edits, whose handler moves the caret: heard first, that is a silent focus change).
void tellFocusFirst(QWidget* widget);

// Which the user touched last, the keyboard or the mouse: a window opened from the keyboard takes
// the focus, so that a screen reader hears it open.
class InputKind : public QObject {
    Q_OBJECT

public:
    explicit InputKind(QObject* parent);
    ~InputKind() override;

    bool keyboardLast() const { return KeyboardLast; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyboardLast = true;
};

// Says a short text to a screen reader without showing it: a notification that appears with the
// text. Qt 6.4 has no announcement event; a screen reader speaks a notification when it appears.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* Fade = nullptr;
};

} // namespace zelmora
