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
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace zelmora {
namespace {

constexpr double labelPoints = 9;             // about 12 pixels
constexpr double fractionPoints = 7;          // about 9 pixels, for the parts of a stacked fraction
constexpr Rgb labelBacking = PlaneBackground; // the plane's own colour, hiding the grid behind a label
constexpr double padding = 1;                 // of the backing, round the text
constexpr double barOverhang = 1;             // of a fraction's bar, past its wider part
constexpr double markRadius = 4;
constexpr int ringWidth = 2;
constexpr int slotLineWidth = 3;
// A label beside a point keeps this far from it: clear of a dot or a ring of markRadius there.
constexpr double pointGap = 6;
constexpr double legGap = 3;
// Where a label's place beside a line is taken, it moves along the line by this much, twice.
constexpr double alongStep = 24;
// Where those places are taken, a label looks further out from its point.
const std::vector<double> furtherGaps{12, 18, 24, 30};
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
    std::vector<EquationPart> Parts;
    Rgb Colour;
    std::vector<Spot> Spots;
    std::vector<PartSize> Sizes;
    // Of the text without the backing: its width and height, and how far the middle line that
    // fraction bars lie on is below its top.
    double Width = 0;
    double Height = 0;
    double Axis = 0;
    // The dot or ring whose coordinates the label gives, if it gives any.
    std::optional<Point> Names;
    // Where the backing stands once placed, and the leader to its ring; none when left out.
    std::optional<LabelPlace> Place;
};

Label labelOf(std::vector<EquationPart> parts, Rgb colour, std::vector<Spot> spots)
{
    Label label;
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

// Where a label's texts and fraction bars go, in whole pixels.
struct LabelText {
    Point At;
    std::string Text;
    bool Small = false; // a fraction's numerator or denominator
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
            layout.Texts.push_back({{std::round(partX), std::round(axis - size.Upper.Height / 2)}, *text, false});
            continue;
        }
        const auto& fraction = std::get<StackedFraction>(label.Parts[i]);
        const double width = x - partX;
        layout.Texts.push_back(
            {{std::round(partX + (width - size.Upper.Width) / 2), std::floor(axis - 1 - size.Upper.Height)},
                fraction.Numerator, true});
        layout.Texts.push_back(
            {{std::round(partX + (width - size.Lower.Width) / 2), axis + 2}, fraction.Denominator, true});
        layout.Bars.push_back({{std::round(partX), axis}, {std::round(x) - 1, axis}});
    }
    return layout;
}

// The leaders first, then all backings, then the bars, then the texts one font size at a time
// rather than twice for every fraction: a surface may look its face up again whenever the font
// changes. Expects the pen 1 pixel wide and the font at the labels' size, not bold. Labels left out
// have been taken out already.
void drawLabels(PlaneSurface& surface, const std::vector<Label>& labels, Rgb leaderColour)
{
    for (const Label& label : labels) {
        if (const auto& leader = label.Place->Leader) {
            surface.ForeColor(leaderColour);
            surface.Line(leader->From.X, leader->From.Y, leader->To.X, leader->To.Y);
        }
    }
    std::vector<LabelLayout> layouts;
    surface.FillColor(labelBacking);
    surface.FillStyle(FillMode::Solid);
    for (const Label& label : labels) {
        const Point at = label.Place->At;
        surface.Box(at.X, at.Y, at.X + label.Width + 2 * padding, at.Y + label.Height + 2 * padding);
        layouts.push_back(layoutOf(label));
    }
    std::optional<Rgb> colour;
    const auto foreColor = [&](Rgb wanted) {
        if (colour != wanted)
            surface.ForeColor(wanted);
        colour = wanted;
    };
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (const Segment& bar : layouts[i].Bars) {
            foreColor(labels[i].Colour);
            surface.Line(bar.From.X, bar.From.Y, bar.To.X, bar.To.Y);
        }
    }
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
                surface.Print(text.Text);
            }
        }
    }
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

