/*
 * q5tool simulate [--os-release N] [--settings FILE] [--start-tick T]
 *                  [--process NAME]... [--window CLASS]... EVENT...
 *
 * Replays driver event codes through the real dispatcher and executor on the
 * simulated desktop and prints every platform call, one line each.
 */
#pragma once

#include <span>
#include <string_view>

namespace q5::tool {

int RunSimulate(std::span<const std::string_view> args);

}  // namespace q5::tool
