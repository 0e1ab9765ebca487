/*
 * The folder of the executable, where the program finds language.xml, the
 * skins and its libraries.
 */
#pragma once

#include <string>
#include <string_view>

namespace q5 {

// Room of the folder buffer, terminator included.
inline constexpr std::size_t kProgramFolderUnits = 260;

// The path up to and including its last backslash, at most 259 characters;
// empty for a path without a backslash.
std::u16string ProgramFolderOf(std::u16string_view executablePath);

}  // namespace q5
