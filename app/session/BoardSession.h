// SPDX-License-Identifier: MIT
#pragma once

#include "app/session/LessonOpening.h"
#include "board/Board.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zelmora {

class Recovery;

// The board the window works on and what belongs to it beyond the window: the lesson file it
// belongs to and whether it differs from that file, the copy kept for the next run, and its undo
// and redo (which the board keeps itself). Every change goes through perform(), which tells first
// who shows the board what it answered and then everyone who follows the board.
class BoardSession : public QObject {
    Q_OBJECT

public:
    // A board kept for no later run.
    explicit BoardSession(QObject* parent = nullptr);
    // A board kept, after each change, in recoveryFolder for the next run.
    BoardSession(const QString& recoveryFolder, QObject* parent);
    ~BoardSession() override;

    const Board& board() const { return State; }
    // The lesson file the board belongs to (an absolute path), or empty.
    QString fileName() const;
    // The board differs from its lesson file.
    bool isModified() const;

    // Performs a command on the board; what it answers is shown before it is returned.
    Outcome perform(const std::function<Outcome(Board&)>& command);
    // Opens the lesson file at path in place of the board, which then belongs to that file.
    LessonOpening open(const QString& path);
    // Opens the newest board an earlier run left that can be read, as a board without a file.
    bool recoverLast();
    // Saves the board as a lesson file at path, which it then belongs to; a fault changes nothing.
    std::optional<LessonFault> save(const QString& path);

    // The boards earlier runs left for this one, the newest first.
    QStringList lastBoards() const;
    // Writes the copy for the next run at once, as the program ends.
    void flush();

Q_SIGNALS:
    // What a command answered, for the form to show; before boardChanged.
    void performed(const Outcome& outcome);
    // After every command that may have changed the board or its picture.
    void boardChanged();
    // The copy for the next run cannot be written. Said once.
    void recoveryUnwritable();

private:
    Board State;
    Recovery* Keeper = nullptr;
};

} // namespace zelmora
