// SPDX-License-Identifier: MIT
#include "board/Board.h"
#include "facts/PointLine.h"
#include "lesson/LessonFile.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

using namespace zelmora;

namespace {

ExactPoint at(const char* x, const char* y)
{
    return {mpq_class(x), mpq_class(y)};
}

// "a, b, from, to", "χ = h [from, to]", or the fault.
std::string shown(const std::variant<WorkedLine, PointLineFault>& line)
{
    if (const auto* fault = std::get_if<PointLineFault>(&line))
        return *fault == PointLineFault::SamePoint ? "same point" : "too large";
    const auto& worked = std::get<WorkedLine>(line);
    if (worked.Vertical)
        return "χ = " + worked.Vertical->At + " [" + worked.Vertical->From + ", " + worked.Vertical->To + "]";
    return worked.Texts[0] + "," + worked.Texts[1] + "," + worked.Texts[2] + "," + worked.Texts[3];
}

TEST(PointLine, TheLineThroughTwoPointsIsExact)
{
    const struct {
        const char* Name;
        ExactPoint First;
        ExactPoint Second;
        const char* Line;
    } rows[] = {
        {"integers", at("1", "3"), at("2", "5"), " 2, 1,1,2"},
        {"negative slope, the domain from the smaller χ", at("3", "-1"), at("-3", "3"), "-2/ 3, 1,-3,3"},
        {"fractions", at("1/2", "0"), at("3/2", "1/3"), " 1/ 3,-1/ 6,.5,1.5"},
        {"a = 0", at("-2", "4"), at("5", "4"), " 0, 4,-2,5"},
        {"χ not a finite decimal", at("1/3", "0"), at("1", "2"), " 3,-1,.3333333,1"},
        {"the same χ: vertical through both", at("2", "5"), at("2", "-1"), "χ = 2 [-1, 5]"},
        {"the same point twice", at("2", "5"), at("2", "5"), "same point"},
        {"a too long for the boxes", at("0", "0"), at("12345678", "1"), "too large"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(shown(lineThrough(row.First, row.Second, std::nullopt)), row.Line);
    }
    EXPECT_EQ(shown(lineThrough(at("0", "1"), at("1", "2"), std::array<std::string, 2>{"-9", "9"})), " 1, 1,-9,9");
    EXPECT_EQ(shown(lineOfSlope(mpq_class("-2/3"), at("3", "-1"), {"-9", "9"})), "-2/ 3, 1,-9,9");
    EXPECT_EQ(shown(lineOfSlope(mpq_class("0"), at("3", "-1"), {"-9", "9"})), " 0,-1,-9,9");
}

TEST(PointLine, CoordinatesReadAsTheABoxReads)
{
    const struct {
        const char* Text;
        std::variant<mpq_class, PointFault> Read;
    } rows[] = {
        {"-3", mpq_class(-3)},
        {"−1/2", mpq_class(-1, 2)},
        {"０．２５", mpq_class(1, 4)},
        {" 2/ 3 ", mpq_class(2, 3)},
        {"", PointFault::NoValue},
        {"3abc", PointFault::NoValue},
        {"1/0", PointFault::ZeroDenominator},
        {"1E39", PointFault::TooLarge},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(readCoordinate(row.Text), row.Read);
    }
    EXPECT_EQ(std::get<PointRefusal>(readPoint("ABCDE", "1", "1")).Fault, PointFault::LongName);
    EXPECT_EQ(std::get<PointRefusal>(readPoint(" ", "1", "1")).Fault, PointFault::NoName);
    EXPECT_EQ(std::get<NamedPoint>(readPoint(" 点Ａ ", "1", "2")).Name, "点Ａ");
    EXPECT_EQ(readPointText("(−1/2, ３)"), (ExactPoint{mpq_class(-1, 2), 3}));
    EXPECT_EQ(readPointText("-3,3"), (ExactPoint{-3, 3}));
    EXPECT_EQ(readPointText("-3 3"), std::nullopt);
    EXPECT_EQ(readPointText("1, y"), std::nullopt);
}

std::string slotText(const Board& board, int slot)
{
    if (const auto line = board.line(slot)) {
        if (line->Vertical)
            return "χ = " + fractionText(line->At);
        return line->AText + "," + line->BText + "," + fractionText(line->From) + "," + fractionText(line->To);
    }
    return "none";
}

TEST(BoardPoints, TheLineFollowsItsPointsUntilTypedOver)
{
    Board board;
    board.putPoint("", "-3", "3");
    board.putPoint("", "3", "-1");
    ASSERT_EQ(board.points().size(), 2u);
    EXPECT_EQ(board.points()[1].Name, "B");
    board.drawThrough("A", "B", false);
    EXPECT_EQ(slotText(board, 0), "-2/ 3, 1,-3,3");
    ASSERT_TRUE(board.undoStep());
    EXPECT_EQ(board.undoStep()->Command, BoardCommand::Draw);

    // A drag is one step, and the line follows each move.
    const auto steps = board.lesson();
    board.putPoint("B", "3", "0", true);
    board.putPoint("B", "3", "1", true);
    EXPECT_EQ(slotText(board, 0), "-1/ 3, 2,-3,3");
    board.putPoint("B", "-3", "5", true);
    EXPECT_EQ(slotText(board, 0), "χ = -3");
    board.undo();
    EXPECT_EQ(slotText(board, 0), "-2/ 3, 1,-3,3");
    EXPECT_EQ(board.lesson(), steps);

    // The boxes follow only a chosen line that follows the point.
    EXPECT_FALSE(board.putPoint("B", "3", "-1").Texts);
    board.selectSlot(0);
    EXPECT_EQ(board.putPoint("B", "3", "-1").Texts, (EntryTexts{"-2/ 3", " 1", "-3", " 3"}));

    // Typing into the boxes unties the line.
    board.draw({"1", "0", "-1", "1"});
    board.putPoint("A", "0", "0");
    EXPECT_EQ(slotText(board, 0), " 1, 0,-1,1");

    board.initialScreen();
    EXPECT_TRUE(board.points().empty());
}

TEST(BoardPoints, RefusalsChangeNothing)
{
    Board board;
    board.putPoint("A", "1", "1");
    const Lesson before = board.lesson();
    const struct {
        const char* Name;
        zelmora::Outcome Answer;
        Notice Said;
    } rows[] = {
        {"bad y", board.putPoint("C", "1", "1/0"), PointRefusal{PointFault::ZeroDenominator, true}},
        {"the same point twice", board.drawThrough("A", "A", false), PointLineRefusal{PointLineFault::SamePoint}},
        {"a point missing", board.drawThrough("A", "Q", false), PointLineRefusal{std::nullopt, "Q"}},
        {"slope unreadable", board.drawWithSlope("1/0", "1", "1"),
            EntryRefusal{EntryBox::A, EntryFault::ZeroDenominator}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.Answer.Message, std::optional<Notice>(row.Said));
        EXPECT_EQ(board.lesson(), before);
    }
    for (int k = 1; k < 26; ++k)
        board.putPoint("", "0", std::to_string(k));
    EXPECT_EQ(board.putPoint("", "0", "0").Message, std::optional<Notice>(PointNotice{{}, std::nullopt, false, true}));
    EXPECT_EQ(board.points().size(), MaxPoints);
}

TEST(BoardPoints, SlopeAndTablePoints)
{
    Board board;
    board.drawWithSlope("-2/3", "3", "-1");
    EXPECT_EQ(slotText(board, 0), "-2/ 3, 1,-14,14");
    board.plotPoints({at("-1", "2"), at("1/2", "0"), at("12345/2", "0")});
    ASSERT_EQ(board.points().size(), 2u);
    EXPECT_EQ(board.points()[1].Name, "1/2");
    board.undo();
    EXPECT_TRUE(board.points().empty());
}

TEST(LessonPoints, RoundTripAndOpen)
{
    const QByteArray text = R"({"format": "zelmora-lesson", "version": 1,
        "points": [{"name": "A", "x": "-3", "y": "3"}, {"name": "B", "x": "３", "y": "−1"}],
        "slots": [{"slot": 2, "through": ["A", "B"]}]})";
    const auto read = readLesson(text);
    ASSERT_TRUE(std::holds_alternative<Lesson>(read));
    Board board;
    ASSERT_TRUE(std::holds_alternative<Outcome>(board.open(std::get<Lesson>(read))));
    EXPECT_EQ(slotText(board, 1), "-2/ 3, 1,-3,3");
    const Lesson saved = board.lesson();
    EXPECT_EQ(saved.Points[1].X, "３");
    EXPECT_TRUE(writeLesson(saved).contains(R"({"slot": 2, "through": ["A", "B"], "a": "-2/ 3", "b": " 1")"));
    EXPECT_EQ(readLesson(writeLesson(saved)), (std::variant<Lesson, LessonFault>(saved)));
    // Opened again, it is still tied to its points, its domain between them.
    Board again;
    again.open(saved);
    again.putPoint("A", "-6", "3");
    EXPECT_EQ(slotText(again, 1), "-4/ 9, 1/ 3,-6,3");

