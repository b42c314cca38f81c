// SPDX-License-Identifier: MIT
// The picture of a board on the recording surface: the plane and the lines in slot order, what each
// change draws, and the marks the show options add: where each lands, that labels keep apart and
// on the surface, that the pen and font come back, and that with every option off the picture is
// the plain one, call for call.
#include "picture/UnitMarks.h"
#include "RecordingSurface.h"
#include "picture/Picture.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "slots/DrawSlotLine.h"
#include "slots/SlotTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace zelmora {
namespace {

using testing::RecordingSurface;
using Circle = RecordingSurface::DrawnCircle;
using Drawn = RecordingSurface::DrawnLine;
using Text = RecordingSurface::PrintedText;
using Filled = RecordingSurface::FilledBox;

constexpr Rgb blue{0, 0, 255};
constexpr Rgb black{0, 0, 0};
constexpr Rgb backing{255, 255, 192};
constexpr PlaneGeometry middle{300, 300, 22};

const EntryTexts firstTypical{"-2/3", "1", "-3", "3"};
const EntryTexts secondTypical{"2", "-2", "-3", "3"};

SlotTable tableOf(const std::vector<EntryTexts>& lines)
{
    SlotTable table;
    for (std::size_t slot = 0; slot < lines.size(); ++slot)
        storeLine(table, static_cast<int>(slot), std::get<LineValues>(readLineEntry(lines[slot])));
    return table;
}

RecordingSurface marksOf(const std::vector<EntryTexts>& lines, const ShowOptions& show, int currentSlot = 0,
    const PlaneGeometry& geometry = middle)
{
    RecordingSurface surface;
    drawUnitMarks(surface, tableOf(lines), geometry, show, currentSlot);
    return surface;
}

ShowOptions only(bool ShowOptions::*mark)
{
    ShowOptions show;
    show.*mark = true;
    return show;
}

const ShowOptions everything{true, true, true, true, true};

// Fills a slot as the draw command stores a line: a's and b's numerators and denominators, then the
// bounds.
void fill(SlotTable& table, int slot, const std::array<float, 6>& v, float drawn = 1)
{
    const float cells[] = {drawn, v[0], v[2], v[4], v[5], v[1], v[3]}; // in column order
    for (int column = 0; column < SlotTable::Columns; ++column)
        table.set(slot, static_cast<SlotTable::Column>(column), cells[column]);
}

// Rising, falling, steep, flat, fractional, some reaching past the edges.
const std::vector<EntryTexts> eightLines{{"-2/3", "1", "-3", "3"}, {"2", "-3", "-5", "5"}, {"1/2", "2", "-8", "8"},
    {"-1", "0", "-10", "10"}, {"3", "0", "-2", "2"}, {"0", "4", "-6", "6"}, {"-1/4", "-5", "-12", "12"},
    {"5/2", "-1/3", "-4", "4"}};

TEST(DrawPicture, PlaneThenSlotsInOrder)
{
    SlotTable table;
    fill(table, 0, {0, 1, 1, 1, -1, 1});
    fill(table, 3, {0, 1, 2, 1, -1, 1});
    fill(table, 7, {0, 1, 3, 1, -1, 1});
    fill(table, 8, {0, 1, 4, 1, -1, 1}, 0);
    fill(table, 9, {0, 1, 5, 1, -1, 1}, 0);
    const PlaneGeometry geometry{300, 300, 22};

    RecordingSurface planeOnly;
    DrawPlane(planeOnly, geometry);
    RecordingSurface surface;
    drawPicture(surface, table, geometry);

    auto expected = planeOnly.Calls;
    for (const char* line : {"Line 278 278 322 278", "Line 278 256 322 256", "Line 278 234 322 234"})
        expected.insert(expected.end(), {"ForeColor 0 0 255", "DrawWidth 3", line, "ForeColor 0 0 0"});
    EXPECT_EQ(surface.Calls, expected);
}

// Each change draws what it names on the surface: a segment over the picture, the plane alone, or
// the plane and every line in slot order.
TEST(DrawPicture, DrawChangeDrawsWhatTheOutcomeNames)
{
    Board board;
    board.draw(firstTypical);
    board.draw({"0", "2", "-1", "1"});
    const PlaneGeometry geometry = board.geometry();

    RecordingSurface plane;
    DrawPlane(plane, geometry);
    RecordingSurface first;
    DrawSlotLine(first, board.slotTable(), geometry, 0, PaletteBlue);
    RecordingSurface second;
    DrawSlotLine(second, board.slotTable(), geometry, 1, PaletteBlue);

    const struct {
        const char* Name;
        PictureChange Change;
        std::vector<std::string> Expected;
    } rows[] = {{"none", PictureChange::None, {}}, {"segment", PictureChange::Segment, second.Calls},
        {"plane", PictureChange::Plane, plane.Calls},
        {"whole", PictureChange::Whole, [&] {
             auto calls = plane.Calls;
             calls.insert(calls.end(), first.Calls.begin(), first.Calls.end());
             calls.insert(calls.end(), second.Calls.begin(), second.Calls.end());
             return calls;
         }()}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        Outcome outcome;
        outcome.Picture = row.Change;
        outcome.Slot = 1;
        RecordingSurface surface;
        drawChange(surface, board, outcome);
        EXPECT_EQ(surface.Calls, row.Expected);
    }
}

TEST(UnitMarks, WithEveryOptionOffThePictureIsThePlainOneCallForCall)
{
    const SlotTable table = tableOf(eightLines);
    for (const std::int16_t unitPixels : {40, 22, 14}) {
        SCOPED_TRACE(unitPixels);
        const PlaneGeometry geometry{300, 300, unitPixels};
        RecordingSurface plain;
        DrawPlane(plain, geometry);
        for (std::int16_t slot = 0; slot < SlotTable::Rows; ++slot)
            DrawSlotLine(plain, table, geometry, slot, PaletteBlue);

        RecordingSurface defaulted;
        drawPicture(defaulted, table, geometry);
        RecordingSurface allOff;
        drawPicture(allOff, table, geometry, ShowOptions{}, 3);
        EXPECT_EQ(defaulted.Calls, plain.Calls);
        EXPECT_EQ(allOff.Calls, plain.Calls);
    }
}

// Each mark alone on y = -2/3χ + 1 and y = 2χ - 2, both over -3 ≦ χ ≦ 3, at 22 pixels per unit.
// Label texts come at the labels' size first, then the fractions' parts, each with a halo of 3
// pixels; a fraction's bar lies on a halo of its own, a box 3 pixels round it.
TEST(UnitMarks, EachMarkAloneOnTheTypicalPair)
{
    const struct {
        const char* Name;
        bool ShowOptions::*Mark;
        int CurrentSlot;
        std::vector<Circle> Circles;
        std::vector<Drawn> Lines;
        std::vector<Filled> Boxes;
        std::vector<Text> Texts;
    } rows[] = {
        {"end points, filled dots in the line's colour", &ShowOptions::Endpoints, 0,
            {{234, 234, 4, 1, blue, blue}, {366, 322, 4, 1, blue, blue}, {234, 476, 4, 1, blue, blue},
                {366, 212, 4, 1, blue, blue}},
            {}, {}, {}},
        // The ring at (9/8, 1/4); right of it the label would cover the 5 of the plane, so it stands
        // above and to the right, over the steep line rather than further out.
        {"intersection, its coordinates stacked", &ShowOptions::Intersections, 0,
            {{324.75, 294.5, 4, 2, black, std::nullopt}},
            {{341, 275, 348, 275, 1, black}, {363, 275, 369, 275, 1, black}},
            {{338, 272, 352, 279, backing}, {360, 272, 373, 279, backing}},
            {{334, 269, "(", false, black, 9, 3}, {349, 269, ", ", false, black, 9, 3},
                {370, 269, ")", false, black, 9, 3}, {342, 265, "9", false, black, 7, 3},
                {342, 277, "8", false, black, 7, 3}, {364, 265, "1", false, black, 7, 3},
                {364, 277, "4", false, black, 7, 3}}},
        // The run label over the leg, away from the falling line, a little left of its middle where the
        // other line crosses it; the rise beside the upper part of its leg.
        {"slope of the first line, right 3 down 2", &ShowOptions::Slope, 0, {},
            {{300, 278, 366, 278, 1, blue, LineStyle::Dashed}, {366, 278, 366, 322, 1, blue, LineStyle::Dashed}}, {},
            {{319, 260, "3", false, blue, 9, 3}, {372, 281, "−2", false, blue, 9, 3}}},
        {"slope of the second line, right 1 up 2", &ShowOptions::Slope, 1, {},
            {{300, 344, 322, 344, 1, blue, LineStyle::Dashed}, {322, 344, 322, 300, 1, blue, LineStyle::Dashed}}, {},
            {{307, 350, "1", false, blue, 9, 3}, {328, 316, "2", false, blue, 9, 3}}},
        {"numbers right of the right ends", &ShowOptions::Numbers, 0, {}, {}, {},
            {{375, 316, "①", false, blue, 9, 3}, {375, 206, "②", false, blue, 9, 3}}},
        // The middles are (300, 278) and (300, 344). Round the first, the lines and the origin mark take
        // every side, so its equation stands left of a point along the line towards its left end.
        {"equations by the middles, the fraction stacked", &ShowOptions::Equations, 0, {},
            {{219, 278, 225, 278, 1, blue}}, {{216, 275, 229, 282, backing}},
            {{178, 272, "y = −", false, blue, 9, 3}, {226, 272, "χ + 1", false, blue, 9, 3},
                {309, 353, "y = 2χ − 2", false, blue, 9, 3}, {220, 268, "2", false, blue, 7, 3},
                {220, 280, "3", false, blue, 7, 3}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const RecordingSurface surface = marksOf({firstTypical, secondTypical}, only(row.Mark), row.CurrentSlot);
        EXPECT_EQ(surface.Circles, row.Circles);
        EXPECT_EQ(surface.Lines, row.Lines);
        EXPECT_EQ(surface.Boxes, row.Boxes);
        EXPECT_EQ(surface.Texts, row.Texts);
    }
}

TEST(UnitMarks, SlopeTriangleOnlyWhereTheCurrentLineHasOne)
{
    const struct {
        const char* Name;
        std::vector<EntryTexts> Lines;
        int CurrentSlot;
        std::size_t Legs;
    } rows[]
        = {{"a = 1/13, a run beyond 12", {{"1/13", "0", "-13", "13"}}, 0, 0}, {"a = 0", {{"0", "2", "-3", "3"}}, 0, 0},
            {"the current slot is empty", {firstTypical}, 1, 0}, {"a = 1/12", {{"1/12", "0", "-13", "13"}}, 0, 2},
            {"the current line is off the surface", {{"1", "20", "-3", "3"}}, 0, 0},
            // The ends at (1/2, ±1/2) leave the run's number no place at the origin; a run further on it has one.
            {"no room for the numbers at the intercept: moved along the line",
                {{"1", "0", "-6", "6"}, {"0", "0.5", "0.5", "3"}, {"0", "-0.5", "0.5", "3"}}, 0, 2}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const RecordingSurface surface = marksOf(row.Lines, only(&ShowOptions::Slope), row.CurrentSlot);
        EXPECT_EQ(surface.Lines.size(), row.Legs);
        EXPECT_EQ(surface.Texts.size(), row.Legs);
    }
}

TEST(UnitMarks, IntersectionsAreVisiblePointsInsideBothDomainsEachOnce)
{
    const struct {
        const char* Name;
        std::vector<EntryTexts> Lines;
        std::vector<Circle> Rings;
        std::vector<std::string> Texts;
    } rows[] = {{"parallel", {{"1", "0", "-3", "3"}, {"1", "2", "-3", "3"}}, {}, {}},
        {"one line, overlapping", {{"1", "0", "-3", "3"}, {"1", "0", "-1", "5"}}, {}, {}},
        {"one line, end to end", {{"1", "1", "-3", "1"}, {"1", "1", "1", "4"}}, {{322, 256, 4, 2, black}}, {"(1, 2)"}},
        {"one line, apart", {{"1", "1", "-3", "0"}, {"1", "1", "1", "4"}}, {}, {}},
        {"outside one domain", {{"1", "0", "-3", "3"}, {"-1", "0", "1", "3"}}, {}, {}},
        {"at the end of one domain", {{"1", "0", "-3", "3"}, {"-1", "0", "0", "3"}}, {{300, 300, 4, 2, black}},
            {"(0, 0)"}},
        {"off the surface", {{"1", "0", "-30", "30"}, {"-1", "40", "-30", "30"}}, {}, {}},
        {"three lines through one point", {{"1", "1", "-3", "3"}, {"-1", "3", "-3", "3"}, {"0", "2", "-3", "3"}},
            {{322, 256, 4, 2, black}}, {"(1, 2)"}},
        {"negative fraction", {{"1", "0", "-3", "3"}, {"-2", "-1", "-3", "3"}},
            {{middle.toSurface({-1.0 / 3, 0}).X, middle.toSurface({0, -1.0 / 3}).Y, 4, 2, black}},
            {"(−", ", −", ")", "1", "3", "1", "3"}},
        {"negative integers", {{"1", "0", "-3", "3"}, {"-1", "-4", "-3", "3"}}, {{256, 344, 4, 2, black}},
            {"(−2, −2)"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const RecordingSurface surface = marksOf(row.Lines, only(&ShowOptions::Intersections));
        EXPECT_EQ(surface.Circles, row.Rings);
        std::vector<std::string> texts;
        for (const Text& text : surface.Texts)
            texts.push_back(text.Text);
        EXPECT_EQ(texts, row.Texts);
    }
}

// 交点は現在の線とだけ: of three lines meeting pairwise, only the crossings of the line drawn or
// chosen last are ringed and named.
TEST(UnitMarks, CrossingsOfTheCurrentLineOnly)
{
    const std::vector<EntryTexts> lines{{"0", "0", "-5", "5"}, {"1", "-1", "-5", "5"}, {"-1", "-3", "-5", "5"}};
    ShowOptions show = only(&ShowOptions::Intersections);
    EXPECT_EQ(marksOf(lines, show, 0).Circles.size(), 3U) << "(1, 0), (-3, 0) and (-1, -2)";
    show.CurrentCrossingsOnly = true;
    const struct {
        int Current;
        std::vector<std::string> Texts;
    } rows[] = {{0, {"(1, 0)", "(−3, 0)"}}, {1, {"(1, 0)", "(−1, −2)"}}, {2, {"(−3, 0)", "(−1, −2)"}}};
    for (const auto& row : rows) {
        const RecordingSurface surface = marksOf(lines, show, row.Current);
        std::vector<std::string> texts;
        for (const Text& text : surface.Texts)
            texts.push_back(text.Text);
        EXPECT_EQ(texts, row.Texts) << "line " << row.Current;
    }
}

// 線を色分け: each line, its number and its equation in the slot's own colour; the plain picture's
// lines stay blue without it.
TEST(UnitMarks, ColouredLinesCarryTheirColourToTheirLabels)
{
    Board board;
    board.draw(firstTypical);
    board.draw({"2", "-2", "-3", "3"});
    ShowOptions show;
    show.Colours = true;
    show.Numbers = true;
    board.setShowOptions(show);
    RecordingSurface surface;
    drawPicture(surface, board);
    std::vector<Rgb> lineColours;
    for (const Drawn& line : surface.Lines) {
        if (line.Width == 3 && line.Colour != black) // the axes are black
            lineColours.push_back(line.Colour);
    }
    EXPECT_EQ(lineColours, (std::vector<Rgb>{SlotColours[0], SlotColours[1]}));
    std::vector<std::pair<std::string, Rgb>> numbers;
    for (const Text& text : surface.Texts) {
        if (text.Text == "①" || text.Text == "②")
            numbers.emplace_back(text.Text, text.Colour);
    }
    EXPECT_EQ(numbers, (std::vector<std::pair<std::string, Rgb>>{{"①", SlotColours[0]}, {"②", SlotColours[1]}}));

    show.Colours = false;
    board.setShowOptions(show);
    RecordingSurface plain;
    drawPicture(plain, board);
    const auto blueLines
        = std::count_if(plain.Lines.begin(), plain.Lines.end(), [](const Drawn& line) { return line.Colour == blue; });
    EXPECT_EQ(blueLines, 2);
}

// After a draw the current slot moves on to an empty one; the triangle stays with the line just
// drawn, until another slot is chosen.
TEST(UnitMarks, SlopeTriangleFollowsTheLineDrawnOrChosenLast)
{
    Board board;
    board.setShowOptions(only(&ShowOptions::Slope));
    const auto legs = [&board] {
        RecordingSurface surface;
        drawPicture(surface, board);
        return std::count_if(surface.Lines.begin(), surface.Lines.end(),
            [](const Drawn& line) { return line.Style != LineStyle::Solid; });
    };
    board.draw(firstTypical);
    EXPECT_EQ(board.currentSlot(), 1);
    EXPECT_EQ(board.lineSlot(), 0);
    EXPECT_EQ(legs(), 2) << "on the line just drawn";
    board.selectSlot(3);
    EXPECT_EQ(board.lineSlot(), 3);
    EXPECT_EQ(legs(), 0) << "the chosen slot is empty";
    board.draw(secondTypical);
    board.initialScreen();
    EXPECT_EQ(board.lineSlot(), 0);
}

// At 40 pixels per unit, where the surface shows -7.5 ≦ χ ≦ 7.5.
TEST(UnitMarks, EndPointsOnlyWhereTheyAreVisible)
{
    const struct {
        const char* Name;
        EntryTexts Line;
        std::vector<Circle> Dots;
    } rows[] = {{"the low end off the surface", {"1", "0", "-20", "1"}, {{340, 260, 4, 1, blue, blue}}},
        {"both ends off, the line across", {"0", "0", "-20", "20"}, {}},
        {"zero length, one dot", {"1", "0", "2", "2"}, {{380, 220, 4, 1, blue, blue}}},
        {"an end on the edge", {"0", "0", "0", "7.5"}, {{300, 300, 4, 1, blue, blue}, {600, 300, 4, 1, blue, blue}}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(marksOf({row.Line}, only(&ShowOptions::Endpoints), 0, {300, 300, 40}).Circles, row.Dots);
    }
}

// The numbers of two lines that end at the same point, and of a line that ends at the right edge.
TEST(UnitMarks, LabelsMoveApartAndStayOnTheSurface)
{
    const struct {
        const char* Name;
        std::vector<EntryTexts> Lines;
        std::vector<Text> Texts;
    } rows[] = {{"the later of two numbers at one end moves to its left", {{"-1", "4", "0", "2"}, {"1", "0", "0", "2"}},
                    {{353, 250, "①", false, blue, 9, 3}, {311, 250, "②", false, blue, 9, 3}}},
        {"a number at the right edge stands left of the end", {{"0", "0", "-20", "20"}},
            {{585, 309, "①", false, blue, 9, 3}}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(marksOf(row.Lines, only(&ShowOptions::Numbers)).Texts, row.Texts);
    }
}

TEST(UnitMarks, PenFontAndStylesComeBackAsTheLinesAndThePlaneLeaveThem)
{
    const struct {
        const char* Name;
        ShowOptions Show;
    } rows[] = {{"numbers", only(&ShowOptions::Numbers)}, {"equations", only(&ShowOptions::Equations)},
        {"intersections", only(&ShowOptions::Intersections)}, {"end points", only(&ShowOptions::Endpoints)},
        {"slope", only(&ShowOptions::Slope)}, {"everything", everything}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        RecordingSurface surface;
        drawPicture(surface, tableOf(eightLines), middle, row.Show, 0);
        EXPECT_EQ(surface.PenColour, black);
        EXPECT_EQ(surface.PenWidth, 3);
        EXPECT_EQ(surface.Stroke, LineStyle::Solid);
        EXPECT_EQ(surface.Filling, FillMode::Transparent);
        EXPECT_EQ(surface.Points, 20);
        EXPECT_TRUE(surface.Bold);
    }
}

// On paper in black a line's colour is lost; while the lines are told apart by colour, each takes
// its slot's dash pattern instead. Anywhere else, and with the colours off, lines stay solid.
TEST(UnitMarks, APatternStandsInForALinesColourOnlyOnPaperInBlack)
{
    ShowOptions coloured;
    coloured.Colours = true;
    ShowOptions numbered = everything;
    numbered.Colours = false;
    const struct {
        const char* Name;
        ShowOptions Show;
        Ink Drawn;
        int Slot;
        LineStyle Style;
    } rows[] = {{"black ink, colours on, slot １", coloured, Ink::BlackAndWhite, 0, LineStyle::Solid},
        {"black ink, colours on, slot ２", coloured, Ink::BlackAndWhite, 1, LineStyle::Dashed},
        {"black ink, colours on, slot ８", coloured, Ink::BlackAndWhite, 7, LineStyle::LongDashShortDash},
        {"black ink, colours off", numbered, Ink::BlackAndWhite, 1, LineStyle::Solid},
        {"colour ink, colours on", coloured, Ink::Colour, 1, LineStyle::Solid},
        {"the slots past ８", coloured, Ink::BlackAndWhite, 8, LineStyle::Solid},
        {"no slot", coloured, Ink::BlackAndWhite, -1, LineStyle::Solid}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(lineStyle(row.Show, row.Slot, row.Drawn), row.Style);
    }

    // Eight patterns, one a slot, none of them the same and all but the first really dashed.
    std::vector<std::vector<double>> patterns;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto pattern = dashPattern(lineStyle(coloured, slot, Ink::BlackAndWhite));
        EXPECT_EQ(pattern.empty(), slot == 0) << slot;
        EXPECT_EQ(pattern.size() % 2, 0U) << slot;
        EXPECT_EQ(std::count(patterns.begin(), patterns.end(), std::vector(pattern.begin(), pattern.end())), 0) << slot;
        patterns.emplace_back(pattern.begin(), pattern.end());
    }
}

// The patterns reach the segments and nothing else: the grid, the axes and the slope triangle are
// drawn as in colour, the marks after the lines begin solid, and with the colours off paper in
// black gets the very same calls as the screen.
TEST(UnitMarks, OnPaperInBlackEachSegmentHasItsSlotsPattern)
{
    const SlotTable table = tableOf(eightLines);
    ShowOptions show = everything;
    show.Colours = true;
    RecordingSurface paper;
    drawPicture(paper, table, middle, show, 1, PlaneEdges::Window, Ink::BlackAndWhite);
    RecordingSurface screen;
    drawPicture(screen, table, middle, show, 1);

    std::vector<LineStyle> thickStyles;
    std::vector<Drawn> paperOthers;
    for (const Drawn& line : paper.Lines) {
        if (line.Width == 3)
            thickStyles.push_back(line.Style);
        else
            paperOthers.push_back(line);
    }
    std::vector<LineStyle> expected{LineStyle::Solid, LineStyle::Solid}; // the axes
    expected.insert(expected.end(), SlotDrawStyles.begin(), SlotDrawStyles.end());
    EXPECT_EQ(thickStyles, expected);
    std::vector<Drawn> screenOthers;
    std::copy_if(screen.Lines.begin(), screen.Lines.end(), std::back_inserter(screenOthers),
        [](const Drawn& line) { return line.Width != 3; });
    EXPECT_EQ(paperOthers, screenOthers);
    EXPECT_EQ(paper.Stroke, LineStyle::Solid);
    EXPECT_EQ(paper.Circles, screen.Circles);

    show.Colours = false;
    RecordingSurface plainPaper;
    drawPicture(plainPaper, table, middle, show, 1, PlaneEdges::Window, Ink::BlackAndWhite);
    RecordingSurface plainScreen;
    drawPicture(plainScreen, table, middle, show, 1);
    EXPECT_EQ(plainPaper.Calls, plainScreen.Calls);
}

// With a mark on, a new segment or a change of slot cannot be drawn over the picture alone.
TEST(UnitMarks, ChangesRedrawTheWholePictureWhileAMarkIsShown)
{
    Board board;
    board.draw(firstTypical);
    board.draw(secondTypical);
    Outcome segment;
    segment.Picture = PictureChange::Segment;
    segment.Slot = 1;
    const Outcome otherSlot = board.selectSlot(0);

    const auto whole = [&](const ShowOptions& show) {
        RecordingSurface surface;
        drawPicture(surface, board.slotTable(), board.geometry(), show, board.currentSlot());
        return surface.Calls;
    };
    RecordingSurface second;
    DrawSlotLine(second, board.slotTable(), board.geometry(), 1, PaletteBlue);
    const struct {
        const char* Name;
        Outcome Change;
        ShowOptions Show;
        std::vector<std::string> Expected;
    } rows[] = {{"a segment without marks", segment, {}, second.Calls},
        {"a segment with numbers", segment, only(&ShowOptions::Numbers), whole(only(&ShowOptions::Numbers))},
        {"another slot with the slope", otherSlot, only(&ShowOptions::Slope), whole(only(&ShowOptions::Slope))},
        {"another slot with numbers", otherSlot, only(&ShowOptions::Numbers), {}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        board.setShowOptions(row.Show);
        RecordingSurface surface;
        drawChange(surface, board, row.Change);
        EXPECT_EQ(surface.Calls, row.Expected);
    }
}

} // namespace
} // namespace zelmora

namespace zelmora::testing {
namespace {

NamedPoint named(const char* name, const char* x, const char* y)
{
    return std::get<NamedPoint>(readPoint(name, x, y));
}

// Points are black dots labelled with their name and coordinates, or their name alone; a point off
// the plane shown is not drawn, and no label of a point is left out.
TEST(UnitMarks, PointsAreBlackDotsWithTheirLabels)
{
    const struct {
        const char* Name;
        bool NamesOnly;
        std::vector<std::string> Texts;
    } rows[] = {
        {"with coordinates", false, {"A(−3, 3)", "B(", ", −1)", "1", "2"}}, // the fraction's parts last
        {"names alone", true, {"A", "B"}},
    };
    const std::vector<NamedPoint> points{named("A", "-3", "3"), named("B", "1/2", "-1"), named("C", "40", "0")};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        RecordingSurface surface;
        drawUnitMarks(surface, SlotTable{}, middle, ShowOptions{}, 0, {}, {}, PointMarks{points, row.NamesOnly});
        const std::vector<Circle> dots{{234, 234, 4, 1, black, black}, {311, 322, 4, 1, black, black}};
        EXPECT_EQ(surface.Circles, dots);
        std::vector<std::string> texts;
        for (const auto& text : surface.Texts) {
            EXPECT_EQ(text.Colour, black);
            texts.push_back(text.Text);
        }
        EXPECT_EQ(texts, row.Texts);
    }
}

} // namespace
} // namespace zelmora::testing
