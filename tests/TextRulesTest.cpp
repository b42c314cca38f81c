// SPDX-License-Identifier: MIT
#include "entry/TextRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace zelmora;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr float infF = std::numeric_limits<float>::infinity();
constexpr float floatMax = std::numeric_limits<float>::max();

TEST(ReadNumber, Texts)
{
    const struct {
        const char* Name;
        std::string Text;
        double Expected;
    } rows[] = {{"empty", "", 0}, {"blanks around", " 3 ", 3}, {"blank inside", "1 2", 12},
        {"tabs and line feeds", "\t-\n4 . 5", -4.5}, {"plus sign", "+7", 7}, {"leading point", ".5", 0.5},
        {"signed leading point", "-.25", -0.25}, {"trailing point", "5.", 5}, {"exponent", "1E2", 100},
        {"lower-case signed exponent", "1e-2", 0.01}, {"blanks around E", "1 E +2", 100}, {"E without digits", "1E", 1},
        {"E and sign without digits", "1E+", 1}, {"E first", "E5", 0}, {"point alone", ".", 0}, {"sign alone", "-", 0},
        {"stops at a letter", "3abc", 3}, {"stops at a slash", "1/2", 1}, {"stops at a second point", "1.2.3", 1.2},
        {"comma is no point", "1,5", 1}, {"letters", "abc", 0}, {"slash first", "/3", 0},
        {"0x is no prefix", "0x1F", 0}, {"hex", "&H1F", 31}, {"hex, lower case, blanks", "& h 1f", 31},
        {"octal", "&O17", 15}, {"octal stops at 8", "&O178", 15}, {"hex without digits", "&H", 0},
        {"octal bad digit", "&O9", 0}, {"hex beyond 64 bits", "&HFFFFFFFFFFFFFFFFF", 0x1p68},
        {"largest double", "1.7976931348623157E308", std::numeric_limits<double>::max()}, {"overflow", "1E400", inf},
        {"negative overflow", "-1E400", -inf}, {"just past", "1.8e308", inf}, {"underflow", "1E-400", 0},
        {"huge exponent", "1E99999999999999999999", inf}, {"huge negative exponent", "1E-99999999999999999999", 0},
        {"zero, huge exponent", "0E999999999", 0}, {"inf", "inf", 0}, {"nan", "nan", 0}, {"Infinity", "Infinity", 0},
        {"-inf", "-inf", 0}, {"plus alone", "+", 0}, {"hex of 96 bits", "&HFFFFFFFFFFFFFFFFFFFFFFFF", 0x1p96}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(ReadNumber(row.Text), row.Expected);
    }
}

TEST(ReadNumberPrefix, LengthEndsWhereReadingStopped)
{
    const struct {
        const char* Text;
        std::size_t Length;
    } rows[] = {{"", 0}, {"3", 1}, {" 3 ", 3}, {"3abc", 1}, {"1 2x", 3}, {"1/2", 1}, {"1E", 1}, {"1E+", 1},
        {"1E+2x", 4}, {"-", 0}, {".", 0}, {"abc", 0}, {"&H1Fz", 4}, {"&H", 0}, {"&Hz", 0}, {"-.5e1 ,", 6}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(readNumberPrefix(row.Text).Length, row.Length);
        EXPECT_EQ(readNumberPrefix(row.Text).Value, ReadNumber(row.Text));
    }
}

TEST(ReadNumber, TenThousandDigitNumbers)
{
    const std::string zeros(9999, '0');
    EXPECT_EQ(ReadNumber("1" + zeros), inf);
    EXPECT_EQ(ReadNumber("-1" + zeros), -inf);
    EXPECT_EQ(ReadNumber("1" + zeros + "E-9999"), 1);
    EXPECT_EQ(ReadNumber("0." + zeros + "1"), 0);
    EXPECT_EQ(ReadNumber("0." + zeros + "1E10000"), 1);
    EXPECT_EQ(ReadNumber("0." + std::string(10000, '3')), 1.0 / 3.0);
    EXPECT_EQ(ReadNumber(zeros + "7"), 7);
}

TEST(FormatNumber, Values)
{
    const struct {
        float Value;
        const char* Expected;
    } rows[] = {{3, " 3"}, {-2, "-2"}, {0, " 0"}, {-0.0f, " 0"}, {0.5f, " .5"}, {-0.25f, "-.25"}, {1.5f, " 1.5"},
        {1.0f / 3.0f, " .3333333"}, {2.0f / 3.0f, " .6666667"}, {100, " 100"}, {3.1415927f, " 3.141593"},
        {1234567, " 1234567"}, {9999999, " 9999999"}, {12345678, " 1.234568E+07"}, {9999999.5f, " 1E+07"},
        {1e8f, " 1E+08"}, {0.0001f, " .0001"}, // the float lies just below 1E-4 and rounds up to it
        {0.00012345f, " .00012345"}, {0.00001f, " 1E-05"}, {-1.5e-5f, "-1.5E-05"}, {floatMax, " 3.402823E+38"},
        {std::numeric_limits<float>::denorm_min(), " 1.401298E-45"},
        // Exact ties round away from zero, as pupils round; just below a tie rounds down.
        {1234566.5f, " 1234567"}, {-1234566.5f, "-1234567"}, {1234567.5f, " 1234568"}, {123456.25f, " 123456.3"},
        {-0.0009765625f, "-.0009765625"}, {9999999.0f, " 9999999"}, {std::nextafter(1234566.5f, 0.0f), " 1234566"},
        {std::nextafter(1234566.5f, 2e6f), " 1234567"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Expected);
        EXPECT_EQ(FormatNumber(row.Value), row.Expected);
    }
}

