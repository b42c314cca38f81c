// SPDX-License-Identifier: MIT
#include "board/Board.h"

#include "facts/Equation.h"
#include "facts/TypedLine.h"

#include <algorithm>
#include <utility>

namespace zelmora {

int Board::planeSize() const
{
    for (std::size_t k = 0; k < PlaneSizes.size(); ++k) {
        if (PlaneSizes[k].UnitPixels == UnitPixels)
            return static_cast<int>(k);
    }
    return MediumPlane;
}

BoardState Board::state() const
{
    return {Slots, Forms, CurrentSlot, UnitPixels, Show, Version, Document, Title, Practice, Points};
}

void Board::restore(const BoardState& state, bool withDocument)
{
    Slots = state.Slots;
    Forms = state.Forms;
    CurrentSlot = state.CurrentSlot;
    UnitPixels = state.UnitPixels;
    Show = state.Show;
    Points = state.Points;
    Version = state.Version;
    if (withDocument) {
        Document = state.Document;
        Title = state.Title;
        Practice = state.Practice;
    }
}

// A command that leaves the board as it was (a refused line, the size it already has) is no step.
template <typename Command> Outcome Board::recorded(const BoardStep& step, Command&& command)
{
    OpenMove.reset();
    OpenPointMove.reset();
    BoardState before = state();
    Outcome outcome = std::forward<Command>(command)();
    if (!before.sameBoard(state()) || before.Document != Document || before.Title != Title
        || before.Practice != Practice) {
        Version = ++LastVersion;
        Steps.record(step, std::move(before));
    }
    return outcome;
}

Outcome Board::draw(const EntryTexts& texts)
{
    return recorded({BoardCommand::Draw, CurrentSlot}, [&] { return drawLine(texts); });
}

// All four boxes are read and checked before anything changes, so that a line that cannot be
// drawn leaves the slot, the picture and the selection as they were.
Outcome Board::drawLine(const EntryTexts& texts)
{
    const auto entry = readLineEntry(texts);
    if (const auto* refusal = std::get_if<EntryRefusal>(&entry)) {
        Outcome outcome;
        outcome.Focus = refusal->Box;
        outcome.SelectFocusedText = true;
        outcome.Message = *refusal;
        return outcome;
    }
    const int slot = CurrentSlot;
    storeLine(Slots, slot, std::get<LineValues>(entry));
    Forms[static_cast<std::size_t>(slot)].reset();

    // Moving on to the next slot checks its button and shows it, as choosing it would.
    Outcome outcome = showSlot((slot + 1) % SlotTable::UserSlots);
    LineSlot = slot;
    outcome.Picture = PictureChange::Segment;
    outcome.Slot = slot;
    // The line is drawn as the rules read it; the pupil hears what they left out, or else that the
    // line has no length, which the picture hardly shows.
    if (auto ignored = ignoredText(texts))
        outcome.Message = std::move(*ignored);
    else if (Slots.get(slot, SlotTable::XFrom) == Slots.get(slot, SlotTable::XTo))
        outcome.Message = ZeroLengthLine{slot, Slots.get(slot, SlotTable::XFrom)};
    return outcome;
}

Outcome Board::typeEquation(std::string_view text)
{
    return recorded({BoardCommand::Draw, CurrentSlot}, [&] { return typeLine(text); });
}

namespace {

// The line an equation stands for, as a slot keeps it: the box texts of y = aχ + b and what is kept
// beside the table, or why it cannot be kept. Without a domain, whole units as far as the plane
// reaches from its origin.
struct TypedSlot {
    EntryTexts Texts;
    LineForm Form;
};

std::variant<TypedSlot, EquationRefusal> keptLineOf(const TypedLine& typed, const EntryTexts& domain)
{
    TypedSlot kept;
    kept.Form.Typed = typed.Form;
    kept.Form.Open = typed.Open;
    const std::string from = typed.From.value_or(domain[static_cast<std::size_t>(EntryBox::From)]);
    const std::string to = typed.To.value_or(domain[static_cast<std::size_t>(EntryBox::To)]);
    if (typed.Vertical) {
        kept.Form.Vertical = VerticalLine{fractionText(typed.At), from, to};
        return kept;
    }
    kept.Texts = {*coefficientText(typed.A), *coefficientText(typed.B), from, to};
    if (std::holds_alternative<EntryRefusal>(readLineEntry(kept.Texts)))
        return EquationRefusal{EquationFault::TooLarge, 0, {}};
    // An equation typed as the boxes' own y = aχ + b is no other form of it.
    const auto line = readExactLine(kept.Texts);
    if (line && equationOf(*line).Plain == typed.Form)
        kept.Form.Typed.clear();
    return kept;
}

// Whether a slot of a lesson takes its domain from its equation, the file leaving "from" or "to" out.
bool domainFromEquation(const Lesson& lesson, std::size_t slot)
{
    const auto& equation = lesson.Equations[slot];
    const auto& leftOut = lesson.LeftOut[slot];
    if (!equation || !leftOut || *leftOut < EntryBox::From)
        return false;
    const auto read = readTypedLine(equation->Text);
    const auto* typed = std::get_if<TypedLine>(&read);
    return typed != nullptr && typed->From.has_value();
}

// The line through two of the points, by their names.
std::variant<WorkedLine, PointLineRefusal> throughNamed(const std::vector<NamedPoint>& points,
    const std::array<std::string, 2>& names, const std::optional<std::array<std::string, 2>>& domain)
{
    const NamedPoint* first = pointNamed(points, names[0]);
    const NamedPoint* second = pointNamed(points, names[1]);
    if (first == nullptr || second == nullptr)
        return PointLineRefusal{std::nullopt, first == nullptr ? names[0] : names[1]};
    auto line = lineThrough(first->At, second->At, domain);
    if (const auto* fault = std::get_if<PointLineFault>(&line))
        return PointLineRefusal{*fault};
    return std::get<WorkedLine>(std::move(line));
}

} // namespace

Outcome Board::typeLine(std::string_view text)
{
    const auto read = readTypedLine(text);
    const int reach = (OriginX + UnitPixels - 1) / UnitPixels;
    const auto kept = std::holds_alternative<TypedLine>(read)
        ? keptLineOf(std::get<TypedLine>(read), {"", "", std::to_string(-reach), std::to_string(reach)})
        : std::get<EquationRefusal>(read);
    if (const auto* refusal = std::get_if<EquationRefusal>(&kept)) {
        Outcome outcome;
        outcome.Message = *refusal;
        return outcome;
    }
    const auto& line = std::get<TypedSlot>(kept);
    const int slot = CurrentSlot;
    auto& form = Forms[static_cast<std::size_t>(slot)];
    form.reset();
    if (line.Form.Vertical) {
        Slots.setDrawn(slot, false);
        form = line.Form;
    } else {
        storeLine(Slots, slot, std::get<LineValues>(readLineEntry(line.Texts)));
        if (!line.Form.empty())
            form = line.Form;
    }
    Outcome outcome = showSlot((slot + 1) % SlotTable::UserSlots);
    LineSlot = slot;
    // A vertical line is no segment of the table's: the picture is drawn anew.
    outcome.Picture = line.Form.Vertical ? PictureChange::Whole : PictureChange::Segment;
    outcome.Slot = slot;
    return outcome;
}

bool Board::shows(const ExactPoint& point) const
{
    const PlaneRect visible = geometry().visible(PictureSide, PictureSide);
    const double x = point.X.get_d();
    const double y = point.Y.get_d();
    return x >= visible.Left && x <= visible.Right && y >= visible.Bottom && y <= visible.Top;
}

std::array<std::string, 2> Board::wholePlane() const
{
    const int reach = (OriginX + UnitPixels - 1) / UnitPixels;
    return {std::to_string(-reach), std::to_string(reach)};
}

Outcome Board::storeWorked(const WorkedLine& line, std::optional<PointTie> tie)
{
    const int slot = CurrentSlot;
    auto& form = Forms[static_cast<std::size_t>(slot)];
    if (line.Vertical) {
        Slots.setDrawn(slot, false);
        form = LineForm{{}, line.Vertical, std::move(tie)};
    } else {
        storeLine(Slots, slot, std::get<LineValues>(readLineEntry(line.Texts)));
        form.reset();
        if (tie)
            form = LineForm{{}, std::nullopt, std::move(tie)};
    }
    Outcome outcome = showSlot((slot + 1) % SlotTable::UserSlots);
    LineSlot = slot;
    outcome.Picture = line.Vertical || !Points.empty() ? PictureChange::Whole : PictureChange::Segment;
    outcome.Slot = slot;
    return outcome;
}

Outcome Board::drawThrough(const std::string& first, const std::string& second, bool wholePlane)
{
    return recorded({BoardCommand::Draw, CurrentSlot}, [&] {
        const std::array<std::string, 2> names{first, second};
        auto line = throughNamed(Points, names, wholePlane ? std::optional(this->wholePlane()) : std::nullopt);
        if (const auto* refusal = std::get_if<PointLineRefusal>(&line)) {
            Outcome outcome;
            outcome.Message = *refusal;
            return outcome;
        }
        return storeWorked(std::get<WorkedLine>(line), PointTie{names, !wholePlane});
    });
}

Outcome Board::drawWithSlope(const std::string& a, const std::string& x, const std::string& y)
{
    return recorded({BoardCommand::Draw, CurrentSlot}, [&] {
        Outcome refused;
        const auto slope = readLineEntry({a, "", "", ""});
        if (const auto* refusal = std::get_if<EntryRefusal>(&slope)) {
            refused.Message = *refusal;
            return refused;
        }
        // Exactly what the a box would show and read back.
        const Coefficient read = std::get<LineValues>(slope).A;
        const auto exactA = exactCoefficient(FormatCoefficient(read.Numerator, read.Denominator));
        auto point = readPoint("P", x, y);
        if (const auto* refusal = std::get_if<PointRefusal>(&point)) {
            refused.Message = *refusal;
            return refused;
        }
        auto line = lineOfSlope(*exactA, std::get<NamedPoint>(point).At, wholePlane());
        if (const auto* fault = std::get_if<PointLineFault>(&line)) {
            refused.Message = PointLineRefusal{*fault};
            return refused;
        }
        return storeWorked(std::get<WorkedLine>(line), std::nullopt);
    });
}

void Board::followPoint(const std::string& name)
{
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        auto& form = Forms[static_cast<std::size_t>(slot)];
        if (!form || !form->Through)
            continue;
        const PointTie tie = *form->Through;
        if (tie.Names[0] != name && tie.Names[1] != name)
            continue;
        std::optional<std::array<std::string, 2>> domain;
        if (!tie.Between) {
            if (const auto line = exactLineOf(Slots, Forms, slot))
                domain = form->Vertical ? std::array{form->Vertical->From, form->Vertical->To}
                                        : std::array{entryTexts(Slots, slot)[2], entryTexts(Slots, slot)[3]};
        }
        // Two points that make no line leave it as it was, still following them.
        const auto line = throughNamed(Points, tie.Names, domain);
        const auto* worked = std::get_if<WorkedLine>(&line);
        if (worked == nullptr)
            continue;
        if (worked->Vertical) {
            Slots.setDrawn(slot, false);
            form = LineForm{{}, worked->Vertical, tie};
        } else {
            storeLine(Slots, slot, std::get<LineValues>(readLineEntry(worked->Texts)));
            form = LineForm{{}, std::nullopt, tie};
        }
    }
}

