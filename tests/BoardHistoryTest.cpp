// SPDX-License-Identifier: MIT
// Undo and redo on the board: which commands are steps, what a step back gives, the limit, and
// whether the board differs from its lesson file.
#include "board/Board.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zelmora {
namespace {

const EntryTexts typical{"-2/3", "1", "-3", "3"};
const EntryTexts second{"2", "-2", "-3", "3"};

// The board with two lines in slots １ and ２, the current slot ３.
Board twoLines()
{
    Board board;
    board.draw(typical);
    board.draw(second);
    return board;
}

Lesson oneLineLesson()
{
    Lesson lesson;
    lesson.Size = 2;
    lesson.CurrentSlot = 4;
    lesson.Slots[4] = EntryTexts{"1/2", "3", "-4", "4"};
    return lesson;
}

bool sameBoard(const Board& a, const Board& b)
{
    return a.slotTable().cells() == b.slotTable().cells() && a.currentSlot() == b.currentSlot()
        && a.unitPixels() == b.unitPixels() && a.showOptions() == b.showOptions();
}

struct CommandRow {
    const char* Name;
    std::function<Outcome(Board&)> Command;
    std::optional<BoardStep> Step; // the step it records on the two-line board, or none
    int Slot = 2;                  // the slot chosen before it
};

// Each command on the board with two lines: the step it records, and that undo gives the board
// back exactly and redo the board after the command.
TEST(BoardHistory, EachCommandThatChangesTheBoardIsOneStep)
{
    const std::vector<CommandRow> rows{
        {"draw into slot ３", [](Board& b) { return b.draw(typical); }, BoardStep{BoardCommand::Draw, 2}},
        {"a refused draw",
            [](Board& b) {
                return b.draw({"1/0", "1", "0", "1"});
            },
            std::nullopt},
        {"erase the current, empty slot", [](Board& b) { return b.erase(); }, std::nullopt},
        {"erase slot １", [](Board& b) { return b.erase(); }, BoardStep{BoardCommand::Erase, 0}, 0},
        {"初期画面", [](Board& b) { return b.initialScreen(); }, BoardStep{BoardCommand::InitialScreen, 0}},
        {"大", [](Board& b) { return b.setPlaneSize(2); }, BoardStep{BoardCommand::Size, 2}},
        {"中, the size it has", [](Board& b) { return b.setPlaneSize(1); }, std::nullopt},
        {"新規", [](Board& b) { return b.newBoard(); }, BoardStep{BoardCommand::New, 0}},
        {"open a lesson",
            [](Board& b) { return std::get<Outcome>(b.open(oneLineLesson(), BoardCommand::Open, "/l.zelmora")); },
            BoardStep{BoardCommand::Open, 0}},
        {"open the last run's board",
            [](Board& b) { return std::get<Outcome>(b.open(oneLineLesson(), BoardCommand::Recover)); },
            BoardStep{BoardCommand::Recover, 0}},
        {"choose a slot", [](Board& b) { return b.selectSlot(5); }, std::nullopt},
        {"show the marks",
            [](Board& b) {
                ShowOptions all;
                all.Numbers = all.Equations = all.Intersections = all.Endpoints = all.Slope = true;
                return b.setShowOptions(all);
            },
            BoardStep{BoardCommand::Show, 0}},
        {"the marks shown already", [](Board& b) { return b.setShowOptions({}); }, std::nullopt},
        {"the marks of an earlier run", [](Board& b) { return b.setShowOptions({true}, false); }, std::nullopt},
    };
    for (const CommandRow& row : rows) {
        SCOPED_TRACE(row.Name);
        Board board = twoLines();
        board.selectSlot(row.Slot);
        const Board before = board;
        row.Command(board);
        const Board after = board;
        EXPECT_EQ(board.undoStep(), row.Step ? row.Step : std::optional(BoardStep{BoardCommand::Draw, 1}));
        if (!row.Step)
            continue;
        EXPECT_NE(board.version(), before.version());
        board.undo();
        EXPECT_TRUE(sameBoard(board, before));
        EXPECT_EQ(board.version(), before.version());
        EXPECT_EQ(board.redoStep(), row.Step);
        board.redo();
        EXPECT_TRUE(sameBoard(board, after));
        EXPECT_EQ(board.version(), after.version());
        EXPECT_EQ(board.document(), after.document());
    }
}

// A step back shows the board as it was: the current slot's texts from its start, its button, the
// size mark, the whole picture, and no message.
TEST(BoardHistory, UndoShowsTheBoardWhole)
{
    Board board = twoLines();
    board.setPlaneSize(0);
    board.selectSlot(0);
    board.erase();
    const Outcome outcome = board.undo();
    ASSERT_TRUE(outcome.Texts);
    EXPECT_EQ(*outcome.Texts, (EntryTexts{"-2/ 3", " 1", "-3", " 3"}));
    EXPECT_EQ(outcome.CheckedSlot, 0);
    EXPECT_EQ(outcome.SizeMark, 0);
    EXPECT_EQ(outcome.Focus, EntryBox::A);
    EXPECT_EQ(outcome.Message, Notice{});
    EXPECT_EQ(outcome.Picture, PictureChange::Whole);
    EXPECT_TRUE(board.slotTable().isDrawn(0));
}

TEST(BoardHistory, UndoingEveryStepGivesTheStartUpBoard)
{
    const Board start;
    Board board = twoLines();
    board.setPlaneSize(2);
    board.initialScreen();
    board.draw(second);
    board.undo(); // a step undone and a new one taken: the undone one cannot be redone
    board.setPlaneSize(0);
    EXPECT_EQ(board.redoStep(), std::nullopt);
    int steps = 0;
    while (board.undoStep()) {
        board.undo();
        ++steps;
    }
    EXPECT_EQ(steps, 5);
    EXPECT_TRUE(sameBoard(board, start));
    EXPECT_EQ(board.undo(), Outcome{});
    while (board.redoStep())
        board.redo();
    EXPECT_EQ(board.unitPixels(), PlaneSizes[0].UnitPixels);
    EXPECT_FALSE(board.slotTable().isDrawn(0));
}

TEST(BoardHistory, KeepsTheNewestStepsUpToTheLimit)
{
    Board board;
    const std::size_t steps = History::Limit + 40;
    for (std::size_t k = 0; k < steps; ++k)
        board.setPlaneSize(static_cast<int>(k % 3));
    std::size_t undone = 0;
    while (board.undoStep()) {
        board.undo();
        ++undone;
    }
    EXPECT_EQ(undone, History::Limit);
    // The oldest step kept is the one taken from the size of step 40 to that of step 41.
    EXPECT_EQ(board.planeSize(), 39 % 3);
}

// Undoing 開く gives the board back the file it belonged to, so that saving then never writes one
// lesson's lines into another lesson's file.
TEST(BoardHistory, UndoAcrossOpenGivesBackTheFile)
{
    Board board;
    board.open(oneLineLesson(), BoardCommand::Open, "/a.zelmora");
    board.draw(typical);
    board.open(Lesson{}, BoardCommand::Open, "/b.zelmora");
    EXPECT_EQ(board.document(), "/b.zelmora");
    board.undo();
    EXPECT_EQ(board.document(), "/a.zelmora");
    EXPECT_TRUE(board.isModified());
    board.undo();
    EXPECT_EQ(board.document(), "/a.zelmora");
    EXPECT_FALSE(board.isModified());
    board.undo();
    EXPECT_EQ(board.document(), "");
    board.redo();
    board.redo();
    EXPECT_EQ(board.document(), "/a.zelmora");
    board.newBoard();
    EXPECT_EQ(board.document(), "");
    board.undo();
    EXPECT_EQ(board.document(), "/a.zelmora");
}

struct SavedRow {
    const char* Name;
    std::function<void(Board&)> After; // done after the board was saved
    bool Modified;
};

TEST(BoardHistory, KnowsWhetherTheBoardDiffersFromItsFile)
{
    const std::vector<SavedRow> rows{
        {"nothing", [](Board&) {}, false},
        {"a line drawn", [](Board& b) { b.draw(typical); }, true},
        {"a line drawn and undone",
            [](Board& b) {
                b.draw(typical);
                b.undo();
            },
            false},
        {"a step undone", [](Board& b) { b.undo(); }, true},
        {"a step undone and redone",
            [](Board& b) {
                b.undo();
                b.redo();
            },
            false},
        {"a refused draw",
            [](Board& b) {
                b.draw({"1/0", "1", "0", "1"});
            },
            false},
        {"a slot chosen", [](Board& b) { b.selectSlot(6); }, false},
        {"another size and back",
            [](Board& b) {
                b.setPlaneSize(2);
                b.setPlaneSize(1);
            },
            true},
        {"saved again after a line",
            [](Board& b) {
                b.draw(typical);
                b.markSaved("/s.zelmora");
            },
            false},
    };
    for (const SavedRow& row : rows) {
        SCOPED_TRACE(row.Name);
        Board board = twoLines();
        EXPECT_TRUE(board.isModified());
        board.markSaved("/s.zelmora");
        EXPECT_FALSE(board.isModified());
        row.After(board);
        EXPECT_EQ(board.isModified(), row.Modified);
        EXPECT_EQ(board.document(), "/s.zelmora");
    }
}

// A lesson's title and practice tasks stay with the board through a save, and go and come back
// with its file.
TEST(BoardHistory, TheTitleBelongsToTheLesson)
{
    Board board;
    Lesson titled = oneLineLesson();
    titled.Title = "一次関数のグラフ";
    titled.Practice = {{{TaskKind::Range, {{"2", "-1", "-1", "3"}}}}, 4721};
    board.open(titled, BoardCommand::Open, "/t.zelmora");
    board.draw(typical);
    EXPECT_EQ(board.lesson().Title, "一次関数のグラフ");
    EXPECT_EQ(board.lesson().Practice, titled.Practice);
    board.newBoard();
    EXPECT_EQ(board.lesson().Title, "");
    EXPECT_TRUE(board.lesson().Practice.empty());
    board.undo();
    EXPECT_EQ(board.lesson().Title, "一次関数のグラフ");
    EXPECT_EQ(board.lesson().Practice, titled.Practice);
}

TEST(BoardHistory, AnOpenedLessonIsUnchangedUntilAStep)
{
    Board board;
    board.open(oneLineLesson(), BoardCommand::Open, "/a.zelmora");
    EXPECT_FALSE(board.isModified());
    board.open(oneLineLesson(), BoardCommand::Recover);
    EXPECT_EQ(board.document(), "");
    EXPECT_TRUE(board.isModified());
}

} // namespace
} // namespace zelmora
