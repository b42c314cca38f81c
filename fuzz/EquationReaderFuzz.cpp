// SPDX-License-Identifier: MIT
// readTypedLine over any bytes: it never crashes; a refusal names a place within the text (or
// none); an accepted equation, written back as the program writes it, reads again as the same line.
#include "FuzzCheck.h"
#include "facts/TypedLine.h"

#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = zelmora::readTypedLine(text);
    if (const auto* refusal = std::get_if<zelmora::EquationRefusal>(&read)) {
        require(refusal->Position >= 0 && static_cast<std::size_t>(refusal->Position) <= size + 1,
            "a refusal names a character of the text");
        return 0;
    }
    const auto& line = std::get<zelmora::TypedLine>(read);
    const auto again = zelmora::readTypedLine(line.Form);
    const auto* same = std::get_if<zelmora::TypedLine>(&again);
    require(same != nullptr, "the equation as written back is read again");
    require(same->Vertical == line.Vertical && same->A == line.A && same->B == line.B && same->At == line.At,
        "the equation as written back is the same line");
    require(same->Form == line.Form, "writing it back again gives the same text");
    return 0;
}
