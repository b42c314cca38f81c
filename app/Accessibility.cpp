// SPDX-License-Identifier: MIT
#include "app/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>

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
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
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
}

// Shown anew for every text, as a screen reader speaks a notification when it appears.
void Announcer::announce(const QString& text)
{
    hide();
    setText(text);
    show();
}

void Announcer::paintEvent(QPaintEvent*)
{
}

} // namespace zelmora
