/*
 * printf-style formatting into a std::string, with the compiler checking the
 * arguments against the format.
 */
#pragma once

#include <string>

namespace q5 {

std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace q5
