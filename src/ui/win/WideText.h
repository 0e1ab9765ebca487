/*
 * The program keeps its texts as UTF-16 std::u16string; the Windows calls
 * take wchar_t, which is the same 16-bit unit there.
 */
#pragma once

#include <string>

namespace q5::win {

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWide(const wchar_t* text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

}  // namespace q5::win
