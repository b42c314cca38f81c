// SPDX-License-Identifier: MIT
#include "facts/LineFacts.h"
#include "facts/Equation.h"
#include "facts/SlopeStep.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

using namespace zelmora;

namespace {

// A rational from "n/d" text, as the expectations write it.
mpq_class q(const char* text)
{
    mpq_class value(text);
    value.canonicalize();
    return value;
}

ExactLine line(const EntryTexts& texts)
{
    const auto read = readExactLine(texts);
    EXPECT_TRUE(read) << "no line from " << texts[0] << " | " << texts[1] << " | " << texts[2] << " | " << texts[3];
    return read.value_or(ExactLine{});
}

// The spoken parts as the window says them in Japanese, fractions denominator first.
std::string saidInJapanese(const std::vector<SpokenEquationPart>& parts)
{
    std::string said;
    for (const SpokenEquationPart& part : parts) {
        if (const auto* fraction = std::get_if<StackedFraction>(&part))
            said += fraction->Denominator + "分の" + fraction->Numerator;
        else if (const auto* digits = std::get_if<std::string>(&part))
            said += *digits;
        else
            said += std::array{"y", "χ", "＝", "＋", "−"}[static_cast<std::size_t>(std::get<EquationSymbol>(part))];
    }
    return said;
}

std::optional<std::string> asText(const std::optional<mpq_class>& value)
{
    return value ? std::optional(fractionText(*value)) : std::nullopt;
}

TEST(ExactNumber, ShownTextsReadExactly)
{
    const std::string tenTo400 = "1" + std::string(400, '0');
    const struct {
        const char* Name;
        const char* Text;
        std::optional<std::string> Expected;
    } rows[] = {{"integer", " 3", "3"}, {"leading point", " .5", "1/2"}, {"negative leading point", "-.25", "-1/4"},
        {"a tenth is a tenth", " .1", "1/10"}, {"seven digits", " .3333333", "3333333/10000000"},
        {"negative exponent", "-1.5E-05", "-3/200000"}, {"exponent past the point", " 1.234568E+07", "12345680"},
        {"large exponent", " 1E+30", "1" + std::string(30, '0')}, {"exponent at the limit", "1E+400", tenTo400},
        {"plus sign", "+7", "7"}, {"negative zero", "-0", "0"}, {"exponent past the limit", "1E+401", std::nullopt},
        {"exponent past long", "1E99999999999999999999", std::nullopt}, {"Inf", " Inf", std::nullopt},
        {"NaN", " NaN", std::nullopt}, {"empty", "", std::nullopt}, {"point alone", ".", std::nullopt},
        {"two points", "1.2.3", std::nullopt}, {"two exponent signs", "1E--5", std::nullopt},
        {"fraction", "1/2", std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(asText(exactNumber(row.Text)), row.Expected);
    }
}

TEST(ExactNumber, CoefficientTexts)
{
    const struct {
        const char* Name;
        const char* Text;
        std::optional<std::string> Expected;
    } rows[] = {{"as the box shows it", "-2/ 3", "-2/3"}, {"reduced", " 4/ 6", "2/3"},
        {"negative denominator", " 2/-3", "-2/3"}, {"decimal parts", " 1.5/ 2", "3/4"},
        {"zero denominator", " 1/ 0", std::nullopt}, {"second slash", "1/2/3", std::nullopt},
        {"empty denominator", "2/", std::nullopt}, {"infinite numerator", " Inf/ 2", std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(asText(exactCoefficient(row.Text)), row.Expected);
    }
}

TEST(ExactNumber, FractionTexts)
{
    const struct {
        mpq_class Value;
        const char* Ascii;
        const char* Typographic;
    } rows[] = {{q("-4/3"), "-4/3", "−4/3"}, {q("5/2"), "5/2", "5/2"}, {q("3"), "3", "3"}, {q("-1"), "-1", "−1"},
        {q("0"), "0", "0"}, {mpq_class(4, 6), "2/3", "2/3"}, {mpq_class(2, -4), "-1/2", "−1/2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Ascii);
        EXPECT_EQ(fractionText(row.Value), row.Ascii);
        EXPECT_EQ(fractionText(row.Value, Minus::Typographic), row.Typographic);
    }
}

TEST(ExactLine, ReadsTheShownTexts)
{
    const ExactLine reversed = line({" .5", "-1.5E-05", " 3", "-.25"});
    EXPECT_EQ(reversed.A, q("1/2"));
    EXPECT_EQ(reversed.B, q("-3/200000"));
    EXPECT_EQ(reversed.low(), q("-1/4"));
    EXPECT_EQ(reversed.high(), q("3"));
    EXPECT_FALSE(readExactLine({" 1", " 0", "-Inf", " 1"}));
}

TEST(ExactLine, SlotValuesComeBackAsTheBoxesShowThem)
{
    SlotTable table;
    storeLine(table, 2, {{0.1f, 1.0f}, {-2.0f, 3.0f}, -3.0f, 3.0f});
    const auto stored = exactLineOf(table, 2);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->A, q("1/10"));
    EXPECT_EQ(stored->B, q("-2/3"));
    EXPECT_FALSE(exactLineOf(table, 3));
}

TEST(Equation, TextbookForms)
{
    const struct {
        const char* Name;
        const char* A;
        const char* B;
        const char* Plain;
        const char* Spoken;
    } rows[] = {{"fraction", "-2/ 3", " 1", "y = -2/3χ + 1", "y＝−3分の2χ＋1"},
        {"negative b", " 2", "-2", "y = 2χ - 2", "y＝2χ−2"}, {"a = 1, b = 0", " 1", " 0", "y = χ", "y＝χ"},
        {"a = -1", "-1", " 2/ 3", "y = -χ + 2/3", "y＝−χ＋3分の2"}, {"a = 0", " 0", " 4", "y = 4", "y＝4"},
        {"a = 0, negative b", " 0", "-1/ 2", "y = -1/2", "y＝−2分の1"}, {"both 0", " 0", " 0", "y = 0", "y＝0"},
        {"decimal", " .5", "-3", "y = 0.5χ - 3", "y＝0.5χ−3"},
        {"negative decimal", "-.25", " 1.5", "y = -0.25χ + 1.5", "y＝−0.25χ＋1.5"},
        {"fractions reduced", " 4/ 6", "-4/ 2", "y = 2/3χ - 2", "y＝3分の2χ−2"},
        {"fraction equal to -1", "-2/ 2", " 0", "y = -χ", "y＝−χ"},
        {"exponents written out", " 1E-05", " 1E+07", "y = 0.00001χ + 10000000", "y＝0.00001χ＋10000000"},
        {"negative exponent with a point", " 1E+30", "-1.5E-05", "y = 1000000000000000000000000000000χ - 0.000015",
            "y＝1000000000000000000000000000000χ−0.000015"},
        {"exponent that leaves a point", "-1.25e1", " 2.5E-1", "y = -12.5χ + 0.25", "y＝−12.5χ＋0.25"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const ExactLine shown = line({row.A, row.B, "-3", " 3"});
        EXPECT_EQ(equationOf(shown).Plain, row.Plain);
        EXPECT_EQ(saidInJapanese(spokenEquationParts(shown)), row.Spoken);
    }
}

TEST(Equation, PartsStackTheFractions)
{
    using Parts = std::vector<EquationPart>;
    const struct {
        const char* Name;
        ExactLine Line;
        Minus Sign;
        Parts Expected;
        const char* Plain;
    } rows[] = {{"fraction a", line({"-2/ 3", " 1", "-3", " 3"}), Minus::Ascii,
                    Parts{"y = -", StackedFraction{"2", "3"}, "χ + 1"}, "y = -2/3χ + 1"},
        {"typographic minus", line({"-2/ 3", "-1/ 3", "-3", " 3"}), Minus::Typographic,
            Parts{"y = −", StackedFraction{"2", "3"}, "χ − ", StackedFraction{"1", "3"}}, "y = −2/3χ − 1/3"},
        {"decimals stay text", line({" .5", " 0", "-3", " 3"}), Minus::Ascii, Parts{"y = 0.5χ"}, "y = 0.5χ"},
        {"texts that do not stand for the values", ExactLine{q("1/2"), q("-2"), q("0"), q("1"), " 3", ""}, Minus::Ascii,
            Parts{"y = ", StackedFraction{"1", "2"}, "χ - 2"}, "y = 1/2χ - 2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Equation equation = equationOf(row.Line, row.Sign);
        EXPECT_EQ(equation.Parts, row.Expected);
        EXPECT_EQ(equation.Plain, row.Plain);
    }
}

TEST(LineFacts, Intersections)
{
    const struct {
        const char* Name;
        EntryTexts First;
        EntryTexts Second;
        IntersectionKind Kind;
        std::optional<ExactPoint> Point;
        OpenEnds FirstOpen{}; // an open end leaves its point out of the segment
    } rows[] = {{"fractional point", {"-2/ 3", " 1", "-3", " 3"}, {" 2", "-2", "-3", " 3"}, IntersectionKind::Point,
                    ExactPoint{q("9/8"), q("1/4")}},
        {"touching at the ends", {" 1", " 0", "-3", " 1"}, {"-1", " 2", " 1", " 3"}, IntersectionKind::Point,
            ExactPoint{q("1"), q("1")}},
        {"domain stored high to low", {" 1", " 0", " 3", " 1"}, {"-1", " 2", " 3", " 1"}, IntersectionKind::Point,
            ExactPoint{q("1"), q("1")}},
        {"outside one domain", {" 1", " 0", "-3", " .5"}, {"-1", " 2", "-3", " 3"}, IntersectionKind::OutsideDomain,
            ExactPoint{q("1"), q("1")}},
        {"parallel", {" .5", " 1", "-3", " 3"}, {" 1/ 2", "-1", "-3", " 3"}, IntersectionKind::Parallel, std::nullopt},
        {"one line, sharing a piece", {" 2/ 4", " 1", "-3", " 3"}, {" .5", " 1", " 2", " 9"},
            IntersectionKind::Overlapping, std::nullopt},
        {"one line, one inside the other", {" 1", " 1", "-3", " 4"}, {" 1", " 1", " 3", "-1"},
            IntersectionKind::Overlapping, std::nullopt},
        {"one line, meeting end to end", {" 1", " 1", "-3", " 1"}, {" 1", " 1", " 1", " 4"}, IntersectionKind::Point,
            ExactPoint{q("1"), q("2")}},
        {"one line, end to end, stored high to low", {" 1", " 1", " 1", "-3"}, {" 1", " 1", " 4", " 1"},
            IntersectionKind::Point, ExactPoint{q("1"), q("2")}},
        {"one line, a single point on the other", {"-2/ 3", " 1", " 1.5", " 1.5"}, {"-2/ 3", " 1", "-3", " 3"},
            IntersectionKind::Point, ExactPoint{q("3/2"), q("0")}},
        {"two single points at one place", {" 2", " 0", " 1", " 1"}, {" 2/ 1", " 0", " 1", " 1"},
            IntersectionKind::Point, ExactPoint{q("1"), q("2")}},
        {"one line, apart", {" 1", " 1", "-3", " 0"}, {" 1", " 1", " 1", " 4"}, IntersectionKind::SameLineApart,
            std::nullopt},
        {"two single points of one line, apart", {" 0", " 3", " 1", " 1"}, {" 0", " 3", " 2", " 2"},
            IntersectionKind::SameLineApart, std::nullopt},
        {"crossing at an open end", {" 1", " 0", "-3", " 1"}, {"-1", " 2", "-3", " 3"}, IntersectionKind::OutsideDomain,
            ExactPoint{q("1"), q("1")}, {false, true}},
        {"crossing at the other, closed end", {" 1", " 0", "-3", " 1"}, {"-1", " 2", "-3", " 3"},
            IntersectionKind::Point, ExactPoint{q("1"), q("1")}, {true, false}},
        {"one line, end to end at an open end", {" 1", " 1", " 1", "-3"}, {" 1", " 1", " 4", " 1"},
            IntersectionKind::SameLineApart, std::nullopt, {true, false}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        ExactLine first = line(row.First);
        first.FromOpen = row.FirstOpen.From;
        first.ToOpen = row.FirstOpen.To;
        const Intersection result = intersection(first, line(row.Second));
        EXPECT_EQ(result.Kind, row.Kind);
        EXPECT_EQ(result.Point, row.Point);
    }
}

// An open end leaves its value out of the range: the low end of y for a > 0, the high end for a < 0,
// neither for a = 0, whose one value y takes all over the domain.
TEST(LineFacts, RangeOfY)
{
    const struct {
        const char* Name;
        EntryTexts Texts;
        OpenEnds Open;
        ExactInterval Range;
        const char* Domain;
        const char* RangeText;
    } rows[]
        = {{"a < 0 swaps the ends", {"-2/ 3", " 1", "-3", " 3"}, {}, {q("-1"), q("3")}, "−3 ≦ χ ≦ 3", "−1 ≦ y ≦ 3"},
            {"domain stored high to low", {" 2", "-2", " 3", "-3"}, {}, {q("-8"), q("4")}, "−3 ≦ χ ≦ 3", "−8 ≦ y ≦ 4"},
            {"a = 0", {" 0", " 2", "-1", " 1"}, {}, {q("2"), q("2")}, "−1 ≦ χ ≦ 1", "2 ≦ y ≦ 2"},
            {"fractional ends", {"-.5", " 0", "-.5", " 1.5"}, {}, {q("-3/4"), q("1/4")}, "−1/2 ≦ χ ≦ 3/2",
                "−3/4 ≦ y ≦ 1/4"},
            {"a > 0, from open", {" 2", "-2", "-3", " 3"}, {true, false}, {q("-8"), q("4"), true, false}, "−3 < χ ≦ 3",
                "−8 < y ≦ 4"},
            {"a > 0, to open", {" 2", "-2", "-3", " 3"}, {false, true}, {q("-8"), q("4"), false, true}, "−3 ≦ χ < 3",
                "−8 ≦ y < 4"},
            {"a < 0, from open: y's high end", {"-2/ 3", " 1", "-3", " 3"}, {true, false},
                {q("-1"), q("3"), false, true}, "−3 < χ ≦ 3", "−1 ≦ y < 3"},
            {"a < 0, both open", {"-2/ 3", " 1", "-3", " 3"}, {true, true}, {q("-1"), q("3"), true, true}, "−3 < χ < 3",
                "−1 < y < 3"},
            {"stored high to low, from open is the high end", {" 2", "-2", " 3", "-3"}, {true, false},
                {q("-8"), q("4"), false, true}, "−3 ≦ χ < 3", "−8 ≦ y < 4"},
            {"a = 0, open ends: y still takes its value", {" 0", " 2", "-1", " 1"}, {true, true}, {q("2"), q("2")},
                "−1 < χ < 1", "2 ≦ y ≦ 2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        ExactLine shown = line(row.Texts);
        shown.FromOpen = row.Open.From;
        shown.ToOpen = row.Open.To;
        EXPECT_EQ(yRange(shown), row.Range);
        EXPECT_EQ(domainText(shown), row.Domain);
        EXPECT_EQ(rangeText(shown), row.RangeText);
    }
}

TEST(LineFacts, TableColumns)
{
    using Texts = std::vector<std::string>;
    const struct {
        const char* Name;
        const char* From;
        const char* To;
        std::optional<mpq_class> Step;
        Texts Columns;
    } rows[] = {{"narrow, ends off the step", "-2.5", " 2.5", std::nullopt, {"-2", "-1", "0", "1", "2"}},
        {"twelve units, step 1", "-6", " 6", std::nullopt,
            {"-6", "-5", "-4", "-3", "-2", "-1", "0", "1", "2", "3", "4", "5", "6"}},
        {"thirteen units, step 2", " 0", " 13", std::nullopt, {"0", "2", "4", "6", "8", "10", "12"}},
        {"-10 to 10, step 2", "-10", " 10", std::nullopt,
            {"-10", "-8", "-6", "-4", "-2", "0", "2", "4", "6", "8", "10"}},
        {"-13 to 13, thirteen of step 2", "-13", " 13", std::nullopt,
            {"-12", "-10", "-8", "-6", "-4", "-2", "0", "2", "4", "6", "8", "10", "12"}},
        {"-14 to 14, fifteen of step 2 are too many", "-14", " 14", std::nullopt, {"-10", "-5", "0", "5", "10"}},
        {"wide, step 20", "-100", " 100", std::nullopt,
            {"-100", "-80", "-60", "-40", "-20", "0", "20", "40", "60", "80", "100"}},
        {"no integer", " .25", " .75", std::nullopt, {"1/4", "3/4"}},
        {"no integer, stored high to low", " .75", " .25", std::nullopt, {"1/4", "3/4"}},
        {"one point", " 1.5", " 1.5", std::nullopt, {"3/2"}},
        {"a step of 1/2", "-1", " 1.2", q("1/2"), {"-1", "-1/2", "0", "1/2", "1"}},
        {"a step of 5 with one multiple", "-3", " 3", q("5"), {"0"}},
        {"a step of 10 with none", " 1", " 3", q("10"), {"1", "3"}},
        {"a step giving too many columns is not taken", "-100", " 100", q("1/2"),
            {"-100", "-80", "-60", "-40", "-20", "0", "20", "40", "60", "80", "100"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const auto table = tableOfValues(line({"-1/ 2", " 1", row.From, row.To}), row.Step);
        Texts columns;
        for (const ExactPoint& column : table) {
            columns.push_back(fractionText(column.X));
            EXPECT_EQ(column.Y, mpq_class(column.X * q("-1/2") + 1));
        }
        EXPECT_EQ(columns, row.Columns);
    }
}

TEST(LineFacts, HugeDomainKeepsAtMostThirteenColumns)
{
    const mpq_class tenTo30 = q("1000000000000000000000000000000");
    const auto table = tableOfValues(line({" 1", " 0", "-1E+30", " 1E+30"}));
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table.front().X, mpq_class(-tenTo30));
    EXPECT_EQ(table[1].X - table[0].X, mpq_class(tenTo30 / 5));
    EXPECT_EQ(table.back().X, tenTo30);
}

// On y = aχ + b over 2.9 ≧ χ ≧ -2.5 (stored high to low).
TEST(LineFacts, TracingStops)
{
    using enum TraceMove;
    const struct {
        const char* Name;
        const char* A;
        const char* B;
        const char* X;
        TraceMove Move;
        const char* Expected;
    } rows[] = {{"right by one unit, y by a", "-2/ 3", " 1", "0", Right, "1"},
        {"left by one unit from between the lattice", "-2/ 3", " 1", "1/2", Left, "-1/2"},
        {"right stops at the high end", "-2/ 3", " 1", "5/2", Right, "29/10"},
        {"left stops at the low end", " 2", " 0", "-2", Left, "-5/2"}, {"home", "-2/ 3", " 1", "1", Home, "-5/2"},
        {"end", "-2/ 3", " 1", "1", End, "29/10"}, {"next lattice point", "-2/ 3", " 1", "-2", LatticeRight, "0"},
        {"lattice point to the right is off the domain: stays", "-2/ 3", " 1", "3/2", LatticeRight, "3/2"},
        {"previous lattice point from between", "-2/ 3", " 1", "5/2", LatticeLeft, "0"},
        {"b a third: lattice where 2χ + 1 is a multiple of 3", " 2/ 3", " 1/ 3", "-5/2", LatticeRight, "-2"},
        {"negative residue", "-5/ 3", "-1/ 3", "0", LatticeLeft, "-2"},
        {"integer a, integer b: every integer", " 2", " 1", "1/2", LatticeRight, "1"},
        {"integer a, b a half: no lattice point, stays", " 2", " 1/ 2", "0", LatticeRight, "0"},
        {"a = 0, b whole", " 0", " 4", "-5/2", LatticeRight, "-2"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(fractionText(traceStop(line({row.A, row.B, " 2.9", "-2.5"}), q(row.X), row.Move)), row.Expected);
    }
}

// "(χ0, y0) run q rise p", or "none".
std::string stepText(const std::optional<SlopeStep>& step)
{
    if (!step)
        return "none";
    return "(" + fractionText(step->Start.X) + ", " + fractionText(step->Start.Y) + ") run " + step->Run.get_str()
        + " rise " + step->Rise.get_str();
}

TEST(SlopeStep, StartAndSize)
{
    const PlaneWindow window{q("-300/22"), q("300/22"), q("-300/22"), q("300/22")};
    const struct {
        const char* Name;
        EntryTexts Texts;
        const char* Expected;
    } rows[] = {{"from the intercept", {"-2/ 3", " 1", "-3", " 3"}, "(0, 1) run 3 rise -2"},
        {"run of 12", {" 1/ 12", " 0", "-100", " 100"}, "(0, 0) run 12 rise 1"},
        {"intercept not whole", {" 2/ 3", " 1/ 3", "-3", " 3"}, "(-2, -1) run 3 rise 2"},
        {"no room after the intercept", {" 1/ 2", " 1", "-3", " 1"}, "(-2, 0) run 2 rise 1"},
        {"centred on the window", {" 1/ 2", " 1/ 2", "-100", " 100"}, "(-1, 0) run 2 rise 1"},
        {"tie takes the smaller χ", {" 1", " 0", " 1", " 5"}, "(2, 2) run 1 rise 1"},
        {"clipped at the window's bottom", {" 3", " 20", "-100", " 100"}, "(-7, -1) run 1 rise 3"},
        {"a = 0", {" 0", " 1", "-3", " 3"}, "none"}, {"run beyond 12", {" 1/ 13", " 0", "-100", " 100"}, "none"},
        {"does not fit", {" 1/ 2", " 0", "-1", " 1"}, "none"},
        {"no lattice point", {" 1/ 2", " 1/ 3", "-10", " 10"}, "none"},
        {"off the window", {" 1", " 0", " 20", " 30"}, "none"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(stepText(slopeStep(line(row.Texts), window)), row.Expected);
    }
}

} // namespace
