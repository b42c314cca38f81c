// SPDX-License-Identifier: MIT
#include "picture/UnitMarks.h"

#include "facts/Equation.h"
#include "facts/ExactLine.h"
#include "facts/LineFacts.h"
#include "facts/SlopeStep.h"
#include "picture/LabelPlacer.h"
#include "plane/DrawPlane.h"
#include "plane/Palette.h"
#include "plane/PlaneSurface.h"
#include "slots/SlotTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace zelmora {
namespace {

constexpr double labelPoints = 9;          // about 12 pixels
constexpr double fractionPoints = 7;       // about 9 pixels, for the parts of a stacked fraction
constexpr Rgb labelHalo = PlaneBackground; // the plane's own colour, round the glyphs of a label
constexpr int haloPixels = 3;
constexpr double padding = haloPixels; // of the label's box round the text, holding the halo
constexpr double barOverhang = 1;      // of a fraction's bar, past its wider part
constexpr double markRadius = 4;
constexpr int ringWidth = 2;
constexpr int bracketWidth = 5; // the range of y along the y axis, over the axis's own width
constexpr int slotLineWidth = 3;
// A label beside a point keeps this far from it: clear of a dot or a ring of markRadius there.
constexpr double pointGap = 6;
constexpr double legGap = 3;
// Where those places are taken, a label looks further out from its point.
const std::vector<double> furtherGaps{12, 18, 24, 30};
// A label that names a line tries places all along it, this many pixels apart.
constexpr double lineStep = 12;
// A slope number tries places at these parts of its leg's length, and these far from it.
constexpr std::array<double, 5> legParts{0.5, 0.35, 0.65, 0.2, 0.8};
constexpr std::array<double, 3> legGaps{legGap, 6, 10};
// The legend of the lines whose label found no place stands at the plane's edge, tried this many
// pixels apart along it.
constexpr double legendStep = 4;
constexpr double legendInset = 2;
// How many times the lines' labels that found no room try again ahead of the coordinates.
constexpr int lineRounds = 2;
// A label beside an intersection moves out from it in these steps: close to a crossing, the lines
// leave no room for a label. Beyond MaxRingDistance it gets a leader.
const std::vector<double> ringGaps{6, 9, 12, 15, 18, 21, 23, 30, 36, 42, 48, 56, 64};

constexpr std::array<const char*, SlotTable::UserSlots> slotNumbers{"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};

// A drawn line with the part of it the surface shows, in surface pixels from its low χ end to its
// high one.
struct ShownLine {
    int Slot = 0;
    ExactLine Line;
    Segment Part;
};

bool inWindow(const ExactPoint& point, const PlaneWindow& window)
{
    return window.XMin <= point.X && point.X <= window.XMax && window.YMin <= point.Y && point.Y <= window.YMax;
}

Point surfacePoint(const PlaneGeometry& geometry, const mpq_class& x, const mpq_class& y)
{
    return geometry.toSurface({x.get_d(), y.get_d()});
}

// The point so many pixels from one end of a segment towards the other, if the segment is that long.
std::optional<Point> along(Point from, Point towards, double distance)
{
    const double length = std::hypot(towards.X - from.X, towards.Y - from.Y);
    if (distance > length)
        return std::nullopt;
    const double t = length > 0 ? distance / length : 0;
    return Point{from.X + t * (towards.X - from.X), from.Y + t * (towards.Y - from.Y)};
}

struct TextSize {
    double Width = 0;
    double Height = 0;
};

// A text run measures its text in Upper; a stacked fraction its numerator in Upper and its
// denominator in Lower.
struct PartSize {
    TextSize Upper;
    TextSize Lower;
};

struct Label {
    MarkLabelKind Kind = MarkLabelKind::Line;
    int Slot = -1;
    std::vector<EquationPart> Parts;
    Rgb Colour;
    std::vector<Spot> Spots;
    std::vector<PartSize> Sizes;
    // Of the text without the backing: its width and height, and how far the middle line that
    // fraction bars lie on is below its top.
    double Width = 0;
    double Height = 0;
    double Axis = 0;
    // The dot or ring whose coordinates the label gives, if it gives any; the line it names, as
    // an index into the scene's segments; whether it is never left out.
    std::optional<Point> Names;
    std::optional<std::size_t> Line;
    bool Kept = false;
    // Where the backing stands once placed, and the leader to its ring; none when left out.
    std::optional<LabelPlace> Place;
};

Label labelOf(MarkLabelKind kind, std::vector<EquationPart> parts, Rgb colour, std::vector<Spot> spots)
{
    Label label;
    label.Kind = kind;
    label.Parts = std::move(parts);
    label.Colour = colour;
    label.Spots = std::move(spots);
    return label;
}

void append(std::vector<EquationPart>& parts, EquationPart part)
{
    const auto* text = std::get_if<std::string>(&part);
    if (text && !parts.empty() && std::holds_alternative<std::string>(parts.back()))
        std::get<std::string>(parts.back()) += *text;
    else
        parts.push_back(std::move(part));
}

// A number as the label writes it: an integer as it is, other values as a sign and a stacked
// fraction.
void appendNumber(std::vector<EquationPart>& parts, const mpq_class& value)
{
    if (value.get_den() == 1) {
        append(parts, fractionText(value, Minus::Typographic));
        return;
    }
    if (sgn(value) < 0)
        append(parts, std::string(minusSign(Minus::Typographic)));
    append(parts, StackedFraction{mpz_class(abs(value.get_num())).get_str(), value.get_den().get_str()});
}

std::vector<EquationPart> coordinates(const ExactPoint& point)
{
    std::vector<EquationPart> parts{std::string("(")};
    appendNumber(parts, point.X);
    append(parts, std::string(", "));
    appendNumber(parts, point.Y);
    append(parts, std::string(")"));
    return parts;
}

double partWidth(const EquationPart& part, const PartSize& size)
{
    if (std::holds_alternative<std::string>(part))
        return size.Upper.Width;
    return std::max(size.Upper.Width, size.Lower.Width) + 2 * barOverhang;
}

// Measures each text once in the current font: the same few (brackets, commas, digits) recur in
// most labels, and measuring costs a surface as much as printing.
class TextMeasures {
public:
    explicit TextMeasures(const PlaneSurface& surface)
        : Surface(surface)
    {
    }

    TextSize operator()(const std::string& text)
    {
        const auto [known, added] = Sizes.try_emplace(text);
        if (added)
            known->second = {Surface.TextWidth(text), Surface.TextHeight(text)};
        return known->second;
    }

private:
    const PlaneSurface& Surface;
    std::map<std::string, TextSize> Sizes;
};

// Text runs are centred on the middle line; a fraction's numerator stands a pixel above its bar,
// which lies on the middle line, and its denominator a pixel below.
void measure(PlaneSurface& surface, std::vector<Label>& labels)
{
    for (Label& label : labels)
        label.Sizes.resize(label.Parts.size());
    surface.FontSize(fractionPoints);
    TextMeasures fractions(surface);
    for (Label& label : labels) {
        for (std::size_t i = 0; i < label.Parts.size(); ++i) {
            if (const auto* fraction = std::get_if<StackedFraction>(&label.Parts[i]))
                label.Sizes[i] = {fractions(fraction->Numerator), fractions(fraction->Denominator)};
        }
    }
    // The labels' own size last, as their runs are drawn first.
    surface.FontSize(labelPoints);
    TextMeasures runs(surface);
    for (Label& label : labels) {
        double width = 0;
        double above = 0;
        double below = 0;
        for (std::size_t i = 0; i < label.Parts.size(); ++i) {
            PartSize& size = label.Sizes[i];
            if (const auto* text = std::get_if<std::string>(&label.Parts[i])) {
                size.Upper = runs(*text);
                above = std::max(above, size.Upper.Height / 2);
                below = std::max(below, size.Upper.Height / 2);
            } else {
                above = std::max(above, size.Upper.Height + 1);
                below = std::max(below, size.Lower.Height + 2);
            }
            width += partWidth(label.Parts[i], size);
        }
        label.Width = std::ceil(width);
        label.Height = std::ceil(above + below);
        label.Axis = above;
    }
}

// Where a label's texts and fraction bars go, in whole pixels. A label with a stacked fraction
// reads whole from its first text and not at all from the others, so that a text layer does not
// read the fraction's digits as numbers of their own.
struct LabelText {
    Point At;
    std::string Text;
    bool Small = false; // a fraction's numerator or denominator
    std::optional<std::string> ReadAs;
};

struct LabelLayout {
    std::vector<LabelText> Texts;
    std::vector<Segment> Bars;
};

LabelLayout layoutOf(const Label& label)
{
    LabelLayout layout;
    double x = label.Place->At.X + padding;
    const double axis = std::round(label.Place->At.Y + padding + label.Axis);
    for (std::size_t i = 0; i < label.Parts.size(); ++i) {
        const PartSize& size = label.Sizes[i];
        const double partX = x;
        x += partWidth(label.Parts[i], size);
        if (const auto* text = std::get_if<std::string>(&label.Parts[i])) {
            layout.Texts.push_back(
                {{std::round(partX), std::round(axis - size.Upper.Height / 2)}, *text, false, std::nullopt});
            continue;
        }
        const auto& fraction = std::get<StackedFraction>(label.Parts[i]);
        const double width = x - partX;
        layout.Texts.push_back(
            {{std::round(partX + (width - size.Upper.Width) / 2), std::floor(axis - 1 - size.Upper.Height)},
                fraction.Numerator, true, std::nullopt});
        layout.Texts.push_back(
            {{std::round(partX + (width - size.Lower.Width) / 2), axis + 2}, fraction.Denominator, true, std::nullopt});
        layout.Bars.push_back({{std::round(partX), axis}, {std::round(x) - 1, axis}});
    }
    if (!layout.Bars.empty()) {
        std::string reading;
        for (const EquationPart& part : label.Parts) {
            const auto* fraction = std::get_if<StackedFraction>(&part);
            reading += fraction ? fraction->Numerator + "/" + fraction->Denominator : std::get<std::string>(part);
        }
        for (LabelText& text : layout.Texts)
            text.ReadAs = std::string();
        layout.Texts.front().ReadAs = std::move(reading);
    }
    return layout;
}

// The leaders first, then the bars on their halos, then the texts with theirs, one font size at a
// time rather than twice for every fraction: a surface may look its face up again whenever the
// font changes. A halo of the plane's colour round the glyphs keeps a label readable over the grid
// and the lines while they stay visible round it; it stays within the label's box, which no other
// label covers. Expects the pen 1 pixel wide and the font at the labels' size, not bold. Labels
// left out have been taken out already.
void drawLabels(PlaneSurface& surface, const std::vector<Label>& labels, Rgb leaderColour)
{
    for (const Label& label : labels) {
        if (const auto& leader = label.Place->Leader) {
            surface.ForeColor(leaderColour);
            surface.Line(leader->From.X, leader->From.Y, leader->To.X, leader->To.Y);
        }
    }
    std::vector<LabelLayout> layouts;
    for (const Label& label : labels)
        layouts.push_back(layoutOf(label));
    std::optional<Rgb> colour;
    const auto foreColor = [&](Rgb wanted) {
        if (colour != wanted)
            surface.ForeColor(wanted);
        colour = wanted;
    };
    const bool anyBar = std::any_of(layouts.begin(), layouts.end(), [](const auto& l) { return !l.Bars.empty(); });
    // A bar's halo is a fill, not a line: paper printed in black draws every line black.
    surface.FillColor(labelHalo);
    if (anyBar) {
        surface.FillStyle(FillMode::Solid);
        for (const LabelLayout& layout : layouts) {
            for (const Segment& bar : layout.Bars)
                surface.Box(bar.From.X - haloPixels, bar.From.Y - haloPixels, bar.To.X + 1 + haloPixels,
                    bar.To.Y + 1 + haloPixels);
        }
        surface.FillStyle(FillMode::Transparent);
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (const Segment& bar : layouts[i].Bars) {
            foreColor(labels[i].Colour);
            surface.Line(bar.From.X, bar.From.Y, bar.To.X, bar.To.Y);
        }
    }
    surface.TextHalo(haloPixels);
    // The font is at the labels' size, as measuring left it.
    for (const bool small : {false, true}) {
        if (small)
            surface.FontSize(fractionPoints);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            for (const LabelText& text : layouts[i].Texts) {
                if (text.Small != small)
                    continue;
                foreColor(labels[i].Colour);
                surface.CurrentX(text.At.X);
                surface.CurrentY(text.At.Y);
                if (text.ReadAs)
                    surface.ReadAs(*text.ReadAs);
                surface.Print(text.Text);
            }
        }
    }
    surface.TextHalo(0);
}

// The part of the plane the surface shows, exactly: the origin and the pixels per unit are whole.
PlaneWindow shownWindow(const PlaneGeometry& geometry, double width, double height)
{
    const mpq_class s(geometry.UnitPixels);
    return {mpq_class(mpq_class(-geometry.OriginX) / s), mpq_class((mpq_class(width) - geometry.OriginX) / s),
        mpq_class((geometry.OriginY - mpq_class(height)) / s), mpq_class(mpq_class(geometry.OriginY) / s)};
}

std::vector<ShownLine> shownLines(
    const SlotTable& table, const LineForms& forms, const PlaneGeometry& geometry, const PlaneWindow& window)
{
    std::vector<ShownLine> lines;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        auto line = exactLineOf(table, forms, slot);
        if (!line)
            continue;
        const auto visible = visibleDomain(*line, window);
        if (!visible)
            continue;
        const ExactPoint low = pointAt(*line, visible->Low);
        const ExactPoint high = pointAt(*line, visible->High);
        const Segment part{surfacePoint(geometry, low.X, low.Y), surfacePoint(geometry, high.X, high.Y)};
        lines.push_back({slot, std::move(*line), part});
    }
    return lines;
}

