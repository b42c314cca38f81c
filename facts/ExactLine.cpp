// SPDX-License-Identifier: MIT
#include "facts/ExactLine.h"

#include <utility>

namespace zelmora {

std::optional<ExactLine> readExactLine(const EntryTexts& texts)
{
    const std::string& aText = texts[static_cast<std::size_t>(EntryBox::A)];
    const std::string& bText = texts[static_cast<std::size_t>(EntryBox::B)];
    auto a = exactCoefficient(aText);
    auto b = exactCoefficient(bText);
    auto from = exactNumber(texts[static_cast<std::size_t>(EntryBox::From)]);
    auto to = exactNumber(texts[static_cast<std::size_t>(EntryBox::To)]);
    if (!a || !b || !from || !to)
        return std::nullopt;
    ExactLine line;
    line.A = std::move(*a);
    line.B = std::move(*b);
    line.From = std::move(*from);
    line.To = std::move(*to);
    line.AText = aText;
    line.BText = bText;
    return line;
}

std::optional<ExactLine> exactLineOf(const SlotTable& table, int slot)
{
    return readExactLine(entryTexts(table, slot));
}

std::optional<ExactLine> exactLineOf(const SlotTable& table, const LineForms& forms, int slot)
{
    if (slot < 0 || slot >= SlotTable::Rows)
        return std::nullopt;
    const auto& form = forms[static_cast<std::size_t>(slot)];
    if (form && form->Vertical) {
        auto at = exactCoefficient(form->Vertical->At);
        auto from = exactNumber(form->Vertical->From);
        auto to = exactNumber(form->Vertical->To);
        if (!at || !from || !to)
            return std::nullopt;
        ExactLine line;
        line.From = std::move(*from);
        line.To = std::move(*to);
        line.Vertical = true;
        line.At = std::move(*at);
        line.Typed = form->Typed;
        line.FromOpen = form->Open.From;
        line.ToOpen = form->Open.To;
        return line;
    }
    auto line = exactLineOf(table, slot);
    if (line && form) {
        line->Typed = form->Typed;
        line->FromOpen = form->Open.From;
        line->ToOpen = form->Open.To;
    }
    return line;
}

ExactPoint pointAt(const ExactLine& line, const mpq_class& t)
{
    if (line.Vertical)
        return {line.At, t};
    return {t, yAt(line, t)};
}

mpq_class yAt(const ExactLine& line, const mpq_class& x)
{
    return line.A * x + line.B;
}

} // namespace zelmora
