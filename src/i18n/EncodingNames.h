/*
 * Encoding names as documents declare them ("UTF-8", "gb2312", "latin1",
 * ...) and the Windows code pages they stand for.
 */
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/TextFiles.h"

namespace q5 {

// The reader's own code for 32-bit little-endian Unicode, converted by the
// reader itself rather than by the platform.
inline constexpr std::uint32_t kCodePageUtf32 = 65005;

// The code page of an encoding name: A-Z folded to a-z; any name beginning
// exactly "UTF-32" is kCodePageUtf32; the empty name, names of 100 or more
// characters and unknown names give the ANSI code page (0).
std::uint32_t CodePageOfEncoding(std::u16string_view name);

// Every known name, lower case.
std::vector<std::string_view> KnownEncodingNames();

}  // namespace q5