Outcome Board::putPoint(const std::string& name, const std::string& x, const std::string& y, bool continuing)
{
    const auto put = [&] {
        Outcome outcome;
        const auto named = name.empty() ? nextPointName(Points) : std::optional(name);
        if (!named) {
            outcome.Message = PointNotice{{}, std::nullopt, false, true};
            return outcome;
        }
        auto read = readPoint(*named, x, y);
        if (const auto* refusal = std::get_if<PointRefusal>(&read)) {
            outcome.Message = *refusal;
            return outcome;
        }
        NamedPoint point = std::get<NamedPoint>(std::move(read));
        const auto found
            = std::find_if(Points.begin(), Points.end(), [&](const NamedPoint& p) { return p.Name == point.Name; });
        if (found == Points.end() && Points.size() >= MaxPoints) {
            outcome.Message = PointNotice{point.Name, std::nullopt, false, true};
            return outcome;
        }
        if (found == Points.end())
            Points.push_back(point);
        else
            *found = point;
        followPoint(point.Name);
        outcome.Message = PointNotice{point.Name, point.At, !shows(point.At)};
        // The boxes follow the current slot's line when it follows the point; else they keep
        // what the pupil may be typing.
        const auto& current = Forms[static_cast<std::size_t>(CurrentSlot)];
        if (current && current->Through && !current->Vertical
            && (current->Through->Names[0] == point.Name || current->Through->Names[1] == point.Name))
            outcome.Texts = entryTexts(Slots, CurrentSlot);
        outcome.Picture = PictureChange::Whole;
        return outcome;
    };
    if (continuing && OpenPointMove == name && pointNamed(Points, name) != nullptr) {
        const auto before = std::make_pair(Points, Forms);
        Outcome outcome = put();
        if (before != std::make_pair(Points, Forms))
            Version = ++LastVersion;
        return outcome;
    }
    Outcome outcome = recorded({BoardCommand::PutPoint, 0}, put);
    if (const auto* notice = std::get_if<PointNotice>(&*outcome.Message); notice && notice->At)
        OpenPointMove = notice->Name;
    return outcome;
}