// Beside the high end of the line's visible part, then further along towards its low end.
std::vector<Spot> byTheEnd(const Segment& part)
{
    std::vector<Spot> spots = spotsAround(part.To, {pointGap});
    for (const double distance : {alongStep, 2 * alongStep}) {
        if (const auto anchor = along(part.To, part.From, distance)) {
            for (const Spot& spot : spotsAround(*anchor, {pointGap}))
                spots.push_back(spot);
        }
    }
    for (const Spot& spot : spotsAround(part.To, furtherGaps))
        spots.push_back(spot);
    return spots;
}

// Beside the middle of the line's visible part, then further along on either side of it, as far as
// its ends, then further out from the middle.
std::vector<Spot> byTheMiddle(const Segment& part)
{
    const Point middle{(part.From.X + part.To.X) / 2, (part.From.Y + part.To.Y) / 2};
    std::vector<Spot> spots = spotsAround(middle, {pointGap});
    for (double distance = alongStep;; distance += alongStep) {
        bool any = false;
        for (const Point end : {part.To, part.From}) {
            if (const auto anchor = along(middle, end, distance)) {
                any = true;
                for (const Spot& spot : spotsAround(*anchor, {pointGap}))
                    spots.push_back(spot);
            }
        }
        if (!any)
            break;
    }
    for (const Spot& spot : spotsAround(middle, furtherGaps))
        spots.push_back(spot);
    return spots;
}

struct SlopeLegs {
    Segment Run;
    Segment Rise;
    bool Falls = false;
    std::string RunText;
    std::string RiseText;
};

std::optional<SlopeLegs> slopeLegs(
    const std::vector<ShownLine>& lines, int slot, const PlaneGeometry& geometry, const PlaneWindow& window)
{
    const auto current
        = std::find_if(lines.begin(), lines.end(), [&](const ShownLine& line) { return line.Slot == slot; });
    if (current == lines.end())
        return std::nullopt;
    const auto step = slopeStep(current->Line, window);
    if (!step)
        return std::nullopt;
    const mpq_class cornerX = step->Start.X + step->Run;
    const Point start = surfacePoint(geometry, step->Start.X, step->Start.Y);
    const Point corner = surfacePoint(geometry, cornerX, step->Start.Y);
    const Point end = surfacePoint(geometry, cornerX, step->Start.Y + step->Rise);
    return SlopeLegs{{start, corner}, {corner, end}, sgn(step->Rise) < 0, step->Run.get_str(),
        fractionText(step->Rise, Minus::Typographic)};
}

// The run stands on the side of its leg away from the line: under it when the line rises, over it
// when it falls; the rise beside its leg, away from the line.
std::vector<Label> slopeLabels(const SlopeLegs& legs, Rgb colour)
{
    const Point runMiddle{(legs.Run.From.X + legs.Run.To.X) / 2, legs.Run.From.Y};
    const Point riseMiddle{legs.Rise.From.X, (legs.Rise.From.Y + legs.Rise.To.Y) / 2};
    const Side away = legs.Falls ? Side::Above : Side::Below;
    const Side toward = legs.Falls ? Side::Below : Side::Above;
    std::vector<Label> labels;
    labels.push_back(labelOf({legs.RunText}, colour, {{runMiddle, away, legGap}, {runMiddle, toward, legGap}}));
    labels.push_back(
        labelOf({legs.RiseText}, colour, {{riseMiddle, Side::Right, legGap}, {riseMiddle, Side::Left, legGap}}));
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

} // namespace

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

