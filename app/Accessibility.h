// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace zelmora {

// How the window shows itself to a screen reader, beyond what Qt's widgets say of themselves: the
// picture as an image with a description, the message area and the announcements as notifications,
// and the form without its decoration (the olive panel, the focus ring) or what is hidden.
void installAccessibility();

// Marks a widget as decoration: it is drawn, but a screen reader does not walk it.
void markAsDecoration(QWidget* widget);

// Says a short text to a screen reader without showing it: a notification that appears with the
// text. Qt 6.4 has no announcement event; a screen reader speaks a notification when it appears.
class Announcer : public QLabel {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zelmora
