#pragma once

#include <string>
#include <string_view>

namespace zelmora {

// Turns entry text as a Japanese input method types it into the text the number rules read
// (UTF-8 in, UTF-8 out): the full-width forms U+FF01 to U+FF5E become their ASCII counterparts,
// the ideographic space becomes a blank, and the minus sign U+2212, the hyphen U+2010 and the
// prolonged sound mark U+30FC (typed for a minus in kana mode) become "-". Everything else is
// kept; bytes that are not valid UTF-8 become U+FFFD.
std::string foldFullWidth(std::string_view text);

} // namespace zelmora
