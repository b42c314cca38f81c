// SPDX-License-Identifier: MIT
#pragma once

#include "board/Board.h"
#include "lesson/LessonFile.h"

#include <QString>

#include <functional>
#include <string>
#include <variant>

namespace zelmora {

// A lesson file put on a board, the one way the window and the command line open one: the lesson
// as read, for its notices and title, and what the board answered, for the window to show.
struct LessonOpened {
    Lesson Read;
    Outcome Done;
};
// Or why not: the file is no lesson, or it holds a text the draw command refuses. Either way the
// board stays as it was.
using LessonOpening = std::variant<LessonOpened, LessonFault, LessonRefusal>;

// Performs a command on a board and shows what it answers, as the window's form does.
using BoardPerformer = std::function<void(const std::function<Outcome(Board&)>&)>;

// Reads the lesson file at path and opens it on the board as the command says (opened, or
// recovered from an earlier run), the board then belonging to document. A file that cannot be read
// leaves the board untouched, performing nothing.
LessonOpening openLessonFile(const QString& path, const BoardPerformer& perform,
    BoardCommand command = BoardCommand::Open, const std::string& document = {});
// The same on a board held directly, with nothing to show.
LessonOpening openLessonFile(const QString& path, Board& board);

} // namespace zelmora