Outcome Board::deletePoint(const std::string& name)
{
    return recorded({BoardCommand::DeletePoint, 0}, [&] {
        Outcome outcome;
        const auto removed = std::erase_if(Points, [&](const NamedPoint& point) { return point.Name == name; });
        if (removed == 0)
            return outcome;
        for (auto& form : Forms) {
            if (form && form->Through && (form->Through->Names[0] == name || form->Through->Names[1] == name)) {
                form->Through.reset();
                if (form->empty())
                    form.reset();
            }
        }
        outcome.Message = PointNotice{name, std::nullopt};
        outcome.Picture = PictureChange::Whole;
        return outcome;
    });
}

Outcome Board::plotPoints(const std::vector<ExactPoint>& points)
{
    return recorded({BoardCommand::PlotTable, 0}, [&] {
        for (const ExactPoint& at : points) {
            const std::string name = fractionText(at.X);
            auto read = readPoint(name, name, fractionText(at.Y));
            auto* point = std::get_if<NamedPoint>(&read);
            if (point == nullptr)
                continue;
            const auto found
                = std::find_if(Points.begin(), Points.end(), [&](const NamedPoint& p) { return p.Name == name; });
            if (found != Points.end())
                *found = std::move(*point);
            else if (Points.size() < MaxPoints)
                Points.push_back(std::move(*point));
            followPoint(name);
        }
        Outcome outcome;
        outcome.Picture = PictureChange::Whole;
        return outcome;
    });
}

