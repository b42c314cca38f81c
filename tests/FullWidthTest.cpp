// SPDX-License-Identifier: MIT
#include "entry/FullWidth.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace zelmora;

namespace {

// A \u escape takes exactly four hex digits: "\u22123" is U+2212 followed by 3.
TEST(FoldFullWidth, Texts)
{
    const struct {
        const char* Name;
        std::string Text;
        std::string Expected;
    } rows[] = {{"fraction", "－２／３", "-2/3"}, {"decimal", "３．５", "3.5"},
        {"kana long vowel as minus", "ー３", "-3"}, {"minus sign", "\u22123", "-3"},
        {"kana-mode slash", "２・３", "2/3"}, {"half-width kana-mode slash", "２\uFF653", "2/3"},
        {"kana-mode point", "０。５", "0.5"}, {"half-width kana-mode point", "０\uFF615", "0.5"},
        {"hyphen", "\u20103", "-3"}, {"ideographic space", "\u30003", " 3"}, {"hex prefix", "＆Ｈ１Ｆ", "&H1F"},
        {"exponent", "１ｅ＋５", "1e+5"}, {"first form", "！", "!"}, {"last form", "～", "~"},
        {"past the forms", "\uFF5F", "\uFF5F"}, {"half-width kana", "\uFF70", "\uFF70"},
        {"ASCII", "-2/3 abc", "-2/3 abc"}, {"chi", "χ", "χ"}, {"emoji", "\U0001F6001", "\U0001F6001"},
        {"combining mark", "e\u0301", "e\u0301"}, {"invalid byte", "1\3772", "1\uFFFD2"},
        {"lone continuation byte", "\x80", "\uFFFD"}, {"truncated sequence", "３\xE3\x81", "3\uFFFD\uFFFD"},
        {"overlong slash", "\xC0\xAF", "\uFFFD\uFFFD"}, {"encoded surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"overlong three bytes", "\xE0\x80\x80", "\uFFFD\uFFFD\uFFFD"},
        {"lead byte F5", "\xF5\x80\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(foldFullWidth(row.Text), row.Expected);
    }
}

TEST(FoldFullWidth, OriginalOffsetFindsTheTypedCharacter)
{
    const struct {
        const char* Name;
        std::string Original;
        std::size_t FoldedOffset;
        std::size_t Expected;
    } rows[] = {{"ASCII", "3abc", 1, 1}, {"full-width", "３ａｂ", 1, 3}, {"mixed", "３a１", 2, 4},
        {"invalid byte counts once",
            "\xFF"
            "3x",
            4, 2},
        {"past the end", "３", 9, 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(originalOffset(row.Original, foldFullWidth(row.Original), row.FoldedOffset), row.Expected);
    }
}

// Folding its own output changes nothing; any invalid byte left in it would be replaced again.
TEST(FoldFullWidth, ArbitraryBytesGiveValidUtf8)
{
    std::mt19937 random(7);
    const std::string alphabet = "a1/\x80\xBF\xC0\xC2\xDF\xE0\xE3\xED\xEF\xF0\xF4\xF5\xFF";
    for (int i = 0; i < 20'000; ++i) {
        std::string bytes(random() % 12, ' ');
        for (char& c : bytes)
            c = random() % 4 ? alphabet[random() % alphabet.size()] : static_cast<char>(random());
        const std::string folded = foldFullWidth(bytes);
        ASSERT_EQ(foldFullWidth(folded), folded) << ::testing::PrintToString(bytes);
    }
}

} // namespace