// Beside the points of the line's visible part every lineStep pixels from one end to the other.
void alongTheLine(std::vector<Spot>& spots, Point from, Point to)
{
    for (double distance = lineStep;; distance += lineStep) {
        const auto anchor = along(from, to, distance);
        if (!anchor)
            break;
        addSpotsAround(spots, *anchor, pointGap);
    }
}

// Beside the high end of the line's visible part, then all along it towards its low end, then
// further out from the high end.
std::vector<Spot> byTheEnd(const Segment& part)
{
    std::vector<Spot> spots;
    addSpotsAround(spots, part.To, pointGap);
    alongTheLine(spots, part.To, part.From);
    for (const Point end : {part.To, part.From}) {
        for (const double gap : furtherGaps)
            addSpotsAround(spots, end, gap);
    }
    return spots;
}

// Beside the middle of the line's visible part, then further along on either side of it, as far as
// its ends, then further out from the middle.
std::vector<Spot> byTheMiddle(const Segment& part)
{
    const Point middle{(part.From.X + part.To.X) / 2, (part.From.Y + part.To.Y) / 2};
    std::vector<Spot> spots;
    addSpotsAround(spots, middle, pointGap);
    for (double distance = lineStep;; distance += lineStep) {
        bool any = false;
        for (const Point end : {part.To, part.From}) {
            if (const auto anchor = along(middle, end, distance)) {
                any = true;
                addSpotsAround(spots, *anchor, pointGap);
            }
        }
        if (!any)
            break;
    }
    for (const double gap : furtherGaps)
        addSpotsAround(spots, middle, gap);
    return spots;
}