Outcome Board::selectSlot(int slot)
{
    if (slot == CurrentSlot || slot < 0 || slot >= SlotTable::UserSlots)
        return {};
    return showSlot(slot);
}

Outcome Board::erase()
{
    return recorded({BoardCommand::Erase, CurrentSlot}, [this] { return eraseLine(); });
}

Outcome Board::eraseLine()
{
    Slots.setDrawn(CurrentSlot, false);
    Forms[static_cast<std::size_t>(CurrentSlot)].reset();
    Outcome outcome;
    outcome.Texts = EntryTexts{};
    outcome.Focus = EntryBox::A;
    outcome.Message = std::monostate{};
    outcome.Picture = PictureChange::Whole;
    return outcome;
}

Outcome Board::initialScreen()
{
    return recorded({BoardCommand::InitialScreen, 0}, [this] { return emptyBoard(); });
}

Outcome Board::newBoard()
{
    return recorded({BoardCommand::New, 0}, [this] {
        Document.clear();
        Title.clear();
        Practice = {};
        return emptyBoard();
    });
}

Outcome Board::emptyBoard()
{
    for (int slot = 0; slot < SlotTable::Rows; ++slot)
        Slots.setDrawn(slot, false);
    Forms = {};
    Points.clear();
    // Slot "１" is shown even when it was current already: its boxes empty.
    Outcome outcome = showSlot(0);
    outcome.Picture = PictureChange::Plane;
    return outcome;
}

Outcome Board::setPlaneSize(int size)
{
    if (size < 0 || size >= static_cast<int>(PlaneSizes.size()))
        return {};
    return recorded({BoardCommand::Size, size}, [this, size] {
        UnitPixels = PlaneSizes[static_cast<std::size_t>(size)].UnitPixels;
        Outcome outcome;
        outcome.SizeMark = size;
        outcome.Message = std::monostate{};
        outcome.Picture = PictureChange::Whole;
        return outcome;
    });
}

Outcome Board::setShowOptions(const ShowOptions& options, bool asStep)
{
    const auto show = [&] {
        Show = options;
        Outcome outcome;
        outcome.Picture = PictureChange::Whole;
        return outcome;
    };
    return asStep ? recorded({BoardCommand::Show, 0}, show) : show();
}

