/*
 * q5tool lang FILE
 *
 * Loads FILE as the program loads language.xml and prints the reader's
 * result text and every text slot, one line each:
 *   result<TAB>text
 *   <slot name><TAB>text        (169 lines, in the order the slots are filled)
 * Texts are UTF-8 with \\, \t, \n and \r escaped, and other control
 * characters and unpaired surrogates written as \uXXXX.
 */
#pragma once

#include <span>
#include <string_view>

namespace q5::tool {

int RunLang(std::span<const std::string_view> args);

}  // namespace q5::tool