void drawUnitMarks(PlaneSurface& surface, const SlotTable& table, const PlaneGeometry& geometry,
    const ShowOptions& show, int slopeSlot, const LineForms& forms)
{
    if (!show.any() || geometry.UnitPixels <= 0)
        return;
    const double width = surface.Width();
    const double height = surface.Height();
    const PlaneWindow window = shownWindow(geometry, width, height);
    const std::vector<ShownLine> lines = shownLines(table, forms, geometry, window);
    const Rgb blue = PaletteBlue;
    const Rgb slopeColour = lineColour(show, slopeSlot);
    const Rgb black = PaletteBlack;

    LabelScene scene{width, height, {}, {}, {}, {}, {}};
    for (const ShownLine& line : lines)
        scene.Lines.push_back(line.Part);
    const auto originX = static_cast<double>(geometry.OriginX);
    const auto originY = static_cast<double>(geometry.OriginY);
    scene.Axes = {{{0, originY}, {width, originY}}, {{originX, 0}, {originX, height}}};
    // A segment's ends are where the pupil reads its domain: no label hides them, dots or not.
    const std::vector<Point> ends = endPoints(lines, geometry, window);
    scene.Marks = ends;
    std::vector<Label> labels;

    std::optional<SlopeLegs> legs;
    if (show.Slope)
        legs = slopeLegs(lines, slopeSlot, geometry, window);
    if (legs) {
        scene.Lines.push_back(legs->Run);
        scene.Lines.push_back(legs->Rise);
        for (Label& label : slopeLabels(*legs, slopeColour))
            labels.push_back(std::move(label));
    }

    std::vector<Point> dots;
    if (show.Endpoints)
        dots = ends;
    scene.Named = dots;

    std::vector<Point> rings;
    if (show.Intersections) {
        const auto withSlot = show.CurrentCrossingsOnly ? std::optional(slopeSlot) : std::nullopt;
        for (const ExactPoint& point : intersections(lines, window, withSlot)) {
            const Point ring = surfacePoint(geometry, point.X, point.Y);
            rings.push_back(ring);
            scene.Marks.push_back(ring);
            scene.Named.push_back(ring);
            labels.push_back(labelOf(coordinates(point), black, spotsAround(ring, ringGaps)));
            labels.back().Names = ring;
        }
    }
    for (const ShownLine& line : lines) {
        if (show.Numbers)
            labels.push_back(labelOf({std::string(slotNumbers[static_cast<std::size_t>(line.Slot)])},
                lineColour(show, line.Slot), byTheEnd(line.Part)));
    }
    for (const ShownLine& line : lines) {
        if (show.Equations)
            labels.push_back(labelOf(shownEquationOf(line.Line, Minus::Typographic).Parts, lineColour(show, line.Slot),
                byTheMiddle(line.Part)));
    }

    if (!labels.empty()) {
        // The plane's own numbers were printed in the font the surface has now.
        TextMeasures planeFont(surface);
        for (const PlaneText& text : planeTexts(geometry)) {
            const TextSize size = planeFont(text.Text);
            scene.Texts.push_back({text.At.X, text.At.Y, text.At.X + size.Width, text.At.Y + size.Height});
        }
        surface.FontBold(false);
        measure(surface, labels);
        std::vector<LabelRequest> requests;
        for (const Label& label : labels)
            requests.push_back({label.Width + 2 * padding, label.Height + 2 * padding, label.Spots, label.Names});
        const std::vector<std::optional<LabelPlace>> places = placeLabels(scene, requests);
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i].Place = places[i];
        // A label with no place is left out; the description and the table of values still say it.
        std::erase_if(labels, [](const Label& label) { return !label.Place; });
    }

    if (legs) {
        surface.ForeColor(slopeColour);
        surface.DrawWidth(1);
        surface.DrawStyle(LineStyle::Dashed);
        surface.Line(legs->Run.From.X, legs->Run.From.Y, legs->Run.To.X, legs->Run.To.Y);
        surface.Line(legs->Rise.From.X, legs->Rise.From.Y, legs->Rise.To.X, legs->Rise.To.Y);
        // Solid again before the dots, whose outlines would dash too.
        surface.DrawStyle(LineStyle::Solid);
    }
    if (!dots.empty()) {
        surface.ForeColor(blue);
        surface.FillColor(blue);
        surface.FillStyle(FillMode::Solid);
        surface.DrawWidth(1);
        for (const Point& dot : dots)
            surface.Circle(dot.X, dot.Y, markRadius);
    }
    if (!rings.empty()) {
        surface.ForeColor(black);
        surface.FillStyle(FillMode::Transparent);
        surface.DrawWidth(ringWidth);
        for (const Point& ring : rings)
            surface.Circle(ring.X, ring.Y, markRadius);
    }
    if (!labels.empty()) {
        surface.DrawWidth(1);
        drawLabels(surface, labels, black);
    }

    surface.ForeColor(black);
    surface.DrawWidth(slotLineWidth);
    surface.DrawStyle(LineStyle::Solid);
    surface.FillStyle(FillMode::Transparent);
    surface.FontSize(PlaneFontPoints);
    surface.FontBold(true);
}

} // namespace zelmora