Outcome Board::setOpenEnd(int slot, EntryBox end, bool open)
{
    const auto line = this->line(slot);
    if (slot >= SlotTable::UserSlots || !line || line->From == line->To
        || (end != EntryBox::From && end != EntryBox::To))
        return {};
    return recorded({BoardCommand::Ends, slot}, [&] {
        auto& form = Forms[static_cast<std::size_t>(slot)];
        if (!form)
            form.emplace();
        (end == EntryBox::From ? form->Open.From : form->Open.To) = open;
        if (form->empty())
            form.reset();
        Outcome outcome;
        outcome.Picture = PictureChange::Whole;
        return outcome;
    });
}

Lesson Board::lesson() const
{
    Lesson lesson;
    lesson.Size = planeSize();
    lesson.CurrentSlot = CurrentSlot;
    lesson.Show = Show;
    lesson.Title = Title;
    lesson.Practice = Practice;
    for (const NamedPoint& point : Points)
        lesson.Points.push_back({point.Name, point.X, point.Y});
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        if (Forms[k] && Forms[k]->Through)
            lesson.Through[k] = Forms[k]->Through->Names;
        if (const VerticalLine* vertical = verticalLineOf(Forms, slot)) {
            lesson.Slots[k] = EntryTexts{"", "", vertical->From, vertical->To};
            // One drawn through two points is written as its equation too, so that a program
            // that knows no points reads a vertical line, not empty boxes.
            lesson.Equations[k]
                = LessonEquation{Forms[k]->Typed.empty() ? "χ = " + vertical->At : Forms[k]->Typed, true};
        } else if (Slots.isDrawn(slot)) {
            lesson.Slots[k] = entryTexts(Slots, slot);
            if (Forms[k] && !Forms[k]->Typed.empty())
                lesson.Equations[k] = LessonEquation{Forms[k]->Typed, false};
        }
        if (lesson.Slots[k])
            lesson.Open[k] = openEndsOf(Forms, slot);
    }
    return lesson;
}

