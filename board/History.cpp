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
    return swap(Undo, Redo, std::move(now));
}

std::optional<BoardState> History::redo(BoardState now)
{
    return swap(Redo, Undo, std::move(now));
}

// The newest entry of one stack gives its state; the present state goes onto the other under the
// same step.
std::optional<BoardState> History::swap(std::deque<Entry>& from, std::deque<Entry>& to, BoardState now)
{
    if (from.empty())
        return std::nullopt;
    Entry entry = std::move(from.back());
    from.pop_back();
    to.push_back({entry.Step, std::move(now)});
    return std::move(entry.State);
}

} // namespace zelmora
