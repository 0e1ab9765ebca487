/*
 * q5tool settings [--settings F] [--names F] [--macros F] [--language F]
 *
 * Prints the stored images for people: every slot with its code, display
 * text and the record bytes its code uses, the extra records in use, and
 * every macro with its flags, count and steps.
 */
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/SettingsStore.h"
#include "platform/Input.h"

namespace q5::tool {

int RunSettings(std::span<const std::string_view> args);

// What the settings command prints for the images in `store`.
std::string SettingsReport(Input& input, SettingsStore& store);

}  // namespace q5::tool