// Every slot is read before the board changes, so that a refused lesson leaves it as it was.
std::variant<Outcome, LessonRefusal> Board::open(const Lesson& lesson, BoardCommand as, const std::string& document)
{
    std::vector<NamedPoint> points;
    for (const LessonPoint& given : lesson.Points) {
        auto read = readPoint(given.Name, given.X, given.Y);
        if (const auto* refusal = std::get_if<PointRefusal>(&read))
            return LessonRefusal{0, {}, std::nullopt, *refusal};
        if (points.size() < MaxPoints && pointNamed(points, std::get<NamedPoint>(read).Name) == nullptr)
            points.push_back(std::get<NamedPoint>(std::move(read)));
    }
    SlotTable table;
    LineForms forms;
    // The file's open ends, and those of a domain its equation gives ("−3 < χ ≦ 3").
    auto open = lesson.Open;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        const auto& texts = lesson.Slots[k];
        if (const auto& names = lesson.Through[k]) {
            // Its a and b, and its domain unless the lesson gives one, are worked out from the points.
            std::optional<std::array<std::string, 2>> domain;
            if (texts && !lesson.LeftOut[k])
                domain = {(*texts)[2], (*texts)[3]};
            auto line = throughNamed(points, *names, domain);
            if (const auto* refusal = std::get_if<PointLineRefusal>(&line))
                return LessonRefusal{slot, {}, std::nullopt, std::nullopt, *refusal};
            const auto& worked = std::get<WorkedLine>(line);
            // A domain that runs from the one point to the other stays between them as they move.
            const auto bounds = [](const WorkedLine& line) {
                const auto& from = line.Vertical ? line.Vertical->From : line.Texts[2];
                const auto& to = line.Vertical ? line.Vertical->To : line.Texts[3];
                return std::pair{exactNumber(from), exactNumber(to)};
            };
            const auto between = throughNamed(points, *names, std::nullopt);
            const PointTie tie{*names, !domain || bounds(std::get<WorkedLine>(between)) == bounds(worked)};
            if (worked.Vertical) {
                const auto entry = readLineEntry({"", "", worked.Vertical->From, worked.Vertical->To});
                if (const auto* refusal = std::get_if<EntryRefusal>(&entry))
                    return LessonRefusal{slot, *refusal, std::nullopt};
                forms[k] = LineForm{{}, worked.Vertical, tie};
                continue;
            }
            const auto entry = readLineEntry(worked.Texts);
            if (const auto* refusal = std::get_if<EntryRefusal>(&entry))
                return LessonRefusal{slot, *refusal, std::nullopt};
            storeLine(table, slot, std::get<LineValues>(entry));
            forms[k] = LineForm{{}, std::nullopt, tie};
            continue;
        }
        if (!texts)
            continue;
        const auto& equation = lesson.Equations[k];
        std::optional<TypedLine> typed;
        if (equation) {
            auto read = readTypedLine(equation->Text);
            if (const auto* refusal = std::get_if<EquationRefusal>(&read))
                return LessonRefusal{slot, {}, *refusal};
            typed = std::move(std::get<TypedLine>(read));
        }
        EntryTexts given = *texts;
        const auto& leftOut = lesson.LeftOut[k];
        if (typed && typed->From && leftOut && *leftOut >= EntryBox::From) {
            given[2] = *typed->From;
            given[3] = *typed->To;
            open[k].From = open[k].From || typed->Open.From;
            open[k].To = open[k].To || typed->Open.To;
        }
        if (typed && typed->Vertical) {
            // Its bounds are of y, and read as the boxes read bounds.
            const auto entry = readLineEntry({"", "", given[2], given[3]});
            if (const auto* refusal = std::get_if<EntryRefusal>(&entry))
                return LessonRefusal{slot, *refusal, std::nullopt};
            forms[k] = LineForm{typed->Form, VerticalLine{fractionText(typed->At), given[2], given[3]}};
            continue;
        }
        // An equation given without a and b gives them, as 式で入力 would.
        if (typed && equation->Vertical)
            given = {*coefficientText(typed->A), *coefficientText(typed->B), given[2], given[3]};
        const auto entry = readLineEntry(given);
        if (const auto* refusal = std::get_if<EntryRefusal>(&entry))
            return LessonRefusal{slot, *refusal, std::nullopt};
        storeLine(table, slot, std::get<LineValues>(entry));
        if (typed) {
            const auto line = exactLineOf(table, slot);
            if (!line || line->A != typed->A || line->B != typed->B)
                return LessonRefusal{slot, {}, EquationRefusal{EquationFault::DoesNotMatch, 0, {}}};
            forms[static_cast<std::size_t>(slot)] = LineForm{typed->Form, std::nullopt};
        }
    }
    // An open end needs a domain of more than one point, which it would leave empty.
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        if (!open[k].any())
            continue;
        const auto line = exactLineOf(table, forms, slot);
        if (!line)
            continue;
        if (line->From == line->To)
            return LessonRefusal{slot, {}, EquationRefusal{EquationFault::OpenEndOfPoint, 0, {}}};
        if (!forms[k])
            forms[k].emplace();
        forms[k]->Open = open[k];
    }
    // The file's reader has checked the size and the slot; anything else is kept in range.
    const int size = std::clamp(lesson.Size, 0, static_cast<int>(PlaneSizes.size()) - 1);
    Outcome outcome = recorded({as, 0}, [&] {
        Slots = table;
        Forms = forms;
        UnitPixels = PlaneSizes[static_cast<std::size_t>(size)].UnitPixels;
        Document = document;
        Title = lesson.Title;
        Practice = lesson.Practice;
        Points = points;
        if (lesson.Show)
            Show = *lesson.Show;
        return showSlot(std::clamp(lesson.CurrentSlot, 0, SlotTable::UserSlots - 1));
    });
    if (!Document.empty())
        Saved[Document] = Version;
    outcome.SizeMark = size;
    outcome.Picture = PictureChange::Whole;
    // Texts with characters the rules do not read are drawn as the rules read them, and a box left
    // out as an empty one; the message area tells of the first.
    if (const auto notices = lessonNotices(lesson); !notices.empty())
        outcome.Message = notices.front();
    return outcome;
}

std::vector<LessonNotice> lessonNotices(const Lesson& lesson)
{
    std::vector<LessonNotice> notices;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        const auto& texts = lesson.Slots[static_cast<std::size_t>(slot)];
        // A line through points takes what the file leaves out from them.
        if (!texts || lesson.Through[static_cast<std::size_t>(slot)])
            continue;
        const auto& leftOut = lesson.LeftOut[static_cast<std::size_t>(slot)];
        const bool domainTyped = domainFromEquation(lesson, static_cast<std::size_t>(slot));
        for (std::size_t k = 0; k < EntryBoxCount; ++k) {
            const auto box = static_cast<EntryBox>(k);
            // One box at a time: the rules name only the first box with something ignored.
            EntryTexts alone{};
            alone[k] = (*texts)[k];
            if (leftOut == box) {
                // A domain the equation gives is not missing.
                if (!domainTyped)
                    notices.push_back({slot, box, std::nullopt});
            } else if (const auto ignored = ignoredText(alone)) {
                notices.push_back({slot, box, ignored->Text});
            }
        }
    }
    return notices;
}