    // A vertical line through two points is written as its equation as well, for a reader that
    // knows no points, and read back tied to them.
    const auto vertical = readLesson(R"({"format": "zelmora-lesson", "version": 1,
        "points": [{"name": "C", "x": "2", "y": "5"}, {"name": "D", "x": "2", "y": "-1"}],
        "slots": [{"slot": 3, "through": ["C", "D"]}]})");
    Board upright;
    ASSERT_TRUE(std::holds_alternative<Outcome>(upright.open(std::get<Lesson>(vertical))));
    const QByteArray written = writeLesson(upright.lesson());
    EXPECT_TRUE(written.contains(R"("version": 2)")) << written.toStdString();
    EXPECT_TRUE(written.contains(R"("through": ["C", "D"], "equation": "χ = 2", "from": "-1", "to": "5")"))
        << written.toStdString();
    Board reopened;
    ASSERT_TRUE(std::holds_alternative<Outcome>(reopened.open(std::get<Lesson>(readLesson(written)))));
    EXPECT_EQ(writeLesson(reopened.lesson()), written);

    const struct {
        const char* Name;
        const char* Json;
        LessonFaultCode Code;
    } refused[] = {
        {"coordinate with no value", R"("points": [{"name": "A", "x": "1/0", "y": "3"}])", LessonFaultCode::BadPoint},
        {"name twice", R"("points": [{"name": "A", "x": "1", "y": "3"}, {"name": "A", "x": "2", "y": "3"}])",
            LessonFaultCode::BadPoint},
        {"unknown point",
            R"("slots": [{"slot": 1, "through": ["A", "Z"]}], "points": [{"name": "A", "x": "1", "y": "3"}])",
            LessonFaultCode::UnknownPoint},
        {"through not two names", R"("slots": [{"slot": 1, "through": ["A"]}])", LessonFaultCode::WrongType},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.Name);
        const auto result = readLesson(QByteArray(R"({"format": "zelmora-lesson", "version": 1, )") + row.Json + "}");
        ASSERT_TRUE(std::holds_alternative<LessonFault>(result));
        EXPECT_EQ(std::get<LessonFault>(result).Code, row.Code);
    }
}

} // namespace
