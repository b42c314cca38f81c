#include "entry/LineEntry.h"

#include "entry/FullWidth.h"
#include "slots/SlotTable.h"

#include <cmath>
#include <optional>

namespace zelmora {
namespace {

std::optional<std::string> coefficientFault(const Coefficient& value, const char* name)
{
    if (!std::isfinite(value.numerator))
        return std::string(name) + "の値が大きすぎます。";
    if (value.denominator == 0.0f)
        return std::string(name) + "の分母が０です。";
    if (!std::isfinite(value.denominator))
        return std::string(name) + "の分母が大きすぎます。";
    return std::nullopt;
}

std::optional<std::string> boundFault(float value)
{
    if (!std::isfinite(value))
        return std::string("χの値が大きすぎます。");
    return std::nullopt;
}

const std::string& textOf(const EntryTexts& texts, EntryBox box)
{
    return texts[static_cast<std::size_t>(box)];
}

} // namespace

std::variant<LineValues, EntryFault> readLineEntry(const EntryTexts& texts)
{
    LineValues line;
    line.a = ParseCoefficient(foldFullWidth(textOf(texts, EntryBox::A)));
    line.b = ParseCoefficient(foldFullWidth(textOf(texts, EntryBox::B)));
    line.xFrom = toSingle(ReadNumber(foldFullWidth(textOf(texts, EntryBox::From))));
    line.xTo = toSingle(ReadNumber(foldFullWidth(textOf(texts, EntryBox::To))));

    if (auto fault = coefficientFault(line.a, "ａ"))
        return EntryFault{EntryBox::A, *fault};
    if (auto fault = coefficientFault(line.b, "ｂ"))
        return EntryFault{EntryBox::B, *fault};
    if (auto fault = boundFault(line.xFrom))
        return EntryFault{EntryBox::From, *fault};
    if (auto fault = boundFault(line.xTo))
        return EntryFault{EntryBox::To, *fault};
    return line;
}

void storeLine(SlotTable& table, int slot, const LineValues& line)
{
    table.set(slot, SlotTable::Drawn, 1.0f);
    table.set(slot, SlotTable::ANum, line.a.numerator);
    table.set(slot, SlotTable::ADen, line.a.denominator);
    table.set(slot, SlotTable::BNum, line.b.numerator);
    table.set(slot, SlotTable::BDen, line.b.denominator);
    table.set(slot, SlotTable::XFrom, line.xFrom);
    table.set(slot, SlotTable::XTo, line.xTo);
}

EntryTexts entryTexts(const SlotTable& table, int slot)
{
    if (!table.isDrawn(slot))
        return {};
    return {FormatCoefficient(table.get(slot, SlotTable::ANum), table.get(slot, SlotTable::ADen)),
        FormatCoefficient(table.get(slot, SlotTable::BNum), table.get(slot, SlotTable::BDen)),
        FormatNumber(table.get(slot, SlotTable::XFrom)), FormatNumber(table.get(slot, SlotTable::XTo))};
}

} // namespace zelmora
