// SPDX-License-Identifier: MIT
#include "board/History.h"

#include <utility>

namespace zelmora {

void History::record(const BoardStep& step, BoardState before)
{
    Undo.push_back({step, std::move(before)});
    if (Undo.size() > Limit)
        Undo.pop_front();
    Redo.clear();
}

std::optional<BoardStep> History::undoStep() const
{
    if (Undo.empty())
        return std::nullopt;
    return Undo.back().Step;
}

std::optional<BoardStep> History::redoStep() const
{
    if (Redo.empty())
        return std::nullopt;
    return Redo.back().Step;
}

std::optional<BoardState> History::undo(BoardState now)
{
    if (Undo.empty())
        return std::nullopt;
    Entry entry = std::move(Undo.back());
    Undo.pop_back();
    Redo.push_back({entry.Step, std::move(now)});
    return std::move(entry.State);
}

std::optional<BoardState> History::redo(BoardState now)
{
    if (Redo.empty())
        return std::nullopt;
    Entry entry = std::move(Redo.back());
    Redo.pop_back();
    Undo.push_back({entry.Step, std::move(now)});
    return std::move(entry.State);
}

} // namespace zelmora
