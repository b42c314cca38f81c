// SPDX-License-Identifier: MIT
// The sliders' steps: each position's exact value, the text the boxes show for it (read back by the
// same rules to that value), the ends, and the step a line's a starts with.
#include "board/ParameterScale.h"
#include "board/Board.h"
#include "entry/TextRules.h"
#include "facts/ExactNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelmora {
namespace {

struct TextRow {
    const char* Name;
    ParameterStep Step;
    int Range;
    int Position;
    std::string Text;
};

TEST(ParameterScale, EachPositionIsItsFractionAsThePupilTypesIt)
{
    const std::vector<TextRow> rows{
        {"a half", ParameterStep::Half, 5, 1, " 1/ 2"},
        {"minus two halves is -1", ParameterStep::Half, 5, -2, "-1"},
        {"the lowest half", ParameterStep::Half, 5, -10, "-5"},
        {"minus two thirds", ParameterStep::Third, 5, -2, "-2/ 3"},
        {"the highest third", ParameterStep::Third, 5, 15, " 5"},
        {"two quarters are a half", ParameterStep::Quarter, 5, 2, " 1/ 2"},
        {"seven quarters", ParameterStep::Quarter, 5, -7, "-7/ 4"},
        {"three tenths", ParameterStep::Tenth, 5, 3, "0.3"},
        {"minus fifteen tenths", ParameterStep::Tenth, 5, -15, "-1.5"},
        {"minus one tenth", ParameterStep::Tenth, 5, -1, "-0.1"},
        {"ten tenths", ParameterStep::Tenth, 5, 10, " 1"},
        {"zero", ParameterStep::Tenth, 5, 0, " 0"},
        {"b in whole steps", ParameterStep::Whole, 10, -10, "-10"},
        {"b in halves", ParameterStep::Half, 10, 19, " 19/ 2"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const ParameterScale scale = parameterScale(row.Step, row.Range);
        EXPECT_EQ(parameterText(scale, row.Position), row.Text);
    }
}

// Every position of every scale reads back, through the rules of the boxes, to exactly k / d.
TEST(ParameterScale, EveryTextReadsBackToTheExactValue)
{
    for (const auto& [step, range] : std::vector<std::pair<ParameterStep, int>>{{ParameterStep::Half, 5},
             {ParameterStep::Third, 5}, {ParameterStep::Quarter, 5}, {ParameterStep::Tenth, 5},
             {ParameterStep::Whole, 10}, {ParameterStep::Half, 10}}) {
        const ParameterScale scale = parameterScale(step, range);
        EXPECT_EQ(scale.Minimum, -range * scale.Denominator);
        EXPECT_EQ(scale.Maximum, range * scale.Denominator);
        for (int k = scale.Minimum; k <= scale.Maximum; ++k) {
            const std::string text = parameterText(scale, k);
            const auto exact = exactCoefficient(text);
            ASSERT_TRUE(exact) << text;
            mpq_class expected(k, scale.Denominator);
            expected.canonicalize();
            EXPECT_EQ(*exact, expected) << text;
        }
    }
}

TEST(ParameterScale, NearestPositionKeepsOnTheScale)
{
    const ParameterScale thirds = parameterScale(ParameterStep::Third, 5);
    EXPECT_EQ(nearestPosition(thirds, -2.0 / 3.0), -2);
    EXPECT_EQ(nearestPosition(thirds, 0.5), 2) << "halfway between 1/3 and 2/3, away from zero";
    EXPECT_EQ(nearestPosition(thirds, 7), 15);
    EXPECT_EQ(nearestPosition(thirds, -1e30), -15);
    EXPECT_EQ(nearestPosition(thirds, 0.0), 0);
}

TEST(ParameterScale, TheSlopeStartsInTheStepOfItsDenominator)
{
    const struct {
        float Numerator, Denominator;
        ParameterStep Step;
    } rows[] = {{-2, 3, ParameterStep::Third}, {3, 4, ParameterStep::Quarter}, {2, 6, ParameterStep::Third},
        {2, 4, ParameterStep::Half}, {1, 2, ParameterStep::Half}, {5, 1, ParameterStep::Half},
        {0.3f, 1, ParameterStep::Half}, {1e30f, 3, ParameterStep::Half}, {3, -4, ParameterStep::Quarter}};
    for (const auto& row : rows)
        EXPECT_EQ(slopeStepFor(row.Numerator, row.Denominator), row.Step) << row.Numerator << "/" << row.Denominator;
}

// One drag is one step however many moves it makes; the domain stays as stored.
TEST(MoveLine, ADragIsOneStepAndKeepsTheDomain)
{
    Board board;
    board.draw({"-2/3", "1", "-3", "3"});
    ASSERT_EQ(board.lineSlot(), 0);
    const SlotTable drawn = board.slotTable();
    board.moveLine(0, "-1/ 3", " 1", false);
    board.moveLine(0, " 0", " 1", true);
    const Outcome last = board.moveLine(0, " 1/ 3", " 2", true);
    EXPECT_EQ(last.Picture, PictureChange::Whole);
    EXPECT_FALSE(last.Texts) << "the boxes show slot ２, not the moved line";
    EXPECT_EQ(entryTexts(board.slotTable(), 0), (EntryTexts{" 1/ 3", " 2", "-3", " 3"}));
    EXPECT_EQ(board.undoStep(), (BoardStep{BoardCommand::Move, 0}));
    board.undo();
    EXPECT_EQ(board.slotTable().cells(), drawn.cells());

    board.redo();
    board.moveLine(0, " 1", " 2", true); // after an undo or a redo, a move begins a step of its own
    board.undo();
    EXPECT_EQ(entryTexts(board.slotTable(), 0)[0], " 1/ 3");
    EXPECT_EQ(board.moveLine(5, " 1", " 1", false), Outcome{}) << "slot ６ holds no line";
    EXPECT_EQ(board.moveLine(0, "1/0", " 1", false), Outcome{});
    board.selectSlot(0);
    EXPECT_EQ(board.moveLine(0, " 2", " 1", false).Texts, (EntryTexts{" 2", " 1", "-3", " 3"}));
}

// Moving b keeps a as stored, though its text, at seven digits, would not read back to it.
TEST(MoveLine, WhatIsNotMovedStaysAsStored)
{
    Board board;
    board.draw({"0.1234567891", "1", "-0.1234567891", "3"});
    const SlotTable drawn = board.slotTable();
    board.moveLine(0, std::nullopt, " 2", false);
    EXPECT_EQ(board.slotTable().get(0, SlotTable::ANum), drawn.get(0, SlotTable::ANum));
    EXPECT_EQ(board.slotTable().get(0, SlotTable::XFrom), drawn.get(0, SlotTable::XFrom));
    EXPECT_EQ(board.slotTable().get(0, SlotTable::BNum), 2.0f);
}

} // namespace
} // namespace zelmora