// Down the plane's left edge, then down its right edge: where the lines whose label found no room
// beside them are named.
std::vector<Spot> legendSpots(double width, double height)
{
    std::vector<Spot> spots;
    for (double y = legendInset; y < height; y += legendStep)
        spots.push_back({{legendInset, y}, Side::BelowRight, 0});
    for (double y = legendInset; y < height; y += legendStep)
        spots.push_back({{width - legendInset, y}, Side::BelowLeft, 0});
    return spots;
}

struct SlopeLegs {
    Segment Run;
    Segment Rise;
    bool Falls = false;
    std::string RunText;
    std::string RiseText;
};

SlopeLegs legsOf(const SlopeStep& step, const PlaneGeometry& geometry)
{
    const mpq_class cornerX = step.Start.X + step.Run;
    const Point start = surfacePoint(geometry, step.Start.X, step.Start.Y);
    const Point corner = surfacePoint(geometry, cornerX, step.Start.Y);
    const Point end = surfacePoint(geometry, cornerX, step.Start.Y + step.Rise);
    return SlopeLegs{{start, corner}, {corner, end}, sgn(step.Rise) < 0, step.Run.get_str(),
        fractionText(step.Rise, Minus::Typographic)};
}

const ShownLine* shownLineOf(const std::vector<ShownLine>& lines, int slot)
{
    const auto current
        = std::find_if(lines.begin(), lines.end(), [&](const ShownLine& line) { return line.Slot == slot; });
    return current == lines.end() ? nullptr : &*current;
}