Outcome Board::moveLine(
    int slot, const std::optional<std::string>& a, const std::optional<std::string>& b, bool continuing)
{
    if (slot < 0 || slot >= SlotTable::UserSlots || !Slots.isDrawn(slot))
        return {};
    const auto entry = readLineEntry({a.value_or("0"), b.value_or("0"), "0", "0"});
    const auto* read = std::get_if<LineValues>(&entry);
    if (read == nullptr)
        return {};
    // What is not moved is kept as stored: its texts need not read back to the very same floats.
    LineValues line = *read;
    if (!a)
        line.A = {Slots.get(slot, SlotTable::ANum), Slots.get(slot, SlotTable::ADen)};
    if (!b)
        line.B = {Slots.get(slot, SlotTable::BNum), Slots.get(slot, SlotTable::BDen)};
    line.XFrom = Slots.get(slot, SlotTable::XFrom);
    line.XTo = Slots.get(slot, SlotTable::XTo);
    const auto move = [&] {
        storeLine(Slots, slot, line);
        // A moved line is no longer the equation typed; its domain, open ends and all, stays.
        auto& form = Forms[static_cast<std::size_t>(slot)];
        if (form) {
            form->Typed.clear();
            if (form->empty())
                form.reset();
        }
        Outcome outcome;
        if (slot == CurrentSlot)
            outcome.Texts = entryTexts(Slots, slot);
        outcome.Picture = PictureChange::Whole;
        return outcome;
    };
    if (continuing && OpenMove == slot) {
        const SlotTable before = Slots;
        Outcome outcome = move();
        if (Slots.cells() != before.cells())
            Version = ++LastVersion;
        return outcome;
    }
    Outcome outcome = recorded({BoardCommand::Move, slot}, move);
    OpenMove = slot;
    return outcome;
}

Outcome Board::keepLine(std::optional<int> slot)
{
    Kept.reset();
    if (slot && *slot >= 0 && *slot < SlotTable::UserSlots && Slots.isDrawn(*slot))
        Kept = KeptLine{Slots, *slot};
    Outcome outcome;
    outcome.Picture = PictureChange::Whole;
    return outcome;
}

Outcome Board::undo()
{
    return takeStep(true);
}

Outcome Board::redo()
{
    return takeStep(false);
}

Outcome Board::takeStep(bool back)
{
    OpenMove.reset();
    OpenPointMove.reset();
    const auto step = back ? Steps.undoStep() : Steps.redoStep();
    const auto taken = back ? Steps.undo(state()) : Steps.redo(state());
    if (!taken)
        return {};
    restore(*taken, changesDocument(step->Command));
    return showWhole();
}

void Board::markSaved(const std::string& document)
{
    Document = document;
    Saved[Document] = Version;
}

bool Board::isModified() const
{
    const auto saved = Saved.find(Document);
    return saved == Saved.end() || saved->second != Version;
}

// After a step back or forth the window shows the board as it was then, as opening it would.
Outcome Board::showWhole()
{
    // The line last drawn or selected stays the line concerned while it is there.
    const int line = LineSlot;
    Outcome outcome = showSlot(CurrentSlot);
    if (holdsLine(line))
        LineSlot = line;
    outcome.SizeMark = planeSize();
    outcome.Picture = PictureChange::Whole;
    return outcome;
}

Outcome Board::showSlot(int slot)
{
    CurrentSlot = static_cast<std::int16_t>(slot);
    LineSlot = slot;
    Outcome outcome;
    const auto& form = Forms[static_cast<std::size_t>(slot)];
    // The boxes cannot show a vertical line: they keep what they hold, and the message area shows
    // the line's equation, as it shows the equation any line was typed as.
    if (!form || !form->Vertical)
        outcome.Texts = entryTexts(Slots, slot);
    outcome.CheckedSlot = slot;
    outcome.Focus = EntryBox::A;
    outcome.Message = std::monostate{};
    if (form && !form->Typed.empty())
        outcome.Message = TypedForm{slot, form->Typed, form->Vertical.has_value()};
    return outcome;
}

} // namespace zelmora
