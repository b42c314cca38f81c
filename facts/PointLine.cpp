// SPDX-License-Identifier: MIT
#include "facts/PointLine.h"

#include "entry/FullWidth.h"
#include "facts/TypedLine.h"

#include <algorithm>
#include <utility>

namespace zelmora {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}

std::variant<WorkedLine, PointLineFault> worked(
    const mpq_class& a, const mpq_class& b, std::string from, std::string to)
{
    const auto aText = coefficientText(a);
    const auto bText = coefficientText(b);
    if (!aText || !bText)
        return PointLineFault::TooLarge;
    WorkedLine line{{*aText, *bText, std::move(from), std::move(to)}, std::nullopt};
    if (std::holds_alternative<EntryRefusal>(readLineEntry(line.Texts)))
        return PointLineFault::TooLarge;
    return line;
}

} // namespace

std::variant<mpq_class, PointFault> readCoordinate(std::string_view text)
{
    const std::string folded = foldFullWidth(text);
    if (trimmed(folded).empty() || ignoredText({folded, "", "", ""}))
        return PointFault::NoValue;
    const auto entry = readLineEntry({folded, "", "", ""});
    if (const auto* refusal = std::get_if<EntryRefusal>(&entry))
        return refusal->Fault == EntryFault::ZeroDenominator ? PointFault::ZeroDenominator : PointFault::TooLarge;
    auto value = exactCoefficient(trimmed(folded));
    if (!value)
        return PointFault::NoValue;
    return std::move(*value);
}

std::variant<NamedPoint, PointRefusal> readPoint(std::string_view name, std::string_view x, std::string_view y)
{
    const std::string_view shortName = trimmed(name);
    if (shortName.empty())
        return PointRefusal{PointFault::NoName};
    if (characters(shortName) > MaxPointNameLength)
        return PointRefusal{PointFault::LongName};
    NamedPoint point{std::string(shortName), std::string(x), std::string(y), {}};
    for (const bool ofY : {false, true}) {
        auto read = readCoordinate(ofY ? y : x);
        if (const auto* fault = std::get_if<PointFault>(&read))
            return PointRefusal{*fault, ofY};
        (ofY ? point.At.Y : point.At.X) = std::get<mpq_class>(std::move(read));
    }
    return point;
}

std::optional<ExactPoint> readPointText(std::string_view text)
{
    const std::string folded = foldFullWidth(text);
    std::string_view inner = trimmed(folded);
    if (inner.size() >= 2 && inner.front() == '(' && inner.back() == ')')
        inner = inner.substr(1, inner.size() - 2);
    const std::size_t comma = inner.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    auto x = readCoordinate(inner.substr(0, comma));
    auto y = readCoordinate(inner.substr(comma + 1));
    if (!std::holds_alternative<mpq_class>(x) || !std::holds_alternative<mpq_class>(y))
        return std::nullopt;
    return ExactPoint{std::get<mpq_class>(std::move(x)), std::get<mpq_class>(std::move(y))};
}

const NamedPoint* pointNamed(const std::vector<NamedPoint>& points, std::string_view name)
{
    const auto found = std::find_if(points.begin(), points.end(), [&](const NamedPoint& p) { return p.Name == name; });
    return found == points.end() ? nullptr : &*found;
}

std::optional<std::string> nextPointName(const std::vector<NamedPoint>& points)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (pointNamed(points, std::string(1, letter)) == nullptr)
            return std::string(1, letter);
    }
    return std::nullopt;
}

// The from and to boxes read decimals only: a bound such as 1/3 is written to seven digits, as a
// typed bound would be.
std::string boundText(const mpq_class& value)
{
    const std::string exact = fractionText(value);
    if (value.get_den() == 1 && exact.size() <= 8)
        return exact;
    return std::string(trimmed(FormatNumber(toSingle(value.get_d()))));
}

std::variant<WorkedLine, PointLineFault> lineThrough(
    const ExactPoint& first, const ExactPoint& second, const std::optional<std::array<std::string, 2>>& domain)
{
    if (first == second)
        return PointLineFault::SamePoint;
    if (first.X == second.X) {
        const auto& [low, high] = std::minmax(first.Y, second.Y);
        WorkedLine line;
        line.Vertical = VerticalLine{
            fractionText(first.X), domain ? (*domain)[0] : boundText(low), domain ? (*domain)[1] : boundText(high)};
        if (std::holds_alternative<EntryRefusal>(readLineEntry({"", "", line.Vertical->From, line.Vertical->To})))
            return PointLineFault::TooLarge;
        return line;
    }
    const mpq_class a = (second.Y - first.Y) / (second.X - first.X);
    const mpq_class b = first.Y - a * first.X;
    const auto& [low, high] = std::minmax(first.X, second.X);
    return worked(a, b, domain ? (*domain)[0] : boundText(low), domain ? (*domain)[1] : boundText(high));
}

std::variant<WorkedLine, PointLineFault> lineOfSlope(
    const mpq_class& a, const ExactPoint& point, const std::array<std::string, 2>& domain)
{
    return worked(a, point.Y - a * point.X, domain[0], domain[1]);
}

} // namespace zelmora
