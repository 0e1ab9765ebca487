/*
 * q5tool settings [--settings F] [--names F] [--macros F] [--language F]
 *
 * Prints the stored images for people: every slot with its code, display
 * text and the record bytes its code uses, the extra records in use, and
 * every macro with its flags, count and steps.
 */
#pragma once

#include <span>
#include <string_view>

namespace q5::tool {

int RunSettings(std::span<const std::string_view> args);

}  // namespace q5::tool
