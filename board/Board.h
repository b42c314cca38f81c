// SPDX-License-Identifier: MIT
#pragma once

#include "board/History.h"
#include "board/Lesson.h"
#include "entry/EquationText.h"
#include "entry/LineEntry.h"
#include "facts/ExactLine.h"
#include "facts/PointLine.h"
#include "plane/PlaneGeometry.h"
#include "slots/SlotTable.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zelmora {

// What opening a lesson says about one of its slots (0 to 7), as a draw says it of the boxes: the
// characters a box holds that the rules do not read, or a box the lesson leaves out, which reads as
// an empty one (0).
struct LessonNotice {
    int Slot = 0;
    EntryBox Box = EntryBox::A;
    std::optional<std::string> Unread; // none when the box is left out

    friend bool operator==(const LessonNotice&, const LessonNotice&) = default;
};

// The equation a slot's line was typed as (or a vertical line's, "χ = 3"), shown while the slot is
// current.
struct TypedForm {
    int Slot = 0;
    std::string Equation; // ASCII minus signs
    bool Vertical = false;

    friend bool operator==(const TypedForm&, const TypedForm&) = default;
};

// A line drawn with its domain's two ends equal (all four boxes empty draws one at the origin): a
// segment of length 0, which the picture hardly shows. Slot 0 to 7; X is where it stands.
struct ZeroLengthLine {
    int Slot = 0;
    float X = 0;

    friend bool operator==(const ZeroLengthLine&, const ZeroLengthLine&) = default;
};

// What the message area says after a command: nothing, why a line was refused, which characters
// of a drawn line's boxes were not read, what a lesson opened left out, why a typed equation was
// refused, the equation the current slot's line was typed as, or that the line drawn has length 0.
// Why no line was drawn through points: the points named are the same one, or one of them is
// missing, or the line's a or b has more digits than the boxes show.
struct PointLineRefusal {
    std::optional<PointLineFault> Fault; // none: a point named is not there
    std::string Name{};                  // the point missing

    friend bool operator==(const PointLineRefusal&, const PointLineRefusal&) = default;
};

// A point placed, moved or deleted, as the pupil hears it: its name and where it is now (none when
// deleted), and whether the picture shows it; or that all 26 names are taken.
struct PointNotice {
    std::string Name;
    std::optional<ExactPoint> At;
    bool Outside = false;
    bool Full = false;

    friend bool operator==(const PointNotice&, const PointNotice&) = default;
};

using Notice = std::variant<std::monostate, EntryRefusal, IgnoredText, LessonNotice, EquationRefusal, TypedForm,
    ZeroLengthLine, PointRefusal, PointLineRefusal, PointNotice>;

struct Lesson;
// Everything opening a lesson says of its slots, in the order of the slots and, within a slot, of
// its boxes: each box left out, and each box with characters the rules do not read.
std::vector<LessonNotice> lessonNotices(const Lesson& lesson);

// How much of the picture a command changed.
enum class PictureChange {
    None,
    Segment, // one slot's segment, drawn over the picture as it is
    Plane,   // the plane alone, drawn anew (no slot holds a line)
    Whole,   // the plane and every line, drawn anew
};

// What the window must do after a command. Absent parts leave things as they are.
struct Outcome {
    std::optional<EntryTexts> Texts; // the four boxes' new texts, shown from their start
    std::optional<int> CheckedSlot;  // the slot button to check
    std::optional<EntryBox> Focus;   // the box that takes the keyboard focus
    bool SelectFocusedText = false;  // its text is selected, ready to be typed over
    std::optional<Notice> Message;   // what the message area says now
    std::optional<int> SizeMark;     // the size button that carries the mark of the chosen size
    PictureChange Picture = PictureChange::None;
    int Slot = 0; // the slot whose segment changed, for PictureChange::Segment

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

// A lesson whose texts the draw command would refuse: the slot (0 to 7) and why; or whose equation
// 式で入力 would refuse, or does not give the slot's a and b.
struct LessonRefusal {
    int Slot = 0;
    EntryRefusal Refusal;
    std::optional<EquationRefusal> Equation{};
    // A point the lesson gives that cannot be made, or a slot it draws through points that give no line.
    std::optional<PointRefusal> Point{};
    std::optional<PointLineRefusal> Through{};