std::optional<SlopeLegs> slopeLegs(
    const std::vector<ShownLine>& lines, int slot, const PlaneGeometry& geometry, const PlaneWindow& window)
{
    const ShownLine* current = shownLineOf(lines, slot);
    if (current == nullptr)
        return std::nullopt;
    const auto step = slopeStep(current->Line, window);
    if (!step)
        return std::nullopt;
    return legsOf(*step, geometry);
}

// The same triangle moved along the line by whole runs to the other lattice points where it still
// lies on the visible part, the nearest first (to the right before the left), at most maxMoves of
// them: where its numbers find no place by the intercept, a crowded plane may still have room for
// them a little further along.
constexpr int maxMoves = 6;

std::vector<SlopeLegs> movedLegs(
    const std::vector<ShownLine>& lines, int slot, const PlaneGeometry& geometry, const PlaneWindow& window)
{
    std::vector<SlopeLegs> moved;
    const ShownLine* current = shownLineOf(lines, slot);
    if (current == nullptr)
        return moved;
    const auto step = slopeStep(current->Line, window);
    const auto visible = visibleDomain(current->Line, window);
    if (!step || !visible)
        return moved;
    for (int k = 1; std::ssize(moved) < maxMoves; ++k) {
        bool any = false;
        for (const int by : {k, -k}) {
            const mpq_class x = step->Start.X + by * mpq_class(step->Run);
            if (x < visible->Low || x + step->Run > visible->High)
                continue;
            any = true;
            if (std::ssize(moved) < maxMoves)
                moved.push_back(legsOf({{x, yAt(current->Line, x)}, step->Rise, step->Run}, geometry));
        }
        if (!any)
            break;
    }
    return moved;
}

// The run stands on the side of its leg away from the line: under it when the line rises, over it
// when it falls; the rise beside its leg, away from the line. Each tries the middle of its leg
// first, then other points of it, then the side towards the line.
std::vector<Label> slopeLabels(const SlopeLegs& legs, Rgb colour)
{
    const Side away = legs.Falls ? Side::Above : Side::Below;
    const Side toward = legs.Falls ? Side::Below : Side::Above;
    std::vector<Spot> run;
    std::vector<Spot> rise;
    for (const Side runSide : {away, toward}) {
        for (const double gap : legGaps) {
            for (const double part : legParts) {
                run.push_back(
                    {{legs.Run.From.X + part * (legs.Run.To.X - legs.Run.From.X), legs.Run.From.Y}, runSide, gap});
            }
        }
    }
    for (const Side riseSide : {Side::Right, Side::Left}) {
        for (const double gap : legGaps) {
            for (const double part : legParts) {
                rise.push_back(
                    {{legs.Rise.From.X, legs.Rise.From.Y + part * (legs.Rise.To.Y - legs.Rise.From.Y)}, riseSide, gap});
            }
        }
    }
    std::vector<Label> labels;
    labels.push_back(labelOf(MarkLabelKind::SlopeRun, {legs.RunText}, colour, std::move(run)));
    labels.push_back(labelOf(MarkLabelKind::SlopeRise, {legs.RiseText}, colour, std::move(rise)));
    return labels;
}

// Where the segments meet; with a slot given, only where its segment meets the others.
std::vector<ExactPoint> intersections(
    const std::vector<ShownLine>& lines, const PlaneWindow& window, std::optional<int> withSlot)
{
    std::vector<ExactPoint> points;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            if (withSlot && lines[i].Slot != *withSlot && lines[j].Slot != *withSlot)
                continue;
            const Intersection meeting = intersection(lines[i].Line, lines[j].Line);
            if (meeting.Kind != IntersectionKind::Point || !inWindow(*meeting.Point, window))
                continue;
            if (std::find(points.begin(), points.end(), *meeting.Point) == points.end())
                points.push_back(*meeting.Point);
        }
    }
    return points;
}

