// SPDX-License-Identifier: MIT
// The commands of the panel on the board, without a window: what each does to the state and what
// it tells the window to show.
#include "board/Board.h"

#include <gtest/gtest.h>

#include <array>

namespace zelmora {
namespace {

struct Stored {
    float ANum, ADen, BNum, BDen, XFrom, XTo;
    friend bool operator==(const Stored&, const Stored&) = default;
};

Stored stored(const Board& board, int slot)
{
    const SlotTable& t = board.slotTable();
    return {t.get(slot, SlotTable::ANum), t.get(slot, SlotTable::ADen), t.get(slot, SlotTable::BNum),
        t.get(slot, SlotTable::BDen), t.get(slot, SlotTable::XFrom), t.get(slot, SlotTable::XTo)};
}

void PrintTo(const Stored& s, std::ostream* out)
{
    *out << s.ANum << "/" << s.ADen << ", " << s.BNum << "/" << s.BDen << ", " << s.XFrom << ".." << s.XTo;
}

const EntryTexts typical{"-2/3", "1", "-3", "3"};
const EntryTexts empty{};

TEST(Board, StartsAsTheWindowOpens)
{
    const Board board;
    EXPECT_EQ(board.geometry().OriginX, 300);
    EXPECT_EQ(board.geometry().OriginY, 300);
    EXPECT_EQ(board.unitPixels(), 22);
    EXPECT_EQ(board.planeSize(), 1);
    EXPECT_EQ(board.currentSlot(), 0);
    for (float cell : board.slotTable().cells())
        EXPECT_EQ(cell, 0.0f);
}

TEST(Board, DrawStoresTheLineDrawsItsSegmentAndMovesOn)
{
    Board board;
    const Outcome outcome = board.draw(typical);
    EXPECT_TRUE(board.slotTable().isDrawn(0));
    EXPECT_EQ(stored(board, 0), (Stored{-2, 3, 1, 1, -3, 3}));
    EXPECT_EQ(board.currentSlot(), 1);

    Outcome expected;
    expected.Texts = empty;
    expected.CheckedSlot = 1;
    expected.Focus = EntryBox::A;
    expected.Message = std::monostate{};
    expected.Picture = PictureChange::Segment;
    expected.Slot = 0;
    EXPECT_EQ(outcome, expected);
}

TEST(Board, DrawingInTheLastSlotWrapsToTheFirstAndShowsIt)
{
    Board board;
    board.draw({"1/3", ".5", "-1", "2"});
    board.selectSlot(7);
    const Outcome outcome = board.draw({"2", "", "", "1"});
    EXPECT_EQ(board.currentSlot(), 0);
    EXPECT_EQ(outcome.CheckedSlot, 0);
    EXPECT_EQ(outcome.Texts, (EntryTexts{" 1/ 3", " .5", "-1", " 2"}));
    EXPECT_EQ(outcome.Slot, 7);
}

TEST(Board, EmptyBoxesStoreZeroOverOneAndBothBoundsZero)
{
    Board board;
    board.draw(empty);
    EXPECT_EQ(stored(board, 0), (Stored{0, 1, 0, 1, 0, 0}));
}

TEST(Board, DrawingASlotAgainReplacesItsValuesAndDrawsOnlyTheNewSegment)
{
    Board board;
    board.draw({"0", "5", "-3", "3"});
    board.selectSlot(0);
    const Outcome outcome = board.draw({"0", "-5", "-3", "3"});
    EXPECT_EQ(stored(board, 0), (Stored{0, 1, -5, 1, -3, 3}));
    EXPECT_EQ(outcome.Picture, PictureChange::Segment) << "the old segment stays until a full redraw";
}

TEST(Board, ARefusedLineChangesNothingAndSaysWhichBoxAndWhy)
{
    using enum EntryFault;
    const struct {
        const char* Name;
        EntryTexts Texts;
        EntryRefusal Expected;
    } rows[] = {{"zero denominator of a", {"1/0", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"nothing after the slash", {"1", "2/", "0", "1"}, {EntryBox::B, ZeroDenominator}},
        {"full-width zero denominator", {"１／０", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a outside single precision", {"1E39", "1", "0", "1"}, {EntryBox::A, TooLarge}},
        {"b beyond double", {"1", "1E400", "0", "1"}, {EntryBox::B, TooLarge}},
        {"huge denominator", {"1", "1/-1E39", "0", "1"}, {EntryBox::B, DenominatorTooLarge}},
        {"lower bound", {"1", "1", "-1E39", "1"}, {EntryBox::From, TooLarge}},
        {"upper bound, first fault wins", {"1", "1", "0", "1E99"}, {EntryBox::To, TooLarge}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Board board;
        board.draw({"1", "0", "-1", "1"});
        board.draw({"2", "0", "0", "1"});
        board.selectSlot(1);
        const auto before = board.slotTable().cells();

        const Outcome outcome = board.draw(row.Texts);
        EXPECT_EQ(board.slotTable().cells(), before);
        EXPECT_EQ(board.currentSlot(), 1);
        Outcome expected;
        expected.Focus = row.Expected.Box;
        expected.SelectFocusedText = true;
        expected.Message = row.Expected;
        EXPECT_EQ(outcome, expected);
    }
}

TEST(Board, ADrawnLineSaysWhatWasIgnoredOrThatItHasNoLength)
{
    const struct {
        const char* Name;
        EntryTexts Texts;
        Stored Line;
        Notice Said;
    } rows[] = {
        {"ignored characters", {"1", "0", "-1/2", "1"}, {1, 1, 0, 1, -1, 1}, IgnoredText{EntryBox::From, "/2"}},
        {"all four boxes empty", {"", "", "", ""}, {0, 1, 0, 1, 0, 0}, ZeroLengthLine{0, 0}},
        {"both ends at 2", {"1", "0", "2", "2"}, {1, 1, 0, 1, 2, 2}, ZeroLengthLine{0, 2}},
        {"ignored text is told first", {"1", "0", "2x", "2"}, {1, 1, 0, 1, 2, 2}, IgnoredText{EntryBox::From, "x"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Board board;
        const Outcome outcome = board.draw(row.Texts);
        EXPECT_EQ(stored(board, 0), row.Line);
        EXPECT_EQ(outcome.Message, row.Said);
        EXPECT_EQ(outcome.Picture, PictureChange::Segment);
    }
}

TEST(Board, ALessonsNoticesAreAllListedInTheOrderOfSlotsAndBoxes)
{
    Lesson lesson;
    lesson.Slots[0] = EntryTexts{"3abc", "", "0", "1/2"};
    lesson.LeftOut[0] = EntryBox::B;
    lesson.Slots[2] = EntryTexts{"1", "2", "0", "1"};
    lesson.Slots[4] = EntryTexts{"1", "2", "0x", "1"};
    const std::vector<LessonNotice> expected{
        {0, EntryBox::A, "abc"}, {0, EntryBox::B, std::nullopt}, {0, EntryBox::To, "/2"}, {4, EntryBox::From, "x"}};
    EXPECT_EQ(lessonNotices(lesson), expected);
    Board board;
    EXPECT_EQ(std::get<Outcome>(board.open(lesson)).Message, Notice(expected.front()))
        << "the message area tells the first";
}

TEST(Board, SelectingShowsTheSlotAndSelectingTheCurrentOneKeepsTheBoxes)
{
    Board board;
    board.draw({"2/-1", "-3/-1", "-2", "2"});
    const Outcome shown = board.selectSlot(0);
    EXPECT_EQ(shown.Texts, (EntryTexts{"-2", " 3", "-2", " 2"})) << "a denominator of -1 keeps its sign";
    EXPECT_EQ(shown.CheckedSlot, 0);
    EXPECT_EQ(shown.Focus, EntryBox::A);
    EXPECT_EQ(shown.Picture, PictureChange::None);
    EXPECT_EQ(board.currentSlot(), 0);

    EXPECT_EQ(board.selectSlot(0), Outcome{}) << "typed text stays";
    EXPECT_EQ(board.selectSlot(5).Texts, empty);
    EXPECT_EQ(board.currentSlot(), 5);
}

TEST(Board, EraseEmptiesTheCurrentSlotKeepsItsValuesAndRedrawsEverything)
{
    Board board;
    board.draw({"1", "0", "-2", "2"});
    board.selectSlot(0);
    const Outcome outcome = board.erase();
    EXPECT_FALSE(board.slotTable().isDrawn(0));
    EXPECT_EQ(stored(board, 0), (Stored{1, 1, 0, 1, -2, 2}));
    EXPECT_EQ(board.currentSlot(), 0);
    Outcome expected;
    expected.Texts = empty;
    expected.Focus = EntryBox::A;
    expected.Message = std::monostate{};
    expected.Picture = PictureChange::Whole;
    EXPECT_EQ(outcome, expected);
}

TEST(Board, InitialScreenEmptiesEverySlotButKeepsThePlaneSize)
{
    Board board;
    board.draw({"1", "1", "-2", "2"});
    board.draw({"2", "1", "-2", "2"});
    board.setPlaneSize(0);
    board.selectSlot(0);
    const Outcome outcome = board.initialScreen();
    for (int slot = 0; slot < SlotTable::Rows; ++slot)
        EXPECT_FALSE(board.slotTable().isDrawn(slot)) << slot;
    EXPECT_EQ(board.currentSlot(), 0);
    EXPECT_EQ(board.unitPixels(), 40);
    EXPECT_EQ(outcome.Texts, empty) << "emptied even though slot １ was current";
    EXPECT_EQ(outcome.CheckedSlot, 0);
    EXPECT_EQ(outcome.Picture, PictureChange::Plane);
    EXPECT_EQ(outcome.SizeMark, std::nullopt);

    board.draw({"3", "", "0", "1"});
    EXPECT_TRUE(board.slotTable().isDrawn(0)) << "the next line goes to slot １";
}

TEST(Board, PlaneSizeSetsTheScaleMarksTheButtonAndRedrawsEverything)
{
    const struct {
        int Size;
        std::int16_t UnitPixels;
    } rows[] = {{0, 40}, {2, 14}, {1, 22}};
    Board board;
    board.draw(typical);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Size);
        const Outcome outcome = board.setPlaneSize(row.Size);
        EXPECT_EQ(board.unitPixels(), row.UnitPixels);
        EXPECT_EQ(board.planeSize(), row.Size);
        EXPECT_EQ(outcome.SizeMark, row.Size);
        EXPECT_EQ(outcome.Picture, PictureChange::Whole);
        EXPECT_EQ(outcome.Texts, std::nullopt) << "the boxes keep what they hold";
        EXPECT_EQ(board.currentSlot(), 1);
    }
    EXPECT_EQ(board.setPlaneSize(3), Outcome{});
}

TEST(Board, ALessonRoundTripsThroughTheBoard)
{
    Board board;
    board.draw({"-2/3", "1", "-3", "3"});
    board.draw({"2/-1", "0.5", "-1E+30", "1E-05"});
    board.selectSlot(5);
    board.draw({"１／２", "ー３", "０。５", "４"});
    board.setPlaneSize(2);
    board.selectSlot(1);

    board.setShowOptions({true, false, true, false, true});
    const Lesson lesson = board.lesson();
    EXPECT_EQ(lesson.Show, (ShowOptions{true, false, true, false, true}));
    EXPECT_EQ(lesson.Size, 2);
    EXPECT_EQ(lesson.CurrentSlot, 1);
    EXPECT_EQ(lesson.Slots[0], (EntryTexts{"-2/ 3", " 1", "-3", " 3"}));
    EXPECT_EQ(lesson.Slots[1], (EntryTexts{"-2", " .5", "-1E+30", " 1E-05"}));
    EXPECT_EQ(lesson.Slots[5], (EntryTexts{" 1/ 2", "-3", " .5", " 4"}));
    EXPECT_FALSE(lesson.Slots[2].has_value());

    Board reopened;
    const auto opened = reopened.open(lesson);
    ASSERT_TRUE(std::holds_alternative<Outcome>(opened));
    // The same lines: a = 2/-1 comes back as -2/1, the value its box showed.
    for (const int slot : {0, 5})
        EXPECT_EQ(stored(reopened, slot), stored(board, slot)) << slot;
    EXPECT_EQ(stored(reopened, 1), (Stored{-2, 1, 0.5f, 1, -1e30f, 1e-5f}));
    EXPECT_EQ(reopened.currentSlot(), 1);
    EXPECT_EQ(reopened.unitPixels(), 14);
    const Outcome& outcome = std::get<Outcome>(opened);
    EXPECT_EQ(outcome.Texts, lesson.Slots[1]);
    EXPECT_EQ(outcome.CheckedSlot, 1);
    EXPECT_EQ(outcome.SizeMark, 2);
    EXPECT_EQ(outcome.Picture, PictureChange::Whole);
    EXPECT_EQ(reopened.lesson(), lesson);
    EXPECT_EQ(reopened.showOptions(), (ShowOptions{true, false, true, false, true})) << "the lesson's show wins";

    Lesson silent = lesson;
    silent.Show.reset();
    reopened.setShowOptions({false, true, false, false, false});
    reopened.open(silent);
    EXPECT_EQ(reopened.showOptions(), (ShowOptions{false, true, false, false, false}))
        << "a lesson that says nothing keeps what is shown";
}

// An open end is a step of its own, stays with the line's domain while a and b move, goes with a
// line drawn anew, and is saved; a domain of one point has no end to leave open.
TEST(Board, AnOpenEndIsOneStepKeptByMovesAndSaved)
{
    Board board;
    board.draw({"-2/3", "1", "-3", "3"});
    board.setOpenEnd(0, EntryBox::From, true);
    EXPECT_TRUE(board.line(0)->FromOpen);
    EXPECT_EQ(board.undoStep(), (BoardStep{BoardCommand::Ends, 0}));
    board.undo();
    EXPECT_FALSE(board.line(0)->FromOpen);
    EXPECT_EQ(board.lineForms()[0], std::nullopt) << "nothing kept beside a plain line";
    board.redo();
    board.moveLine(0, "2", std::nullopt, false);
    EXPECT_TRUE(board.line(0)->FromOpen) << "moving a and b keeps the domain";
    EXPECT_EQ(board.lesson().Open[0], (OpenEnds{true, false}));

    Board reopened;
    ASSERT_TRUE(std::holds_alternative<Outcome>(reopened.open(board.lesson())));
    EXPECT_EQ(reopened.lesson(), board.lesson());

    board.selectSlot(0);
    board.draw({"1", "0", "2", "2"});
    EXPECT_FALSE(board.line(0)->FromOpen) << "a line drawn anew";
    const auto steps = board.undoStep();
    board.setOpenEnd(0, EntryBox::To, true);
    EXPECT_EQ(board.undoStep(), steps) << "a point has no end to leave open";
    Lesson point = board.lesson();
    point.Open[0].To = true;
    EXPECT_EQ(std::get<LessonRefusal>(reopened.open(point)).Equation->Fault, EquationFault::OpenEndOfPoint);
}

TEST(Board, ALessonWithATextTheDrawCommandRefusesChangesNothing)
{
    Board board;
    board.draw(typical);
    const auto before = board.slotTable().cells();
    Lesson lesson;
    lesson.Slots[0] = EntryTexts{"1", "2", "0", "1"};
    lesson.Slots[2] = EntryTexts{"1", "1/0", "0", "1"};
    lesson.Size = 0;
    const auto opened = board.open(lesson);
    ASSERT_TRUE(std::holds_alternative<LessonRefusal>(opened));
    EXPECT_EQ(std::get<LessonRefusal>(opened), (LessonRefusal{2, {EntryBox::B, EntryFault::ZeroDenominator}}));
    EXPECT_EQ(board.slotTable().cells(), before);
    EXPECT_EQ(board.unitPixels(), 22);
    EXPECT_EQ(board.currentSlot(), 1);
}

} // namespace
} // namespace zelmora
