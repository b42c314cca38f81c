// SPDX-License-Identifier: MIT
#include "entry/FullWidth.h"

#include <cstdint>

namespace zelmora {
namespace {

constexpr char32_t replacement = 0xFFFD;

// Decodes one code point at text[i] and advances i; malformed sequences, overlong forms and
// surrogates give U+FFFD and advance by one byte.
char32_t decode(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return replacement;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return replacement;
    }
    for (int k = 1; k < length; ++k) {
        const std::uint8_t next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return replacement;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return replacement;
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

void encode(char32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t fold(char32_t cp)
{
    if (cp >= 0xFF01 && cp <= 0xFF5E)
        return cp - 0xFEE0;
    switch (cp) {
    case 0x3000: // ideographic space
        return ' ';
    case 0x2212: // minus sign
    case 0x2010: // hyphen
    case 0x30FC: // prolonged sound mark
        return '-';
    // In kana mode the keys for "/" and "." type the middle dot and the ideographic full stop,
    // full-width or half-width.
    case 0x30FB: // katakana middle dot
    case 0xFF65: // half-width katakana middle dot
        return '/';
    case 0x3002: // ideographic full stop
    case 0xFF61: // half-width ideographic full stop
        return '.';
    default:
        return cp;
    }
}

} // namespace

std::size_t originalOffset(std::string_view original, std::string_view folded, std::size_t foldedOffset)
{
    // Each character of the folded text comes from one character, or one invalid byte, of the
    // original.
    std::size_t characters = 0;
    for (std::size_t k = 0; k < foldedOffset && k < folded.size(); ++k)
        characters += (static_cast<std::uint8_t>(folded[k]) & 0xC0) != 0x80 ? 1 : 0;
    std::size_t offset = 0;
    for (; characters > 0 && offset < original.size(); --characters)
        decode(original, offset);
    return offset;
}

std::string foldFullWidth(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
        encode(fold(decode(text, i)), out);
    return out;
}

} // namespace zelmora
