// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace zelmora {

// A label whose caption starts a new line after each run of ideographic spaces and wraps within
// its width otherwise, so that a hint of two sentences separated by such a run shows them one
// under the other. text() stays the caption as given.
class SentenceLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The caption as it is shown, one sentence a line.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zelmora