TEST(ParseCoefficient, Texts)
{
    const struct {
        const char* Text;
        Coefficient Expected;
    } rows[] = {{"-2/3", {-2, 3}}, {" 3/ 4", {3, 4}}, {"1.5", {1.5f, 1}}, {"", {0, 1}}, {"2/", {2, 0}}, {"/3", {0, 3}},
        {"1/2/3", {1, 2}}, {"1/-2", {1, -2}}, {"1／2", {1, 1}}, // a full-width slash is no separator
        {"1E39", {infF, 1}}, {"1/1E-50", {1, 0}}, {" ", {0, 1}}, {"2\U0001F600/3", {2, 3}},
        {"1\u0301\u0308/2", {1, 2}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(ParseCoefficient(row.Text), row.Expected);
    }
}

TEST(FormatCoefficient, Pairs)
{
    EXPECT_EQ(FormatCoefficient(2, 3), " 2/ 3");
    EXPECT_EQ(FormatCoefficient(-2, 3), "-2/ 3");
    EXPECT_EQ(FormatCoefficient(2, -3), " 2/-3");
    EXPECT_EQ(FormatCoefficient(3, 1), " 3");
    // A denominator of -1 is written into the value, so that the text reads back as the same line.
    EXPECT_EQ(FormatCoefficient(2, -1), "-2");
    EXPECT_EQ(FormatCoefficient(-3, -1), " 3");
    EXPECT_EQ(FormatCoefficient(0, -1), " 0");
    EXPECT_EQ(FormatCoefficient(-2, 1), "-2");
    EXPECT_EQ(FormatCoefficient(1, 0), " 1/ 0");
    EXPECT_EQ(FormatCoefficient(0.5f, 0.25f), " .5/ .25");
}

TEST(ToSingle, RoundsAtTheEdgeOfTheSingleRange)
{
    constexpr double halfway = 0x1.ffffffp127; // between the largest float and 2^128
    EXPECT_EQ(toSingle(floatMax), floatMax);
    EXPECT_EQ(toSingle(std::nextafter(halfway, 0.0)), floatMax);
    EXPECT_EQ(toSingle(halfway), infF);
    EXPECT_EQ(toSingle(-halfway), -infF);
    EXPECT_EQ(toSingle(1e300), infF);
    EXPECT_EQ(toSingle(1e-50), 0.0f);
    EXPECT_EQ(toSingle(0.1), 0.1f);
}

// Floats whose shortest decimal form has at most seven significant digits.
std::vector<float> sevenDigitFloats()
{
    std::mt19937 random(20240611);
    std::vector<float> values;
    // m * 10^e with m below 10^7, across the whole exponent range, denormals included.
    std::uniform_int_distribution<int> mantissa(1, 9'999'999);
    std::uniform_int_distribution<int> exponent(-51, 38);
    while (values.size() < 200'000) {
        const std::string text = std::to_string(mantissa(random)) + "e" + std::to_string(exponent(random));
        float value = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc{})
            values.push_back(random() % 2 ? -value : value);
    }
    // Arbitrary bit patterns, kept when their shortest form has at most seven digits.
    for (int i = 0; i < 300'000; ++i) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        char buffer[32];
        const std::string_view shortest(
            buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr);
        const auto digits = shortest.substr(0, shortest.find('e'));
        if (std::isfinite(value) && std::ranges::count_if(digits, [](char c) { return c >= '0' && c <= '9'; }) <= 7)
            values.push_back(value);
    }
    return values;
}

TEST(CoefficientText, ReadsBackEveryFloatWithSevenDigits)
{
    const std::vector<float> values = sevenDigitFloats();
    ASSERT_GT(values.size(), 250'000u);
    int failures = 0;
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        const float n = values[i];
        const float d = values[i + 1];
        const std::string text = FormatCoefficient(n, d);
        if (ParseCoefficient(text) != (d == -1 ? Coefficient{-n, 1} : Coefficient{n, d}) && ++failures <= 10)
            ADD_FAILURE() << ::testing::PrintToString(n) << " / " << ::testing::PrintToString(d) << " shown as «"
                          << text << "»";
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(ParseCoefficient(FormatCoefficient(5, -1)), (Coefficient{-5, 1}));
    EXPECT_EQ(ParseCoefficient(FormatCoefficient(3.1415927f, 1)), (Coefficient{3.141593f, 1}));
}

} // namespace
