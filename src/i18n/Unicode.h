/*
 * Conversions between the system's UTF-16 texts and UTF-8, for files and
 * tools that speak UTF-8. Unpaired surrogates become U+FFFD.
 */
#pragma once

#include <string>
#include <string_view>

namespace q5 {

constexpr bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

constexpr bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::string Utf16ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace q5