    friend bool operator==(const LessonRefusal&, const LessonRefusal&) = default;
};

// The window's state without the window: the origin and scale of the plane, the current slot and
// the slot table, as they are at start-up, and the commands of the panel on them. Each command
// says what the window must show (Outcome); the board itself knows nothing of widgets. Every
// command that changes the lines, the scale or the lesson file is a step of the board's history,
// which can be undone and redone.
class Board {
public:
    std::int16_t unitPixels() const { return UnitPixels; }
    std::int16_t currentSlot() const { return CurrentSlot; }
    const SlotTable& slotTable() const { return Slots; }
    // What each slot keeps beside its row of the table: a vertical line, the equation typed.
    const LineForms& lineForms() const { return Forms; }
    // The line a slot holds, exactly, vertical or not; none for an empty slot.
    std::optional<ExactLine> line(int slot) const { return exactLineOf(Slots, Forms, slot); }
    bool holdsLine(int slot) const { return zelmora::holdsLine(Slots, Forms, slot); }
    PlaneGeometry geometry() const { return {OriginX, OriginY, UnitPixels}; }
    // Index into PlaneSizes of the current scale.
    int planeSize() const;
    // What the picture shows beyond the lines.
    const ShowOptions& showOptions() const { return Show; }

    // 線を引く: reads the four box texts into the current slot and draws its segment, then moves on
    // to the next slot (after "８" comes "１"). A text the rules cannot make a line of changes
    // nothing and says why.
    Outcome draw(const EntryTexts& texts);
    // 式で入力: one equation in χ and y fills the current slot, as a draw from the boxes would: y =
    // aχ + b with a and b worked out exactly and written as the boxes write them, or a vertical line
    // χ = h, kept beside the table; the equation typed is kept to show. Without a domain, the line
    // spans the plane as now shown. An equation that makes no line changes nothing and says where.
    Outcome typeEquation(std::string_view text);
    // A slot button: the slot becomes current and the boxes show it. Choosing the current slot
    // again keeps what has been typed.
    Outcome selectSlot(int slot);
    // 線を消す: the current slot empties (its values stay, unused) and the picture is drawn anew.
    Outcome erase();
    // 初期画面: every slot empties and "１" becomes current; the plane keeps its size.
    Outcome initialScreen();
    // 小, 中, 大: the plane at another scale, every line drawn anew.
    Outcome setPlaneSize(int size);

    // 表示: what the picture shows beyond the lines; the picture is drawn anew. The marks belong to
    // the lesson: a change is a step of the history, unless it only puts back the marks a teacher
    // chose in an earlier run (asStep false), which changes no lesson.
    Outcome setShowOptions(const ShowOptions& options, bool asStep = true);

    // An end of a slot's domain, its from end or its to end as the boxes give them, left out of the
    // domain (open, drawn as a hollow dot) or put back in. A line drawn anew has both ends closed;
    // moving its a and b keeps them. A slot without a line, or a domain of one point, which an
    // open end would leave empty, changes nothing.
    Outcome setOpenEnd(int slot, EntryBox end, bool open);

    // The slot whose line the pupil drew or chose last: after a draw the current slot has moved on,
    // but the table of values, the slope triangle and 動かして調べる stay with the line just drawn.
    int lineSlot() const { return LineSlot; }
    // 動かして調べる: the line of a slot takes a new a or b, texts as the boxes take them, and keeps
    // its domain; the picture is drawn anew, and the boxes show the line if its slot is current.
    // A move that continues the one before it on the same slot (the rest of a drag, of a play)
    // belongs to that one's step; any other is a step of its own. A slot without a line, or a
    // text the draw command would refuse, changes nothing.
    // A coefficient left out keeps the value stored.
    Outcome moveLine(
        int slot, const std::optional<std::string>& a, const std::optional<std::string>& b, bool continuing);

    // 前の線を残す: a slot's line as it is now, drawn faintly under the lines until it is let go
    // (nothing for a slot without a line). Not a step: it only shows.
    Outcome keepLine(std::optional<int> slot);
    // The line kept that way: a table holding it in the slot kept.
    struct KeptLine {
        SlotTable Table;
        int Slot = 0;
    };
    const std::optional<KeptLine>& keptLine() const { return Kept; }