// The ends of the segments that lie on the surface, each once.
std::vector<Point> endPoints(
    const std::vector<ShownLine>& lines, const PlaneGeometry& geometry, const PlaneWindow& window)
{
    std::vector<ExactPoint> ends;
    for (const ShownLine& shown : lines) {
        for (const mpq_class* x : {&shown.Line.low(), &shown.Line.high()}) {
            ExactPoint end = pointAt(shown.Line, *x);
            if (inWindow(end, window) && std::find(ends.begin(), ends.end(), end) == ends.end())
                ends.push_back(std::move(end));
        }
    }
    std::vector<Point> dots;
    for (const ExactPoint& end : ends)
        dots.push_back(surfacePoint(geometry, end.X, end.Y));
    return dots;
}

// The ends left open of the segments that lie on the surface, in their lines' colours.
struct HollowDot {
    Point At;
    Rgb Colour;
};

std::vector<HollowDot> openEnds(const std::vector<ShownLine>& lines, const ShowOptions& show,
    const PlaneGeometry& geometry, const PlaneWindow& window)
{
    std::vector<HollowDot> dots;
    for (const ShownLine& shown : lines) {
        for (const auto& [x, open] : {std::pair{&shown.Line.low(), shown.Line.lowOpen()},
                 std::pair{&shown.Line.high(), shown.Line.highOpen()}}) {
            const ExactPoint end = pointAt(shown.Line, *x);
            if (open && inWindow(end, window))
                dots.push_back({surfacePoint(geometry, end.X, end.Y), lineColour(show, shown.Slot)});
        }
    }
    return dots;
}

// The range of y of a line, as a bracket on the y axis: the part of it the surface shows, and each
// end in sight with whether it is open.
struct RangeBracket {
    Segment Bar;
    std::vector<std::pair<Point, bool>> Ends;
    ExactInterval Range;
};

std::optional<RangeBracket> rangeBracket(
    const std::optional<ExactLine>& line, const PlaneGeometry& geometry, const PlaneWindow& window, double width)
{
    if (!line || line->Vertical || geometry.OriginX < 0 || geometry.OriginX > width)
        return std::nullopt;
    const ExactInterval range = yRange(*line);
    const mpq_class& low = std::max(range.Low, window.YMin);
    const mpq_class& high = std::min(range.High, window.YMax);
    if (low > high)
        return std::nullopt;
    RangeBracket bracket{{surfacePoint(geometry, 0, low), surfacePoint(geometry, 0, high)}, {}, range};
    if (low == range.Low)
        bracket.Ends.emplace_back(bracket.Bar.From, range.LowOpen);
    if (high == range.High)
        bracket.Ends.emplace_back(bracket.Bar.To, range.HighOpen);
    return bracket;
}

// Beside the bracket's middle, right of it and then left, then along it, then further out.
std::vector<Spot> byTheBracket(const Segment& bar)
{
    const Point middle{(bar.From.X + bar.To.X) / 2, (bar.From.Y + bar.To.Y) / 2};
    std::vector<Spot> spots;
    const auto beside = [&](Point anchor) {
        for (const Side side : {Side::Right, Side::Left})
            spots.push_back({anchor, side, pointGap});
    };
    beside(middle);
    for (double distance = lineStep;; distance += lineStep) {
        const auto up = along(middle, bar.To, distance);
        const auto down = along(middle, bar.From, distance);
        if (!up && !down)
            break;
        for (const auto& anchor : {up, down}) {
            if (anchor)
                beside(*anchor);
        }
    }
    for (const double gap : furtherGaps)
        addSpotsAround(spots, middle, gap);
    return spots;
}

} // namespace

bool drawsMarks(const ShowOptions& show, const SlotTable& table, const LineForms& forms)
{
    if (show.any())
        return true;
    for (int slot = 0; slot < SlotTable::UserSlots; ++slot) {
        if (openEndsOf(forms, slot).any() && holdsLine(table, forms, slot))
            return true;
    }
    return false;
}

Rgb lineColour(const ShowOptions& show, int slot)
{
    if (show.Colours && slot >= 0 && slot < static_cast<int>(SlotColours.size()))
        return SlotColours[static_cast<std::size_t>(slot)];
    return PaletteBlue;
}

LineStyle lineStyle(const ShowOptions& show, int slot, Ink ink)
{
    if (ink == Ink::BlackAndWhite && show.Colours && slot >= 0 && slot < static_cast<int>(SlotDrawStyles.size()))
        return SlotDrawStyles[static_cast<std::size_t>(slot)];
    return LineStyle::Solid;
}

