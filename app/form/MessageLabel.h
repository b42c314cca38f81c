// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace zelmora {

// The message area under the panel. It wraps a message into lines of about equal length, so that
// no lone character or closing mark ends up on a line of its own, and it breaks within a word
// only where a word is wider than the area; Japanese breaks between words (after a run of
// hiragana, at a comma or a full stop), never between a kanji and its ending, where that fits.
class MessageLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The lines a text is shown in at this font and width (in pixels).
    static QStringList lines(const QString& text, const QFont& font, qreal width);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zelmora
