// SPDX-License-Identifier: MIT
// foldFullWidth over any bytes: the result is well-formed UTF-8, holds none of the characters
// that are folded (U+FF01 to U+FF5E, U+3000, U+2212, U+2010, U+30FC), and folding it again
// changes nothing.
#include "FuzzCheck.h"
#include "entry/FullWidth.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Decodes the text by the table of well-formed UTF-8 byte sequences (Unicode, table 3-7) and
// says whether every sequence is well formed and no decoded character is one that is folded.
bool isWellFormedAndFolded(std::string_view text)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    for (std::size_t i = 0; i < text.size();) {
        const std::uint8_t lead = byte(i);
        std::size_t length = 1;
        std::uint8_t low = 0x80; // bounds of the second byte
        std::uint8_t high = 0xBF;
        if (lead <= 0x7F) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
            return false;
        char32_t cp = lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            if (k > 1 && (byte(i + k) & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (byte(i + k) & 0x3F);
        }
        if ((cp >= 0xFF01 && cp <= 0xFF5E) || cp == 0x3000 || cp == 0x2212 || cp == 0x2010 || cp == 0x30FC)
            return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string folded = zelmora::foldFullWidth(std::string_view(reinterpret_cast<const char*>(data), size));
    require(isWellFormedAndFolded(folded), "the folded text is well-formed UTF-8 with nothing left to fold");
    require(zelmora::foldFullWidth(folded) == folded, "folding twice changes nothing");
    return 0;
}