namespace {

// The marks and their labels in place.
struct Marks {
    std::optional<SlopeLegs> Legs;
    std::optional<RangeBracket> Bracket;
    std::vector<Point> Dots;
    std::vector<HollowDot> Hollow;
    std::vector<Point> Rings;
    std::vector<Point> PointDots;
    std::vector<Label> Labels;
    // The crossings, by their rings, and those whose coordinates found no place.
    std::vector<ExactPoint> Crossings;
    std::vector<ExactPoint> LeftOut;
};

// The line labels: the slot number and the equation together, as the show options have them, in
// the line's colour. With the number, by the line's high end or along it; the equation alone, by
// its middle or along it.
void addLineLabels(std::vector<Label>& labels, const std::vector<ShownLine>& lines, const ShowOptions& show)
{
    if (!show.Numbers && !show.Equations)
        return;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ShownLine& line = lines[i];
        std::vector<EquationPart> parts;
        if (show.Numbers)
            append(parts, std::string(slotNumbers[static_cast<std::size_t>(line.Slot)]));
        if (show.Numbers && show.Equations)
            append(parts, std::string(" "));
        if (show.Equations) {
            for (EquationPart& part : shownEquationOf(line.Line, Minus::Typographic).Parts)
                append(parts, std::move(part));
        }
        Label label = labelOf(MarkLabelKind::Line, std::move(parts), lineColour(show, line.Slot),
            show.Numbers ? byTheEnd(line.Part) : byTheMiddle(line.Part));
        label.Slot = line.Slot;
        label.Line = i;
        labels.push_back(std::move(label));
    }
}

// The legend entry of a line whose label found no room by it: its number and its equation, at the
// plane's edge, never left out unless a list beside the picture names the line.
Label legendOf(const ShownLine& line, const ShowOptions& show, double width, double height, LineList list)
{
    std::vector<EquationPart> parts{std::string(slotNumbers[static_cast<std::size_t>(line.Slot)]) + " "};
    for (EquationPart& part : shownEquationOf(line.Line, Minus::Typographic).Parts)
        append(parts, std::move(part));
    Label label
        = labelOf(MarkLabelKind::Legend, std::move(parts), lineColour(show, line.Slot), legendSpots(width, height));
    label.Slot = line.Slot;
    label.Kept = list == LineList::None;
    return label;
}

// The first labels keep the places known for them.
std::vector<std::optional<LabelPlace>> place(
    const LabelScene& scene, const std::vector<Label>& labels, std::vector<std::optional<LabelPlace>> known = {})
{
    std::vector<LabelRequest> requests;
    requests.reserve(labels.size());
    for (const Label& label : labels)
        requests.push_back(
            {label.Width + 2 * padding, label.Height + 2 * padding, label.Spots, label.Names, label.Line, label.Kept});
    return placeLabels(scene, requests, std::move(known));
}

