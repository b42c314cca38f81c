// SPDX-License-Identifier: MIT
#include "app/access/Accessibility.h"

#include "app/form/OptionButton.h"
#include "app/words/Speech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const char* const DecorationProperty = "zelmora.decoration";

// The children a screen reader walks: Qt's own choice (no windows, menus or focus frames), without
// decoration and without what is hidden (the message area while it has no message).
QWidgetList spokenChildren(const QWidget* widget)
{
    QWidgetList children;
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isWindow() || qobject_cast<QMenu*>(child) || qobject_cast<QFocusFrame*>(child)
            || child->property(DecorationProperty).toBool() || child->isHidden())
            continue;
        children << child;
    }
    return children;
}

class FormAccessible final : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form)
        : QAccessibleWidget(form, QAccessible::Client)
    {
    }

    int childCount() const override { return static_cast<int>(spokenChildren(widget()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QWidgetList children = spokenChildren(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr || !child->object() || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(spokenChildren(widget()).indexOf(static_cast<QWidget*>(child->object())));
    }
};

// A label a screen reader speaks when it appears: its text is its name.
class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return speech::forEar(static_cast<const QLabel*>(widget())->text());
        return QAccessibleWidget::text(kind);
    }
};

// A line edit as Qt describes it, but for its text attributes: Qt 6.4 answers every offset with an
// empty run, and a screen reader that reads a text run by run then drops what follows the last
// run (it read "-2/3" as "-2/"). A line edit has one run: its whole text, without attributes.
class EntryAccessible final : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
public:
    explicit EntryAccessible(QLineEdit* entry)
        : QAccessibleWidget(entry, QAccessible::EditableText)
    {
        addControllingSignal(u"textChanged(const QString&)"_s);
        addControllingSignal(u"returnPressed()"_s);
    }

    QLineEdit* entry() const { return static_cast<QLineEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return entry()->echoMode() == QLineEdit::Normal ? entry()->text() : QString();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value && !entry()->isReadOnly())
            entry()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !entry()->isReadOnly();
        state.readOnly = entry()->isReadOnly();
        state.selectableText = true;
        state.passwordEdit = entry()->echoMode() != QLineEdit::Normal;
        return state;
    }

    // Text
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && entry()->hasSelectedText()) {
            *startOffset = entry()->selectionStart();
            *endOffset = entry()->selectionEnd();
        }
    }
    int selectionCount() const override { return entry()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            entry()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            entry()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return entry()->cursorPosition(); }
    void setCursorPosition(int position) override { entry()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return shownText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shownText().size()); }
    QRect characterRect(int offset) const override
    {
        // Where the character stands when the text is not scrolled, as the boxes' texts fit.
        QStyleOptionFrame option;
        option.initFrom(entry());
        const QRect inside = entry()->style()->subElementRect(QStyle::SE_LineEditContents, &option, entry());
        const QFontMetrics metrics(entry()->font());
        const QString shown = shownText();
        const int left = metrics.horizontalAdvance(shown.left(offset));
        const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.at(offset)) : 1;
        const QRect rect(inside.left() + left, inside.top(), width, inside.height());
        return QRect(entry()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return entry()->cursorPositionAt(entry()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        entry()->setCursorPosition(endIndex);
        entry()->setCursorPosition(startIndex);
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // Editable text
    void deleteText(int startOffset, int endOffset) override { replaceText(startOffset, endOffset, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        if (entry()->isReadOnly() || startOffset > endOffset)
            return;
        entry()->setText(entry()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QString shownText() const { return entry()->echoMode() == QLineEdit::Normal ? entry()->text() : QString(); }
};

// A slot's option button. Its press and toggle actions are a click: checking it without the click
// would show one slot checked while the boxes and the next draw still belong to another.
class OptionAccessible final : public QAccessibleWidget {
public:
    explicit OptionAccessible(OptionButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
        addControllingSignal(u"clicked(bool)"_s);
    }

    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && option()->accessibleName().isEmpty())
            return option()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }

    void doAction(const QString& action) override
    {
        if (!option()->isEnabled())
            return;
        if (action == pressAction() || action == toggleAction())
            option()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// Qt tells a screen reader that a line edit took the focus only after the line edit has handled
// its focus-in, and the handler moves the caret and the selection: the reader hears of the caret
// first, takes that box as its focus without a word, and then has nothing to say for the focus
// itself. While a box handles its focus-in, its caret and selection events wait, and follow the
// focus event.
class FocusFirst final : public QObject {
public:
    using QObject::QObject;

    static void pass(QAccessibleEvent* event)
    {
        // Qt calls the handler even while no screen reader listens, and then tells nobody.
        if (!QAccessible::isActive())
            return;
        if (Entering && event->object() == Entering) {
            switch (event->type()) {
            case QAccessible::TextCaretMoved:
                hold<QAccessibleTextCursorEvent>(
                    event->object(), static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
                return;
            case QAccessible::TextSelectionChanged: {
                const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
                hold<QAccessibleTextSelectionEvent>(
                    event->object(), selection->selectionStart(), selection->selectionEnd());
                return;
            }
            case QAccessible::Focus:
                forward(event);
                release();
                return;
            default:
                break;
            }
        }
        forward(event);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
            release();
            Entering = watched;
            // Should Qt not tell of the focus, what waits is told anyway.
            QTimer::singleShot(0, this, &FocusFirst::release);
        }
        return false;
    }

private:
    template <typename Event, typename... Args> static void hold(QObject* object, Args... args)
    {
        Held.push_back([object = QPointer<QObject>(object), args...] {
            if (object) {
                Event event(object, args...);
                forward(&event);
            }
        });
    }

    static void release()
    {
        Entering = nullptr;
        std::vector<std::function<void()>> waiting;
        waiting.swap(Held);
        for (const auto& send : waiting)
            send();
    }

    static void forward(QAccessibleEvent* event)
    {
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(&FocusFirst::pass);
    }

    static inline QPointer<QObject> Entering;
    static inline std::vector<std::function<void()>> Held;
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == u"QLineEdit"_s)
        return new EntryAccessible(static_cast<QLineEdit*>(widget));
    if (className == u"zelmora::OptionButton"_s)
        return new OptionAccessible(static_cast<OptionButton*>(widget));
    if (className == u"zelmora::Form1"_s)
        return new FormAccessible(widget);
    if (className == u"zelmora::PictureBox"_s)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == u"zelmora::MessageLabel"_s || className == u"zelmora::Announcer"_s)
        return new NotificationAccessible(static_cast<QLabel*>(widget));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(interfaceFor);
}

InputKind::InputKind(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

InputKind::~InputKind()
{
    qApp->removeEventFilter(this);
}

bool InputKind::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        KeyboardLast = true;
    else if (event->type() == QEvent::MouseButtonPress)
        KeyboardLast = false;
    return QObject::eventFilter(watched, event);
}

void tellFocusFirst(QWidget* widget)
{
    QAccessible::installUpdateHandler(&FocusFirst::pass);
    widget->installEventFilter(new FocusFirst(widget));
}

void markAsDecoration(QWidget* widget)
{
    widget->setProperty(DecorationProperty, true);
}

Announcer::Announcer(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(u"Announcer"_s);
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    // Once said, the text goes, so that a screen reader's review of the window does not find it.
    Fade = new QTimer(this);
    Fade->setSingleShot(true);
    Fade->setInterval(std::chrono::seconds(5));
    connect(Fade, &QTimer::timeout, this, &QWidget::hide);
}

// Shown anew for every text, as a screen reader speaks a notification when it appears.
void Announcer::announce(const QString& text)
{
    hide();
    setText(text);
    show();
    Fade->start();
}

void Announcer::paintEvent(QPaintEvent*)
{
}

} // namespace zelmora
