// SPDX-License-Identifier: MIT
#pragma once

#include "board/ShowOptions.h"
#include "entry/LineEntry.h"
#include "facts/PointLine.h"
#include "practice/PracticeTask.h"
#include "slots/SlotTable.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zelmora {

// The commands that change the board, as its history names them.
enum class BoardCommand {
    Draw,          // 線を引く
    Erase,         // 線を消す
    InitialScreen, // 初期画面
    Size,          // 小, 中, 大
    New,           // a new, unnamed board
    Open,          // a lesson file opened
    Recover,       // the board kept from the last run opened
    Move,          // 動かして調べる: a line's a and b moved, in one drag or one play
    Show,          // 表示: what the picture shows beyond the lines
    PutPoint,      // 点をとる, 点を入力…: a point placed, or moved (one drag is one step)
    DeletePoint,   // a point deleted
    PlotTable,     // 表の点をとる: the table of values' points placed
    Ends,          // an end of a line's domain left open, or closed again
};

// One step of the history: the command, and the slot (0 to 7) or plane size (0 to 2) it concerned.
struct BoardStep {
    BoardCommand Command = BoardCommand::Draw;
    int Index = 0;

    friend bool operator==(const BoardStep&, const BoardStep&) = default;
};

// Whether undoing or redoing the step also gives the board back the lesson file it belonged to.
constexpr bool changesDocument(BoardCommand command)
{
    return command == BoardCommand::New || command == BoardCommand::Open || command == BoardCommand::Recover;
}

// All that a command changes: the lines, the named points, the current slot, the scale, what the picture shows
// beyond the lines, and which lesson file the board belongs to. Version numbers each state the board has been in, so
// that two boards with the same version are the same board (the saved one, say). A few hundred bytes, and some more for
// each point.
struct BoardState {
    SlotTable Slots;
    LineForms Forms; // beside the table: vertical lines, and the equations lines were typed as
    std::int16_t CurrentSlot = 0;
    std::int16_t UnitPixels = 0;
    ShowOptions Show;
    std::uint64_t Version = 0;
    std::string Document; // the lesson file's path, UTF-8; empty when it has none
    std::string Title;    // the lesson's title for its worksheets, UTF-8; empty when it has none
    PracticeSet Practice; // the lesson's practice tasks, which go with its file like its title
    std::vector<NamedPoint> Points;

    // The same picture and boxes, whatever the version and the file.
    bool sameBoard(const BoardState& other) const
    {
        return Slots.cells() == other.Slots.cells() && Forms == other.Forms && CurrentSlot == other.CurrentSlot
            && UnitPixels == other.UnitPixels && Show == other.Show && Points == other.Points;
    }
};

// The board's undo and redo stacks. Each undo entry holds the state before its step, each redo
// entry the state after it; taking a step back or forth swaps the present state for the entry's.
// The oldest steps are forgotten beyond Limit.
class History {
public:
    static constexpr std::size_t Limit = 256;

    // A step was taken from the state before. Anything that could be redone is forgotten.
    void record(const BoardStep& step, BoardState before);

    std::optional<BoardStep> undoStep() const;
    std::optional<BoardStep> redoStep() const;

    // The state before the newest step, which becomes redoable from now; nothing when there is
    // no step to undo.
    std::optional<BoardState> undo(BoardState now);
    // The state after the step undone last; nothing when there is none.
    std::optional<BoardState> redo(BoardState now);

    std::size_t undoCount() const { return Undo.size(); }

private:
    struct Entry {
        BoardStep Step;
        BoardState State;
    };

    static std::optional<BoardState> swap(std::deque<Entry>& from, std::deque<Entry>& to, BoardState now);

    std::deque<Entry> Undo;
    std::deque<Entry> Redo;
};

} // namespace zelmora
