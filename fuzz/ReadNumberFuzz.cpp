// SPDX-License-Identifier: MIT
// ReadNumber over any bytes: the result is a number (finite or infinite, never NaN); blanks, tabs
// and line feeds change nothing; reading stops at a slash, as the fraction rule relies on; and
// text made only of digits, points, signs and E reads as the C library's strtod reads it.
#include "FuzzCheck.h"
#include "entry/TextRules.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// strtod reads these characters exactly as ReadNumber does (ReadNumber's blanks aside).
bool isPlainDecimal(std::string_view text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = zelmora::ReadNumber(text);
    require(!std::isnan(value), "ReadNumber never gives NaN");

    std::string compact;
    for (char c : text) {
        if (!isBlank(c))
            compact += c;
    }
    require(zelmora::ReadNumber(compact) == value, "blanks, tabs and line feeds are ignored");

    if (const std::size_t slash = text.find('/'); slash != std::string_view::npos)
        require(zelmora::ReadNumber(text.substr(0, slash)) == value, "reading stops at a slash");

    if (isPlainDecimal(compact))
        require(std::strtod(compact.c_str(), nullptr) == value, "decimal text reads as strtod reads it");
    return 0;
}