Marks layoutMarks(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry, const ShowOptions& show,
    int slopeSlot, std::span<const Area> free, const LineForms& forms, const PointMarks& points, LineList list)
{
    Marks marks;
    const double width = surface.Width();
    const double height = surface.Height();
    const PlaneWindow window = shownWindow(geometry, width, height);
    const std::vector<ShownLine> lines = shownLines(table, forms, geometry, window);
    const Rgb slopeColour = lineColour(show, slopeSlot);

    LabelScene scene{width, height, {}, {}, {}, {}, {}, {}, {free.begin(), free.end()}};
    for (const ShownLine& line : lines) {
        scene.Lines.push_back(line.Part);
        scene.Segments.push_back(line.Part);
    }
    const auto originX = static_cast<double>(geometry.OriginX);
    const auto originY = static_cast<double>(geometry.OriginY);
    scene.Axes = {{{0, originY}, {width, originY}}, {{originX, 0}, {originX, height}}};
    // A segment's ends are where the pupil reads its domain: no label hides them, dots or not.
    const std::vector<Point> ends = endPoints(lines, geometry, window);
    scene.Marks = ends;
    std::vector<Label>& labels = marks.Labels;

    if (show.Slope)
        marks.Legs = slopeLegs(lines, slopeSlot, geometry, window);
    if (marks.Legs) {
        scene.Lines.push_back(marks.Legs->Run);
        scene.Lines.push_back(marks.Legs->Rise);
        for (Label& label : slopeLabels(*marks.Legs, slopeColour))
            labels.push_back(std::move(label));
    }

    // An open end is drawn hollow whether the end points are shown or not: it tells the domain.
    marks.Hollow = openEnds(lines, show, geometry, window);
    if (show.Endpoints) {
        for (const Point& end : ends) {
            if (std::none_of(
                    marks.Hollow.begin(), marks.Hollow.end(), [&](const HollowDot& dot) { return dot.At == end; }))
                marks.Dots.push_back(end);
        }
    }
    scene.Named = marks.Dots;
    for (const HollowDot& dot : marks.Hollow)
        scene.Named.push_back(dot.At);

    // The pupil's points come before the crossings: they chose them.
    for (const NamedPoint& point : points.Points) {
        if (!inWindow(point.At, window))
            continue;
        const Point dot = surfacePoint(geometry, point.At.X, point.At.Y);
        marks.PointDots.push_back(dot);
        scene.Marks.push_back(dot);
        scene.Named.push_back(dot);
        std::vector<EquationPart> parts{point.Name};
        if (!points.NamesOnly) {
            for (EquationPart& part : coordinates(point.At))
                append(parts, std::move(part));
        }
        labels.push_back(labelOf(MarkLabelKind::Point, std::move(parts), PaletteBlack, spotsAround(dot, ringGaps)));
        labels.back().Names = dot;
        labels.back().Kept = true;
    }

    if (show.Intersections) {
        const auto withSlot = show.CurrentCrossingsOnly ? std::optional(slopeSlot) : std::nullopt;
        for (const ExactPoint& point : intersections(lines, window, withSlot)) {
            const Point ring = surfacePoint(geometry, point.X, point.Y);
            marks.Rings.push_back(ring);
            marks.Crossings.push_back(point);
            scene.Marks.push_back(ring);
            scene.Named.push_back(ring);
            labels.push_back(
                labelOf(MarkLabelKind::Coordinates, coordinates(point), PaletteBlack, spotsAround(ring, ringGaps)));
            labels.back().Names = ring;
        }
    }
    if (show.Range)
        marks.Bracket = rangeBracket(exactLineOf(table, forms, slopeSlot), geometry, window, width);
    if (const auto& bracket = marks.Bracket) {
        scene.Lines.push_back(bracket->Bar);
        std::vector<EquationPart> parts;
        appendNumber(parts, bracket->Range.Low);
        append(parts, std::string(bracket->Range.LowOpen ? " < y " : " ≦ y "));
        append(parts, std::string(bracket->Range.HighOpen ? "< " : "≦ "));
        appendNumber(parts, bracket->Range.High);
        for (const auto& end : bracket->Ends) {
            scene.Marks.push_back(end.first);
            scene.Named.push_back(end.first);
        }
        // Left out where it finds no place, as coordinates are: the description and the table of
        // values still give the range.
        labels.push_back(labelOf(MarkLabelKind::Range, std::move(parts), slopeColour, byTheBracket(bracket->Bar)));
        labels.back().Slot = slopeSlot;
    }
    addLineLabels(labels, lines, show);
    if (labels.empty())
        return marks;

    // The plane's own numbers were printed in the font the surface has now.
    TextMeasures planeFont(surface);
    for (const PlaneText& text : planeTexts(geometry)) {
        const TextSize size = planeFont(text.Text);
        scene.Texts.push_back({text.At.X, text.At.Y, text.At.X + size.Width, text.At.Y + size.Height});
    }
    surface.FontBold(false);
    measure(surface, labels);
    // A slope triangle shows both its numbers or none. They come first, so nothing but the scene
    // stands in their way, and they are placed alone: where they find no place, the triangle is
    // tried further along its line, and where they find none there either, it is not drawn.
    if (marks.Legs) {
        const auto legsAt = static_cast<std::ptrdiff_t>(scene.Segments.size());
        const auto bothPlaced = [&] {
            const std::vector<std::optional<LabelPlace>> tried = place(scene, {labels.begin(), labels.begin() + 2});
            return tried[0] && tried[1];
        };
        if (!bothPlaced()) {
            marks.Legs.reset();
            for (const SlopeLegs& moved : movedLegs(lines, slopeSlot, geometry, window)) {
                scene.Lines[static_cast<std::size_t>(legsAt)] = moved.Run;
                scene.Lines[static_cast<std::size_t>(legsAt) + 1] = moved.Rise;
                std::vector<Label> numbers = slopeLabels(moved, slopeColour);
                for (std::size_t i = 0; i < numbers.size(); ++i)
                    labels[i].Spots = std::move(numbers[i].Spots);
                if (bothPlaced()) {
                    marks.Legs = moved;
                    break;
                }
            }
        }
        if (!marks.Legs) {
            labels.erase(labels.begin(), labels.begin() + 2);
            scene.Lines.erase(scene.Lines.begin() + legsAt, scene.Lines.begin() + legsAt + 2);
        }
    }
    std::vector<std::optional<LabelPlace>> places = place(scene, labels);
    // The coordinates come before the lines' labels, and on a crowded plane they can take every
    // place beside a short line. A line's label goes to the legend only where it finds no room even
    // before them: the labels that found none try again ahead of the coordinates, which are left
    // out rather (the description and the table of values still give them). A label moved ahead can
    // take the room of another line's, which then moves ahead in the next round.
    std::size_t ahead = static_cast<std::size_t>(
        std::distance(labels.begin(), std::find_if(labels.begin(), labels.end(), [](const Label& label) {
            return label.Kind != MarkLabelKind::SlopeRun && label.Kind != MarkLabelKind::SlopeRise
                && label.Kind != MarkLabelKind::Point;
        })));
    for (int round = 0; round < lineRounds; ++round) {
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i].Place = places[i];
        const auto homeless = [](const Label& label) { return label.Kind == MarkLabelKind::Line && !label.Place; };
        if (std::none_of(labels.begin() + static_cast<std::ptrdiff_t>(ahead), labels.end(), homeless))
            break;
        // The labels ahead of those moving keep their places.
        places.resize(ahead);
        ahead = static_cast<std::size_t>(std::distance(labels.begin(),
            std::stable_partition(labels.begin() + static_cast<std::ptrdiff_t>(ahead), labels.end(), homeless)));
        places = place(scene, labels, std::move(places));
    }
    // A line whose label found no room by it is named in the legend at the plane's edge instead,
    // or in the list beside the picture: what names a line never goes missing.
    const std::size_t placedCount = labels.size();
    for (std::size_t i = 0; i < placedCount; ++i) {
        if (labels[i].Kind == MarkLabelKind::Line && !places[i])
            labels.push_back(legendOf(lines[*labels[i].Line], show, width, height, list));
    }
    if (labels.size() > placedCount) {
        std::vector<Label> legend(labels.begin() + static_cast<std::ptrdiff_t>(placedCount), labels.end());
        measure(surface, legend);
        std::move(legend.begin(), legend.end(), labels.begin() + static_cast<std::ptrdiff_t>(placedCount));
        // The legend comes last: the labels before it keep their places.
        places = place(scene, labels, std::move(places));
    }
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i].Place = places[i];
    // A label of coordinates with no place is left out here; the description and the table of
    // values still give it, and paper lists it under the plane.
    for (const Label& label : labels) {
        if (label.Kind != MarkLabelKind::Coordinates || label.Place)
            continue;
        const auto ring = std::find(marks.Rings.begin(), marks.Rings.end(), *label.Names);
        marks.LeftOut.push_back(marks.Crossings[static_cast<std::size_t>(ring - marks.Rings.begin())]);
    }
    std::erase_if(labels, [](const Label& label) { return !label.Place; });
    return marks;
}

} // namespace

