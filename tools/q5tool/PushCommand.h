/*
 * q5tool push [--settings FILE] [--hex]
 *
 * Opens a fresh driver channel on a plugged-in simulated receiver, pushes
 * the configuration of the assignment (the factory one, or FILE overlaid on
 * it as the registry read does) and prints every command the receiver got,
 * one line each, optionally followed by its 216 bytes in hex.
 */
#pragma once

#include <span>
#include <string_view>

namespace q5::tool {

int RunPush(std::span<const std::string_view> args);

}  // namespace q5::tool