    // The named points, in the order they were placed.
    const std::vector<NamedPoint>& points() const { return Points; }
    // Whether the picture (PictureSide pixels square) shows the point.
    bool shows(const ExactPoint& point) const;
    // 点をとる, 点を入力…: a point of that name (the next free letter of A to Z when empty) at the
    // texts x and y, read as the a box reads; a point of that name already there moves, and the
    // lines drawn through it follow. A move that continues the one before it on the same point
    // (the rest of a drag) belongs to its step. Bad texts, or a 27th point, change nothing.
    Outcome putPoint(const std::string& name, const std::string& x, const std::string& y, bool continuing = false);
    // A point deleted; the lines drawn through it stay where they are, no longer following it.
    Outcome deletePoint(const std::string& name);
    // 2点を通る直線…: the current slot gets the line through the two named points, drawn as if typed
    // and following them while they move; its domain from the smaller χ to the larger, or the
    // plane as shown (wholePlane). Two points with the same χ give the vertical line through both.
    Outcome drawThrough(const std::string& first, const std::string& second, bool wholePlane);
    // 傾きと1点…: the current slot gets the line of slope a (read as the a box reads) through the
    // point (x, y), over the plane as shown.
    Outcome drawWithSlope(const std::string& a, const std::string& x, const std::string& y);
    // 表の点をとる: points named by their χ ("-3", "1/2") at the points given, as one step; a point of
    // the same name moves, and no more than 26 points are kept.
    Outcome plotPoints(const std::vector<ExactPoint>& points);

    // The board as a lesson: the plane size, the current slot, what the picture shows, and the
    // texts the boxes show for each slot that holds a line.
    Lesson lesson() const;
    // Replaces the whole board with a lesson: its slots read through the same rules as the draw
    // command, its size, its current slot, shown as a selection shows it, and what it asks the
    // picture to show (when it says), the picture drawn anew. A lesson with a text the draw command
    // would refuse changes nothing; one with characters the rules do not read, or that leaves a box
    // out, says so for the first such box, naming its slot (lessonNotices() lists them all). The board then belongs to
    // the lesson file document (a path, UTF-8; empty for a board kept from the last run, which has no file), as saved
    // there.
    std::variant<Outcome, LessonRefusal> open(
        const Lesson& lesson, BoardCommand as = BoardCommand::Open, const std::string& document = {});
    // 新規: what 初期画面 does, and the board belongs to no lesson file any more.
    Outcome newBoard();

    // The step that undo() would take back, and the one redo() would take again.
    std::optional<BoardStep> undoStep() const { return Steps.undoStep(); }
    std::optional<BoardStep> redoStep() const { return Steps.redoStep(); }
    // The board as it was before the last step (or after the step undone last), shown whole: the
    // lines, the scale, the current slot and its texts, the message area cleared. Nothing to undo
    // (or redo) changes nothing.
    Outcome undo();
    Outcome redo();

    // The practice tasks of the lesson opened, which go with its file as its title does.
    const PracticeSet& practice() const { return Practice; }

    // The lesson file the board belongs to (UTF-8 path), or empty.
    const std::string& document() const { return Document; }
    // The board is saved as it is now in the lesson file document, which it belongs to from now on.
    void markSaved(const std::string& document);
    // Whether the board differs from what was last saved to, or opened from, its lesson file.
    bool isModified() const;
    // Numbers each state of the lines, the scale and the lesson file; any step changes it.
    std::uint64_t version() const { return Version; }

private:
    Outcome drawLine(const EntryTexts& texts);
    Outcome typeLine(std::string_view text);
    // Stores a worked-out line in the current slot and moves on, as 式で入力 does.
    Outcome storeWorked(const WorkedLine& line, std::optional<PointTie> tie);
    // Moves the lines tied to the point named to follow it.
    void followPoint(const std::string& name);
    // The from and to texts of the plane as now shown, in whole units from the origin.
    std::array<std::string, 2> wholePlane() const;
    Outcome eraseLine();
    Outcome emptyBoard();
    Outcome showSlot(int slot);
    Outcome showWhole();
    // A step back (undo) or forth (redo).
    Outcome takeStep(bool back);
    BoardState state() const;
    void restore(const BoardState& state, bool withDocument);
    template <typename Command> Outcome recorded(const BoardStep& step, Command&& command);

    int OriginX = 300;
    int OriginY = 300;
    std::int16_t UnitPixels = PlaneSizes[MediumPlane].UnitPixels;
    std::int16_t CurrentSlot = 0;
    SlotTable Slots;
    LineForms Forms;
    ShowOptions Show;

    History Steps;
    std::uint64_t Version = 0;
    std::uint64_t LastVersion = 0;
    std::string Document;
    std::string Title;
    PracticeSet Practice;
    // For each lesson file, the version last saved to it or opened from it.
    std::map<std::string, std::uint64_t> Saved;
    // The slot whose moves a continuing move adds to, while nothing else has been done since.
    std::optional<int> OpenMove;
    std::optional<std::string> OpenPointMove;
    std::vector<NamedPoint> Points;
    int LineSlot = 0;
    std::optional<KeptLine> Kept;
};

} // namespace zelmora