std::vector<MarkLabel> markLabels(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, std::span<const Area> free, const LineForms& forms,
    const PointMarks& points, LineList list)
{
    std::vector<MarkLabel> placed;
    if ((!drawsMarks(show, table, forms) && points.Points.empty()) || geometry.UnitPixels <= 0)
        return placed;
    const Marks marks = layoutMarks(surface, table, geometry, show, slopeSlot, free, forms, points, list);
    for (const Label& label : marks.Labels) {
        const Point at = label.Place->At;
        placed.push_back(
            {label.Kind, label.Slot, {at.X, at.Y, at.X + label.Width + 2 * padding, at.Y + label.Height + 2 * padding},
                label.Place->Leader, label.Names});
    }
    return placed;
}

std::vector<ExactPoint> drawUnitMarks(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, std::span<const Area> free, const LineForms& forms,
    const PointMarks& points, LineList list)
{
    if ((!drawsMarks(show, table, forms) && points.Points.empty()) || geometry.UnitPixels <= 0)
        return {};
    const Marks marks = layoutMarks(surface, table, geometry, show, slopeSlot, free, forms, points, list);
    const Rgb blue = PaletteBlue;
    const Rgb black = PaletteBlack;

    if (const auto& legs = marks.Legs) {
        surface.ForeColor(lineColour(show, slopeSlot));
        surface.DrawWidth(1);
        surface.DrawStyle(LineStyle::Dashed);
        surface.Line(legs->Run.From.X, legs->Run.From.Y, legs->Run.To.X, legs->Run.To.Y);
        surface.Line(legs->Rise.From.X, legs->Rise.From.Y, legs->Rise.To.X, legs->Rise.To.Y);
        // Solid again before the dots, whose outlines would dash too.
        surface.DrawStyle(LineStyle::Solid);
    }
    if (const auto& bracket = marks.Bracket) {
        const Rgb colour = lineColour(show, slopeSlot);
        surface.ForeColor(colour);
        surface.DrawWidth(bracketWidth);
        surface.Line(bracket->Bar.From.X, bracket->Bar.From.Y, bracket->Bar.To.X, bracket->Bar.To.Y);
        surface.DrawWidth(ringWidth);
        surface.FillStyle(FillMode::Solid);
        for (const auto& [at, open] : bracket->Ends) {
            surface.FillColor(open ? PlaneBackground : colour);
            surface.Circle(at.X, at.Y, markRadius);
        }
    }
    // Hollow first: where a closed end of another line lies on an open one, its dot shows over it.
    if (!marks.Hollow.empty()) {
        surface.DrawWidth(ringWidth);
        surface.FillColor(PlaneBackground);
        surface.FillStyle(FillMode::Solid);
        for (const HollowDot& dot : marks.Hollow) {
            surface.ForeColor(dot.Colour);
            surface.Circle(dot.At.X, dot.At.Y, markRadius);
        }
    }
    // Filled dots of one colour: the lines' ends in blue, the pupil's points in black.
    const auto drawDots = [&surface](const std::vector<Point>& dots, Rgb colour) {
        if (dots.empty())
            return;
        surface.ForeColor(colour);
        surface.FillColor(colour);
        surface.FillStyle(FillMode::Solid);
        surface.DrawWidth(1);
        for (const Point& dot : dots)
            surface.Circle(dot.X, dot.Y, markRadius);
    };
    drawDots(marks.Dots, blue);
    if (!marks.Rings.empty()) {
        surface.ForeColor(black);
        surface.FillStyle(FillMode::Transparent);
        surface.DrawWidth(ringWidth);
        for (const Point& ring : marks.Rings)
            surface.Circle(ring.X, ring.Y, markRadius);
    }
    drawDots(marks.PointDots, black);
    if (!marks.Labels.empty()) {
        surface.DrawWidth(1);
        drawLabels(surface, marks.Labels, black);
    }

    surface.ForeColor(black);
    surface.DrawWidth(slotLineWidth);
    surface.DrawStyle(LineStyle::Solid);
    surface.FillStyle(FillMode::Transparent);
    surface.FontSize(PlaneFontPoints);
    surface.FontBold(true);
    return marks.LeftOut;
}

} // namespace zelmora
