// SPDX-License-Identifier: MIT
#include "entry/LineEntry.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

using namespace zelmora;

namespace {

LineValues readLine(const EntryTexts& texts)
{
    const auto result = readLineEntry(texts);
    if (std::holds_alternative<EntryRefusal>(result)) {
        ADD_FAILURE() << "unexpected refusal";
        return {};
    }
    return std::get<LineValues>(result);
}

void expectLine(const LineValues& actual, Coefficient a, Coefficient b, float xFrom, float xTo)
{
    EXPECT_EQ(actual.A, a);
    EXPECT_EQ(actual.B, b);
    EXPECT_EQ(actual.XFrom, xFrom);
    EXPECT_EQ(actual.XTo, xTo);
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
    // Kana mode: the "/" and "." keys type middle dots and ideographic full stops.
    expectLine(readLine({"ー２・３", "１･４", "０。５", "－１｡５"}), {-2, 3}, {1, 4}, 0.5f, -1.5f);
}

TEST(ReadLineEntry, EmptyBoxesAreZeroWithDenominatorOne)
{
    expectLine(readLine({"", "", "", ""}), {0, 1}, {0, 1}, 0, 0);
}

TEST(ReadLineEntry, BoundIsNotSplitAtASlash)
{
    expectLine(readLine({"1", "0", "1/2", "1/0"}), {1, 1}, {0, 1}, 1, 1);
}

TEST(ReadLineEntry, RefusalNamesTheFirstBoxAtFault)
{
    using enum EntryFault;
    const struct {
        const char* Name;
        EntryTexts Texts;
        EntryRefusal Expected;
    } rows[] = {{"a = 1/0", {"1/0", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a = 0/0", {"0/0", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a = /", {"/", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a = //", {"//", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a = 1//2", {"1//2", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a = /0", {"/0", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"denominator underflows to 0", {"1/1E-50", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"full-width 1/0", {"１／０", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"kana-mode 1/0", {"１・０", "1", "0", "1"}, {EntryBox::A, ZeroDenominator}},
        {"a beyond single", {"1E39", "1", "0", "1"}, {EntryBox::A, TooLarge}},
        {"a beyond double", {"1E400", "1", "0", "1"}, {EntryBox::A, TooLarge}},
        {"a beyond double, negative", {"-1E400", "1", "0", "1"}, {EntryBox::A, TooLarge}},
        {"a denominator beyond single", {"1/1E39", "1", "0", "1"}, {EntryBox::A, DenominatorTooLarge}},
        {"b = 1/0", {"1", "1/0", "0", "1"}, {EntryBox::B, ZeroDenominator}},
        {"lower bound beyond single", {"1", "1", "-1E39", "1"}, {EntryBox::From, TooLarge}},
        {"ten thousand digits in a bound", {"1", "1", std::string(10000, '9'), "1"}, {EntryBox::From, TooLarge}},
        {"upper bound beyond single", {"1", "1", "0", "1E39"}, {EntryBox::To, TooLarge}},
        {"a before b", {"1/0", "1/0", "1E39", "1E39"}, {EntryBox::A, ZeroDenominator}},
        {"b before the bounds", {"1", "1/0", "1E39", "1"}, {EntryBox::B, ZeroDenominator}},
        {"lower before upper", {"1", "1", "1E39", "1E39"}, {EntryBox::From, TooLarge}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const auto result = readLineEntry(row.Texts);
        const auto* refusal = std::get_if<EntryRefusal>(&result);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(*refusal, row.Expected);
    }
}

TEST(IgnoredText, NamesTheFirstBoxWithUnreadCharactersAsTyped)
{
    const struct {
        const char* Name;
        EntryTexts Texts;
        std::optional<IgnoredText> Expected;
    } rows[] = {{"everything read", {"-2/3", " 1 ", "-3", "3"}, std::nullopt},
        {"empty boxes", {"", "", "", ""}, std::nullopt}, {"blanks only", {" ", "\t", "\u3000", "\n"}, std::nullopt},
        {"letters after a", {"3abc", "1", "0", "1"}, IgnoredText{EntryBox::A, "abc"}},
        {"comma is no point", {"1", "1,5", "0", "1"}, IgnoredText{EntryBox::B, ",5"}},
        {"fraction in a bound", {"1", "1", "-1/2", "1"}, IgnoredText{EntryBox::From, "/2"}},
        {"upper bound", {"1", "1", "0", "2x"}, IgnoredText{EntryBox::To, "x"}},
        {"first box wins", {"1", "2y", "3z", "1"}, IgnoredText{EntryBox::B, "y"}},
        {"no number at all", {"abc", "", "", ""}, IgnoredText{EntryBox::A, "abc"}},
        {"lone minus", {"-", "", "", ""}, IgnoredText{EntryBox::A, "-"}},
        {"lone point", {".", "", "", ""}, IgnoredText{EntryBox::A, "."}},
        {"lone plus", {"+", "", "", ""}, IgnoredText{EntryBox::A, "+"}},
        {"exponent without mantissa", {"E5", "", "", ""}, IgnoredText{EntryBox::A, "E5"}},
        {"signed exponent without digits", {"1E+", "", "", ""}, IgnoredText{EntryBox::A, "E+"}},
        {"nan is no number", {"nan", "", "", ""}, IgnoredText{EntryBox::A, "nan"}},
        {"inf is no number", {"inf", "", "", ""}, IgnoredText{EntryBox::A, "inf"}},
        {"hex prefix without digits", {"&H", "", "", ""}, IgnoredText{EntryBox::A, "&H"}},
        {"nine is no octal digit", {"&O9", "", "", ""}, IgnoredText{EntryBox::A, "&O9"}},
        {"exponent without digits", {"1E", "", "", ""}, IgnoredText{EntryBox::A, "E"}},
        {"after the numerator", {"2x/3", "", "", ""}, IgnoredText{EntryBox::A, "x"}},
        {"after the denominator", {"2/3x", "", "", ""}, IgnoredText{EntryBox::A, "x"}},
        {"second slash", {"1/2/3", "", "", ""}, IgnoredText{EntryBox::A, "/3"}},
        {"a bound is not split at slashes", {"", "", "1//2", ""}, IgnoredText{EntryBox::From, "//2"}},
        {"emoji ends the number", {"2\U0001F600/3", "", "", ""}, IgnoredText{EntryBox::A, "\U0001F600"}},
        {"combining marks end the number", {"1\u0301\u0308/2", "", "", ""}, IgnoredText{EntryBox::A, "\u0301\u0308"}},
        {"nothing before the slash", {"/3", "", "", ""}, std::nullopt},
        {"full-width text as typed", {"３ａｂ　", "", "", ""}, IgnoredText{EntryBox::A, "ａｂ"}},
        {"kana-mode fraction read whole", {"ー２・３", "０。５", "", ""}, std::nullopt},
        {"blanks inside kept", {"3 a b ", "", "", ""}, IgnoredText{EntryBox::A, "a b"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const auto actual = ignoredText(row.Texts);
        EXPECT_EQ(actual, row.Expected);
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
    EXPECT_EQ(entryTexts(table, 1), (EntryTexts{"-2/ 3", "-7", " 1E+08", "-1.5E-05"}));
    EXPECT_EQ(entryTexts(table, 2), EntryTexts{});

    table.setDrawn(0, false);
    EXPECT_EQ(entryTexts(table, 0), EntryTexts{}) << "an emptied slot keeps its values but shows none";
}

} // namespace
