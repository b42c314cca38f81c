// SPDX-License-Identifier: MIT
#include "entry/LineEntry.h"

#include "entry/FullWidth.h"
#include "slots/SlotTable.h"

#include <cmath>
#include <optional>

namespace zelmora {
namespace {

std::optional<EntryFault> coefficientFault(const Coefficient& value)
{
    if (!std::isfinite(value.Numerator))
        return EntryFault::TooLarge;
    if (value.Denominator == 0.0f)
        return EntryFault::ZeroDenominator;
    if (!std::isfinite(value.Denominator))
        return EntryFault::DenominatorTooLarge;
    return std::nullopt;
}

const std::string& textOf(const EntryTexts& texts, EntryBox box)
{
    return texts[static_cast<std::size_t>(box)];
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The part of one number's text (already folded) that the rules did not read, as a range of the
// folded text.
std::string_view unreadPart(std::string_view number)
{
    return trimmed(number.substr(readNumberPrefix(number).Length));
}

} // namespace

std::variant<LineValues, EntryRefusal> readLineEntry(const EntryTexts& texts)
{
    LineValues line;
    line.A = ParseCoefficient(foldFullWidth(textOf(texts, EntryBox::A)));
    line.B = ParseCoefficient(foldFullWidth(textOf(texts, EntryBox::B)));
    line.XFrom = toSingle(ReadNumber(foldFullWidth(textOf(texts, EntryBox::From))));
    line.XTo = toSingle(ReadNumber(foldFullWidth(textOf(texts, EntryBox::To))));

    if (auto fault = coefficientFault(line.A))
        return EntryRefusal{EntryBox::A, *fault};
    if (auto fault = coefficientFault(line.B))
        return EntryRefusal{EntryBox::B, *fault};
    if (!std::isfinite(line.XFrom))
        return EntryRefusal{EntryBox::From, EntryFault::TooLarge};
    if (!std::isfinite(line.XTo))
        return EntryRefusal{EntryBox::To, EntryFault::TooLarge};
    return line;
}

std::optional<IgnoredText> ignoredText(const EntryTexts& texts)
{
    for (std::size_t k = 0; k < EntryBoxCount; ++k) {
        const auto box = static_cast<EntryBox>(k);
        const std::string& original = texts[k];
        const std::string folded = foldFullWidth(original);
        const std::string_view all(folded);
        // a and b are split at the first slash, and each side is read on its own; the bounds are
        // read whole.
        std::string_view unread;
        const std::size_t slash = all.find('/');
        if (box == EntryBox::From || box == EntryBox::To || slash == std::string_view::npos) {
            unread = unreadPart(all);
        } else {
            unread = unreadPart(all.substr(0, slash));
            if (unread.empty())
                unread = unreadPart(all.substr(slash + 1));
        }
        if (unread.empty())
            continue;
        const auto from = static_cast<std::size_t>(unread.data() - all.data());
        const std::size_t begin = originalOffset(original, folded, from);
        const std::size_t end = originalOffset(original, folded, from + unread.size());
        return IgnoredText{box, original.substr(begin, end - begin)};
    }
    return std::nullopt;
}

void storeLine(SlotTable& table, int slot, const LineValues& line)
{
    table.setDrawn(slot, true);
    table.set(slot, SlotTable::ANum, line.A.Numerator);
    table.set(slot, SlotTable::ADen, line.A.Denominator);
    table.set(slot, SlotTable::BNum, line.B.Numerator);
    table.set(slot, SlotTable::BDen, line.B.Denominator);
    table.set(slot, SlotTable::XFrom, line.XFrom);
    table.set(slot, SlotTable::XTo, line.XTo);
}

const VerticalLine* verticalLineOf(const LineForms& forms, int slot)
{
    if (slot < 0 || slot >= SlotTable::Rows)
        return nullptr;
    const auto& form = forms[static_cast<std::size_t>(slot)];
    return form && form->Vertical ? &*form->Vertical : nullptr;
}

OpenEnds openEndsOf(const LineForms& forms, int slot)
{
    if (slot < 0 || slot >= SlotTable::Rows)
        return {};
    const auto& form = forms[static_cast<std::size_t>(slot)];
    return form ? form->Open : OpenEnds{};
}

bool holdsLine(const SlotTable& table, const LineForms& forms, int slot)
{
    return table.isDrawn(slot) || verticalLineOf(forms, slot) != nullptr;
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
