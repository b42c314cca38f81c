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
    return ExactLine{std::move(*a), std::move(*b), std::move(*from), std::move(*to), aText, bText};
}

std::optional<ExactLine> exactLineOf(const SlotTable& table, int slot)
{
    return readExactLine(entryTexts(table, slot));
}

mpq_class yAt(const ExactLine& line, const mpq_class& x)
{
    return line.A * x + line.B;
}

} // namespace zelmora
