// SPDX-License-Identifier: MIT
#include "app/access/Accessibility.h"

#include "app/words/Speech.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const char* const DecorationProperty = "zelmora.decoration";
const char* const SpokenValueProperty = "zelmora.spokenValue";
const char* const PressedProperty = "zelmora.pressed";
const char* const TableHeadersProperty = "zelmora.tableHeaders";
const char* const TableRowsProperty = "zelmora.tableRows";
const char* const CurrentCellProperty = "zelmora.currentCell";

// The widget's interface is made anew, by the factory below, once the widget carries what the
// factory looks for: Qt may have made one already, while the widget was being built.
void remakeInterface(QWidget* widget)
{
    if (const QAccessible::Id id = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)))
        QAccessible::deleteAccessibleInterface(id);
}

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
    explicit OptionAccessible(QAbstractButton* option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
        addControllingSignal(u"clicked(bool)"_s);
    }

    QAbstractButton* option() const { return static_cast<QAbstractButton*>(widget()); }

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

// A slider whose value is said as the window writes it; its raw position is not said at all, so
// that a screen reader does not read it before the window's own words.
class SpokenSliderAccessible final : public QAccessibleWidget {
public:
    explicit SpokenSliderAccessible(QWidget* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString value = widget()->property(SpokenValueProperty).toString();
        if (kind == QAccessible::Value)
            return value;
        if (kind == QAccessible::Name)
            return (widget()->accessibleName() + u' ' + value).trimmed();
        return QAccessibleWidget::text(kind);
    }
};

// One of a group of buttons of which one is on, shown by its look: heard as a radio button, which
// is the nearest Qt's bridge offers to a toggle; pressing it clicks it.
class PressedButtonAccessible final : public QAccessibleWidget {
public:
    explicit PressedButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton)
    {
    }

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
            return QString(button()->text()).remove(u'&');
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->property(PressedProperty).toBool();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && button()->isEnabled())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QStringList tableHeaders(const QWidget* widget)
{
    return widget->property(TableHeadersProperty).toStringList();
}

QStringList tableRow(const QWidget* widget, int row)
{
    return widget->property(TableRowsProperty).toList().value(row).toStringList();
}

int tableRowCount(const QWidget* widget)
{
    return static_cast<int>(widget->property(TableRowsProperty).toList().size());
}

int tableColumnCount(const QWidget* widget)
{
    int columns = 0;
    for (const QVariant& row : widget->property(TableRowsProperty).toList())
        columns = std::max(columns, static_cast<int>(row.toStringList().size()));
    return columns;
}

// A cell of a spoken table, or the header of a row (column -1). It has no object of its own: it
// reads its text from the table's widget each time.
class TableCellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TableCellAccessible(QWidget* table, int row, int column)
        : Table(table)
        , Row(row)
        , Column(column)
    {
    }

    bool isValid() const override
    {
        return Table && Row >= 0 && Row < tableRowCount(Table) && Column < tableColumnCount(Table);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Table ? Table->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Table.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return Column < 0 ? tableHeaders(Table).value(Row) : tableRow(Table, Row).value(Column);
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return Table ? QRect(Table->mapToGlobal(QPoint(0, 0)), Table->size()) : QRect(); }
    QAccessible::Role role() const override { return Column < 0 ? QAccessible::RowHeader : QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        if (Column >= 0) {
            state.focusable = true;
            state.focused
                = Table && Table->hasFocus() && Table->property(CurrentCellProperty).toPoint() == QPoint(Column, Row);
        }
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return std::max(Column, 0); }
    int rowIndex() const override { return Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QPointer<QWidget> Table;
    int Row;
    int Column;
};

