/*
 * printf-style formatting into a std::string, with the compiler checking the
 * arguments against the format.
 */
#pragma once

#include <string>

namespace q5 {

std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends the formatted text to `out`, with no string of its own in between.
void StringAppendF(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace q5
