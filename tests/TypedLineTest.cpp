// SPDX-License-Identifier: MIT
#include "facts/TypedLine.h"
#include "RecordingSurface.h"
#include "board/Board.h"
#include "board/Trace.h"
#include "facts/Equation.h"
#include "facts/LineFacts.h"
#include "lesson/LessonFile.h"
#include "picture/Picture.h"
#include "plane/Palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

using namespace zelmora;

namespace {

std::string asText(const mpq_class& value)
{
    return fractionText(value);
}

// What a line typed as one equation is: "y = a, b", "χ = h", and the domain typed with it.
std::string lineOf(const TypedLine& line)
{
    std::string text = line.Vertical ? "χ = " + asText(line.At) : "a " + asText(line.A) + ", b " + asText(line.B);
    if (line.From)
        text += (line.Open.From ? " (" : " [") + *line.From + ", " + *line.To + (line.Open.To ? ")" : "]");
    return text;
}

TEST(TypedLine, EveryFormReadsExactly)
{
    const struct {
        const char* Name;
        const char* Typed;
        const char* Line;
        const char* Form;
    } rows[] = {
        {"standard form", "2χ + 3y = 6", "a -2/3, b 2", "2χ + 3y = 6"},
        {"vertical", "χ = 3", "χ = 3", "χ = 3"},
        {"horizontal", "y = 4", "a 0, b 4", "y = 4"},
        {"slope form with a fraction", "y = −2/3χ + 1", "a -2/3, b 1", "y = -2/3χ + 1"},
        {"y on the left with a coefficient", "3y = 2χ − 6", "a 2/3, b -2", "3y = 2χ - 6"},
        {"leading minus", "−χ + y = 2", "a 1, b 2", "-χ + y = 2"},
        {"x and no blanks", "2x+3y=6", "a -2/3, b 2", "2χ + 3y = 6"},
        {"full-width", "２ｘ＋３ｙ＝６", "a -2/3, b 2", "2χ + 3y = 6"},
        {"kana mode minus and slash", "ｙ＝ー２・３ｘ＋１", "a -2/3, b 1", "y = -2/3χ + 1"},
        {"decimals", "0.5x + y = 1.5", "a -1/2, b 3/2", "0.5χ + y = 1.5"},
        {"y on both sides", "y + 1 = 3y − x", "a 1/2, b 1/2", "y + 1 = 3y - χ"},
        {"b = 0 makes a vertical", "2x − 5 = 0", "χ = 5/2", "2χ - 5 = 0"},
        {"y cancelled makes a vertical", "x + y = y + 3", "χ = 3", "χ + y = y + 3"},
        {"domain in brackets", "2χ + 3y = 6 (−3 ≦ χ ≦ 3)", "a -2/3, b 2 [-3, 3]", "2χ + 3y = 6"},
        {"domain of y after a comma", "x = 3, -2 <= y <= 5", "χ = 3 [-2, 5]", "χ = 3"},
        {"domain with decimals", "y=x、0.5≤x≤2", "a 1, b 0 [0.5, 2]", "y = χ"},
        {"lower end left out", "y = 2χ + 1 (−3 < χ ≦ 3)", "a 2, b 1 (-3, 3]", "y = 2χ + 1"},
        {"both ends left out, full-width", "ｙ＝２ｘ＋１（ー３＜ｘ＜３）", "a 2, b 1 (-3, 3)", "y = 2χ + 1"},
        {"upper end of y left out", "x = 3, -2 <= y < 5", "χ = 3 [-2, 5)", "χ = 3"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const auto read = readTypedLine(row.Typed);
        ASSERT_TRUE(std::holds_alternative<TypedLine>(read));
        EXPECT_EQ(lineOf(std::get<TypedLine>(read)), row.Line);
        EXPECT_EQ(std::get<TypedLine>(read).Form, row.Form);
    }
}

TEST(TypedLine, RefusalsSayWhere)
{
    const struct {
        const char* Name;
        const char* Typed;
        EquationRefusal Expected;
    } rows[] = {
        {"unreadable character", "2χ*3y=6", {EquationFault::Unreadable, 3, "*"}},
        {"counted in characters, as typed", "２ｘ＋３ｙ＝６？", {EquationFault::Unreadable, 8, "？"}},
        {"two variables in one term", "xy = 1", {EquationFault::Unreadable, 2, "y"}},
        {"a point alone", ".x = 1", {EquationFault::Unreadable, 1, "."}},
        {"an open end of a one-point domain", "y = x (2 < x <= 2)", {EquationFault::OpenEndOfPoint, 8, ""}},
        {"nothing typed", "  ", {EquationFault::Empty, 0, ""}},
        {"no equals sign", "2x + 3y", {EquationFault::NoEquals, 0, ""}},
        {"a second equals sign", "x = 3 = 4", {EquationFault::ExtraEquals, 7, "="}},
        {"a sign with no term", "2x + = 6", {EquationFault::MissingTerm, 6, "="}},
        {"nothing after the equals sign", "x = ", {EquationFault::MissingTerm, 0, ""}},
        {"zero denominator", "1/0x = 1", {EquationFault::ZeroDenominator, 3, "0"}},
        {"no variable", "3 = 4", {EquationFault::NoVariable, 0, ""}},
        {"variables cancelled", "x + y = x + y", {EquationFault::NoVariable, 0, ""}},
        {"domain of χ on a vertical", "x = 1 (0 ≦ x ≦ 2)", {EquationFault::DomainVariable, 12, "y"}},
        {"domain of y on a sloped line", "y = x, 0 ≦ y ≦ 2", {EquationFault::DomainVariable, 12, "χ"}},
        {"domain the wrong way round", "y = x (3 ≦ x ≦ 1)", {EquationFault::DomainOrder, 8, ""}},
        {"a fraction as a bound", "y = x (1/2 ≦ x ≦ 1)", {EquationFault::Unreadable, 9, "/"}},
        {"beyond what the boxes show", "12345678y = x", {EquationFault::TooLarge, 0, ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const auto read = readTypedLine(row.Typed);
        ASSERT_TRUE(std::holds_alternative<EquationRefusal>(read));
        EXPECT_EQ(std::get<EquationRefusal>(read), row.Expected);
    }
}

ExactLine vertical(const char* at, const char* from, const char* to)
{
    LineForms forms;
    forms[0] = LineForm{"", VerticalLine{at, from, to}};
    return *exactLineOf(SlotTable{}, forms, 0);
}

ExactLine sloped(const char* a, const char* b, const char* from, const char* to)
{
    return *readExactLine({a, b, from, to});
}

TEST(TypedLine, CrossingsWithVerticalLines)
{
    const struct {
        const char* Name;
        ExactLine First;
        ExactLine Second;
        IntersectionKind Kind;
        std::optional<std::string> Point;
    } rows[] = {
        {"a sloped line, exactly", vertical("3", "-2", "5"), sloped("-2/3", "2", "-3", "6"), IntersectionKind::Point,
            "(3, 0)"},
        {"either order", sloped("1/3", "0", "-3", "3"), vertical("1/2", "-1", "1"), IntersectionKind::Point,
            "(1/2, 1/6)"},
        {"at the vertical line's end", vertical("3", "0", "2"), sloped("1", "-1", "0", "5"), IntersectionKind::Point,
            "(3, 2)"},
        {"beyond its y", vertical("3", "-2", "1"), sloped("1", "0", "-5", "5"), IntersectionKind::OutsideDomain,
            "(3, 3)"},
        {"beyond the other's χ", vertical("3", "-9", "9"), sloped("1", "0", "-2", "2"), IntersectionKind::OutsideDomain,
            "(3, 3)"},
        {"two verticals apart are parallel", vertical("3", "-2", "5"), vertical("-1", "-2", "5"),
            IntersectionKind::Parallel, std::nullopt},
        {"the same vertical, overlapping", vertical("2", "-2", "5"), vertical("2", "4", "9"),
            IntersectionKind::Overlapping, std::nullopt},
        {"the same vertical, end to end", vertical("2", "-2", "4"), vertical("2", "4", "9"), IntersectionKind::Point,
            "(2, 4)"},
        {"the same vertical, apart", vertical("2", "-2", "3"), vertical("2", "4", "9"), IntersectionKind::SameLineApart,
            std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const Intersection meeting = intersection(row.First, row.Second);
        EXPECT_EQ(meeting.Kind, row.Kind);
        std::optional<std::string> point;
        if (meeting.Point)
            point = "(" + asText(meeting.Point->X) + ", " + asText(meeting.Point->Y) + ")";
        EXPECT_EQ(point, row.Point);
    }
    EXPECT_EQ(equationOf(vertical("-5/2", "0", "1")).Plain, "χ = -5/2");
    EXPECT_EQ(domainText(vertical("3", "-2", "5")), "−2 ≦ y ≦ 5");
    EXPECT_TRUE(tableOfValues(vertical("3", "-2", "5")).empty()) << "y is no function of χ";
}

TEST(TypedLine, TheBoardKeepsAVerticalLineBesideTheTable)
{
    Board board;
    const Outcome typed = board.typeEquation("χ = 3");
    EXPECT_FALSE(board.slotTable().isDrawn(0)) << "the table's row holds no y = aχ + b line";
    ASSERT_TRUE(board.line(0) && board.line(0)->Vertical);
    EXPECT_EQ(domainText(*board.line(0)), "−14 ≦ y ≦ 14") << "without a domain, the plane as shown";
    EXPECT_EQ(typed.Picture, PictureChange::Whole);
    EXPECT_EQ(typed.CheckedSlot, 1) << "moves on as a draw does";

    // Choosing it leaves the boxes as they are and shows its equation.
    const Outcome chosen = board.selectSlot(0);
    EXPECT_FALSE(chosen.Texts.has_value());
    EXPECT_EQ(chosen.Message, Notice(TypedForm{0, "χ = 3", true}));

    // A typed form is kept beside y = aχ + b, and only when it is another form of it.
    board.typeEquation("2χ + 3y = 6 (−3 ≦ χ ≦ 6)");
    EXPECT_EQ(board.line(0)->Typed, "2χ + 3y = 6");
    EXPECT_EQ(entryTexts(board.slotTable(), 0), (EntryTexts{"-2/ 3", " 2", "-3", " 6"}));
    EXPECT_FALSE(board.lineForms()[0]->Vertical) << "typing over the vertical line replaced it";
    board.typeEquation("y = 4");
    EXPECT_FALSE(board.lineForms()[1].has_value()) << "y = 4 is the boxes' own form";

    // A refusal changes nothing and says where.
    const auto before = board.lesson();
    const Outcome refused = board.typeEquation("2χ*3y=6");
    EXPECT_EQ(refused.Message, Notice(EquationRefusal{EquationFault::Unreadable, 3, "*"}));
    EXPECT_EQ(board.lesson(), before);

    // An end typed with "<" is left out, in the same one step as the line.
    board.typeEquation("y = 2χ + 1 (−3 < χ ≦ 3)");
    ASSERT_TRUE(board.line(2));
    EXPECT_TRUE(board.line(2)->FromOpen && !board.line(2)->ToOpen);
    EXPECT_EQ(domainText(*board.line(2)), "−3 < χ ≦ 3");
    board.undo();
    EXPECT_FALSE(board.holdsLine(2));
    EXPECT_FALSE(board.lineForms()[2].has_value());

    // Undo takes the typed forms back with the table; a draw from the boxes drops the form.
    board.undo();
    EXPECT_FALSE(board.holdsLine(1));
    board.undo();
    EXPECT_TRUE(board.line(0)->Vertical);
    board.selectSlot(0);
    board.draw({"1", "0", "-1", "1"});
    EXPECT_FALSE(board.lineForms()[0].has_value());
    EXPECT_TRUE(board.slotTable().isDrawn(0));
}

TEST(TypedLine, LessonsKeepVerticalLinesAndRaiseTheVersionOnlyForThem)
{
    Board board;
    board.typeEquation("2χ + 3y = 6 (−3 ≦ χ ≦ 6)");
    const QByteArray typedOnly = writeLesson(board.lesson());
    EXPECT_TRUE(typedOnly.contains("\"version\": 1")) << typedOnly.constData();
    EXPECT_TRUE(typedOnly.contains(
        R"({"slot": 1, "a": "-2/ 3", "b": " 2", "from": "-3", "to": " 6", "equation": "2χ + 3y = 6"})"));

    board.typeEquation("χ = 3 (−2 ≦ y ≦ 5)");
    const QByteArray text = writeLesson(board.lesson());
    EXPECT_TRUE(text.contains("\"version\": 2"));
    EXPECT_TRUE(text.contains(R"({"slot": 2, "equation": "χ = 3", "from": "-2", "to": "5"})")) << text.constData();

    const auto read = readLesson(text);
    ASSERT_TRUE(std::holds_alternative<Lesson>(read));
    Board opened;
    ASSERT_TRUE(std::holds_alternative<Outcome>(opened.open(std::get<Lesson>(read))));
    EXPECT_EQ(opened.lineForms(), board.lineForms());
    EXPECT_EQ(opened.slotTable().cells(), board.slotTable().cells());

    // Written by hand: a and b, or the domain, left to the equation.
    const auto byHand = readLesson(R"lesson({"format": "zelmora-lesson", "version": 2, "slots": [
        {"slot": 1, "equation": "χ = 3 (-2 ≦ y ≦ 5)"},
        {"slot": 2, "equation": "2x + 3y = 6", "from": "-3", "to": "6"},
        {"slot": 3, "equation": "y = x (-1 < x < 2)"}]})lesson");
    ASSERT_TRUE(std::holds_alternative<Lesson>(byHand));
    Board written;
    const auto outcome = written.open(std::get<Lesson>(byHand));
    ASSERT_TRUE(std::holds_alternative<Outcome>(outcome));
    EXPECT_EQ(std::get<Outcome>(outcome).Message, Notice(TypedForm{0, "χ = 3", true})) << "nothing left out";
    EXPECT_EQ(domainText(*written.line(0)), "−2 ≦ y ≦ 5");
    EXPECT_EQ(equationOf(*written.line(1)).Plain, "y = -2/3χ + 2");
    EXPECT_EQ(domainText(*written.line(2)), "−1 < χ < 2") << "the open ends with the domain";

    // An equation that is not the slot's line refuses the whole lesson.
    Lesson wrong = board.lesson();
    wrong.Equations[0] = LessonEquation{"y = 5χ", false};
    const auto refused = Board().open(wrong);
    ASSERT_TRUE(std::holds_alternative<LessonRefusal>(refused));
    EXPECT_EQ(std::get<LessonRefusal>(refused).Equation, EquationRefusal{EquationFault::DoesNotMatch});
}

TEST(TypedLine, TracingAVerticalLineMovesYWithUpAndDown)
{
    Board board;
    board.typeEquation("χ = 3 (−2 ≦ y ≦ 5)");
    board.typeEquation("y = 1");
    std::optional<TracePoint> point;
    const auto key = [&](TraceKey pressed) {
        point = traceKey(board.slotTable(), board.lineForms(), 0, point, pressed);
        return "line " + std::to_string(point->Slot + 1) + " (" + asText(point->X) + ", " + asText(point->Y) + ")";
    };
    EXPECT_EQ(key(TraceKey::Home), "line 1 (3, -2)") << "the low end of its y";
    EXPECT_EQ(key(TraceKey::NextLine), "line 1 (3, -1)") << "↑ moves y up by 1";
    EXPECT_EQ(key(TraceKey::PreviousLine), "line 1 (3, -2)");
    EXPECT_EQ(key(TraceKey::PreviousLine), "line 1 (3, -2)") << "stops at the end";
    EXPECT_EQ(key(TraceKey::End), "line 1 (3, 5)");
    EXPECT_EQ(key(TraceKey::Right), "line 2 (3, 1)") << "→ goes to another line, keeping χ";
    EXPECT_EQ(key(TraceKey::PreviousLine), "line 1 (3, 1)") << "and back, keeping y";
}

TEST(TypedLine, AVerticalLineIsDrawnAndCrossed)
{
    Board board;
    board.typeEquation("χ = 3 (−2 ≦ y ≦ 5)");
    board.typeEquation("2χ + 3y = 6 (−3 ≦ χ ≦ 6)");
    ShowOptions show;
    show.Intersections = true;
    board.setShowOptions(show);
    zelmora::testing::RecordingSurface surface;
    drawPicture(surface, board);
    // χ = 3 at 22 pixels a unit from the origin (300, 300): x = 366, y from 344 up to 190, blue.
    const zelmora::testing::RecordingSurface::DrawnLine expected{366, 344, 366, 190, 3, PaletteBlue};
    EXPECT_NE(std::ranges::find(surface.Lines, expected), surface.Lines.end());
    ASSERT_EQ(surface.Circles.size(), 1u);
    EXPECT_EQ(surface.Circles[0].X, 366) << "the crossing (3, 0) ringed";
    EXPECT_EQ(surface.Circles[0].Y, 300);
}

} // namespace