// A widget read as a table: its rows and their headers, from the widget's properties. Its cells
// are made once and kept, so that each has one identity for as long as the table lives.
class SpokenTableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit SpokenTableAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Table)
    {
    }

    ~SpokenTableAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(Cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = columnCount();
        if (columns == 0 || index < 0 || index >= childCount())
            return nullptr;
        return cell(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (cell == nullptr || child->role() != QAccessible::Cell)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!widget()->hasFocus())
            return nullptr;
        const QPoint at = widget()->property(CurrentCellProperty).toPoint();
        return cell(at.y(), at.x());
    }

    // Table
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return cell(row, column);
    }
    int columnCount() const override { return tableColumnCount(widget()); }
    int rowCount() const override { return tableRowCount(widget()); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int row) const override { return tableHeaders(widget()).value(row); }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

    // A cell, or with column -1 the header of its row.
    QAccessibleInterface* cell(int row, int column) const
    {
        const int key = row * 1024 + column + 1;
        if (const auto found = Cells.find(key); found != Cells.end())
            return QAccessible::accessibleInterface(*found);
        auto* made = new TableCellAccessible(widget(), row, column);
        Cells.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    mutable QHash<int, QAccessible::Id> Cells;
};

QList<QAccessibleInterface*> TableCellAccessible::rowHeaderCells() const
{
    auto* table = static_cast<SpokenTableAccessible*>(parent());
    if (table == nullptr || Column < 0)
        return {};
    return {table->cell(Row, -1)};
}

// The classes handed an interface of their own, by their class names as Qt asks for them.
QHash<QString, SpokenAs>& spokenClasses()
{
    static QHash<QString, SpokenAs> classes{
        {QString::fromLatin1(Announcer::staticMetaObject.className()), SpokenAs::Notification},
    };
    return classes;
}

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1StringView(QLineEdit::staticMetaObject.className()))
        return new EntryAccessible(static_cast<QLineEdit*>(widget));
    if (const auto spoken = spokenClasses().constFind(className); spoken != spokenClasses().cend()) {
        switch (*spoken) {
        case SpokenAs::SlotOption:
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                return new OptionAccessible(button);
            break;
        case SpokenAs::Form:
            return new FormAccessible(widget);
        case SpokenAs::Graphic:
            return new QAccessibleWidget(widget, QAccessible::Graphic);
        case SpokenAs::Notification:
            if (auto* label = qobject_cast<QLabel*>(widget))
                return new NotificationAccessible(label);
            break;
        }
    }
    if (widget->property(SpokenValueProperty).isValid())
        return new SpokenSliderAccessible(widget);
    if (widget->property(PressedProperty).isValid() && qobject_cast<QAbstractButton*>(widget))
        return new PressedButtonAccessible(static_cast<QAbstractButton*>(widget));
    if (widget->property(TableRowsProperty).isValid())
        return new SpokenTableAccessible(widget);
    return nullptr;
}

} // namespace

void speakAs(const QMetaObject& type, SpokenAs kind)
{
    spokenClasses().insert(QString::fromLatin1(type.className()), kind);
}

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

void setSpokenValue(QWidget* slider, const QString& value)
{
    const bool first = !slider->property(SpokenValueProperty).isValid();
    const bool changed = slider->property(SpokenValueProperty).toString() != value;
    slider->setProperty(SpokenValueProperty, value);
    if (first) {
        remakeInterface(slider);
    } else if (changed && QAccessible::isActive()) {
        // A screen reader keeps the names it has read until it hears that one changed.
        QAccessibleEvent event(slider, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void setPressed(QWidget* button, bool pressed)
{
    const bool first = !button->property(PressedProperty).isValid();
    const bool changed = first || button->property(PressedProperty).toBool() != pressed;
    button->setProperty(PressedProperty, pressed);
    if (first) {
        remakeInterface(button);
    } else if (changed && QAccessible::isActive()) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(button, checked);
        QAccessible::updateAccessibility(&event);
    }
}

void setSpokenTable(QWidget* widget, const SpokenTable& table)
{
    const bool first = !widget->property(TableRowsProperty).isValid();
    QVariantList rows;
    for (const QStringList& row : table.Rows)
        rows << row;
    widget->setProperty(TableHeadersProperty, table.RowHeaders);
    widget->setProperty(TableRowsProperty, rows);
    if (first) {
        remakeInterface(widget);
    } else if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(widget, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&event);
    }
}

void focusCell(QWidget* widget, int row, int column)
{
    widget->setProperty(CurrentCellProperty, QPoint(column, row));
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(widget);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    QAccessibleInterface* cell = cells ? cells->cellAt(row, column) : nullptr;
    if (cell == nullptr)
        return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
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
