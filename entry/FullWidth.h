// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zelmora {

// Turns entry text as a Japanese input method types it into the text the number rules read
// (UTF-8 in, UTF-8 out): the full-width forms U+FF01 to U+FF5E become their ASCII counterparts,
// the ideographic space becomes a blank, and the minus sign U+2212, the hyphen U+2010 and the
// prolonged sound mark U+30FC (typed for a minus in kana mode) become "-", and the middle dots
// U+30FB and U+FF65 and the ideographic full stops U+3002 and U+FF61 (what the "/" and "." keys
// type in kana mode) become "/" and ".". Everything else is kept; bytes that are not valid UTF-8
// become U+FFFD. Each character of the result stands for one character of the text.
std::string foldFullWidth(std::string_view text);

// Where in the original text the character at byte offset foldedOffset of its folded form came
// from, as a byte offset into the original.
std::size_t originalOffset(std::string_view original, std::string_view folded, std::size_t foldedOffset);

} // namespace zelmora
