#include "entry/LineEntry.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <variant>

using namespace zelmora;

namespace {

LineValues readLine(const EntryTexts& texts)
{
    const auto result = readLineEntry(texts);
    if (const auto* fault = std::get_if<EntryFault>(&result)) {
        ADD_FAILURE() << "unexpected fault: " << fault->message;
        return {};
    }
    return std::get<LineValues>(result);
}

void expectLine(const LineValues& actual, Coefficient a, Coefficient b, float xFrom, float xTo)
{
    EXPECT_EQ(actual.a, a);
    EXPECT_EQ(actual.b, b);
    EXPECT_EQ(actual.xFrom, xFrom);
    EXPECT_EQ(actual.xTo, xTo);
}

TEST(ReadLineEntry, ReadsFractionsDecimalsAndBounds)
{
    expectLine(readLine({"-2/3", "1", "-3", "3"}), {-2, 3}, {1, 1}, -3, 3);
    expectLine(readLine({" .5", "-1/ 4", "-1.5", "2.5"}), {0.5f, 1}, {-1, 4}, -1.5f, 2.5f);
}

TEST(ReadLineEntry, FullWidthReadsAsAscii)
{
    expectLine(readLine({"－２／３", "\u3000１", "ー３", "３．５"}), {-2, 3}, {1, 1}, -3, 3.5f);
    expectLine(readLine({"＆Ｈ１Ｆ", "\u22121", "\u20102", "１Ｅ１"}), {31, 1}, {-1, 1}, -2, 10);
}

TEST(ReadLineEntry, EmptyBoxesAreZeroWithDenominatorOne)
{
    expectLine(readLine({"", "", "", ""}), {0, 1}, {0, 1}, 0, 0);
}

TEST(ReadLineEntry, BoundIsNotSplitAtASlash)
{
    expectLine(readLine({"1", "0", "1/2", "1/0"}), {1, 1}, {0, 1}, 1, 1);
}

TEST(ReadLineEntry, FaultNamesTheFirstBoxAtFault)
{
    const std::string aZeroDenominator = "ａの分母が０です。";
    const struct {
        const char* name;
        EntryTexts texts;
        EntryBox box;
        std::string message;
    } rows[] = {{"a = 1/0", {"1/0", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"a = 0/0", {"0/0", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"a = /", {"/", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"a = //", {"//", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"a = 1//2", {"1//2", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"denominator underflows to 0", {"1/1E-50", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"full-width 1/0", {"１／０", "1", "0", "1"}, EntryBox::A, aZeroDenominator},
        {"a beyond single", {"1E39", "1", "0", "1"}, EntryBox::A, "ａの値が大きすぎます。"},
        {"a beyond double", {"1E400", "1", "0", "1"}, EntryBox::A, "ａの値が大きすぎます。"},
        {"a denominator beyond single", {"1/1E39", "1", "0", "1"}, EntryBox::A, "ａの分母が大きすぎます。"},
        {"b = 1/0", {"1", "1/0", "0", "1"}, EntryBox::B, "ｂの分母が０です。"},
        {"lower bound beyond single", {"1", "1", "-1E39", "1"}, EntryBox::From, "χの値が大きすぎます。"},
        {"upper bound beyond single", {"1", "1", "0", "1E39"}, EntryBox::To, "χの値が大きすぎます。"},
        {"a before b", {"1/0", "1/0", "1E39", "1E39"}, EntryBox::A, aZeroDenominator},
        {"b before the bounds", {"1", "1/0", "1E39", "1"}, EntryBox::B, "ｂの分母が０です。"},
        {"lower before upper", {"1", "1", "1E39", "1E39"}, EntryBox::From, "χの値が大きすぎます。"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto result = readLineEntry(row.texts);
        const auto* fault = std::get_if<EntryFault>(&result);
        ASSERT_NE(fault, nullptr);
        EXPECT_EQ(fault->box, row.box);
        EXPECT_EQ(fault->message, row.message);
    }
}

TEST(StoreLine, FillsTheSlotColumnAfterColumn)
{
    SlotTable table;
    storeLine(table, 5, LineValues{{1, 3}, {0.5f, 2}, -2, 4});
    const auto& cells = table.cells();
    // Drawn, ANum, BNum, XFrom, XTo, ADen, BDen, ten cells apart.
    const float expected[] = {1, 1, 0.5f, -2, 4, 3, 2};
    for (int column = 0; column < SlotTable::Columns; ++column)
        EXPECT_EQ(cells[static_cast<std::size_t>(5 + 10 * column)], expected[column]) << "column " << column;
    EXPECT_FALSE(table.isDrawn(4));
}

TEST(EntryTexts, ShowTheStoredSlot)
{
    SlotTable table;
    storeLine(table, 0, LineValues{{1, 3}, {0.5f, 1}, -2, 0.5f});
    storeLine(table, 1, LineValues{{-2, 3}, {7, -1}, 1e8f, -1.5e-5f});
    EXPECT_EQ(entryTexts(table, 0), (EntryTexts{" 1/ 3", " .5", "-2", " .5"}));
    EXPECT_EQ(entryTexts(table, 1), (EntryTexts{"-2/ 3", " 7", " 1E+08", "-1.5E-05"}));
    EXPECT_EQ(entryTexts(table, 2), EntryTexts{});

    table.set(0, SlotTable::Drawn, 0);
    EXPECT_EQ(entryTexts(table, 0), EntryTexts{}) << "an emptied slot keeps its values but shows none";
}

} // namespace
