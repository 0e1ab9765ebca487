/*
 * Argument parsing shared by the q5tool commands. A bad argument is reported
 * as one line on standard error and exit status 2.
 */
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/GestureScript.h"

namespace q5::tool {

inline constexpr int kExitUsage = 2;

// A number in decimal or, with "0x", hexadecimal; none for anything else or
// a value above `max`.
std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max);

// "CODE" or "CODE+MS": a driver event code and the pause after the previous
// event, each a number as ParseNumber reads it up to 32 bits; none otherwise.
std::optional<TimedEvent> ParseTimedEvent(std::string_view text);

// The whole file, or none when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

// Prints "q5tool: <message>" on standard error and returns kExitUsage.
int UsageError(const std::string& message);

}  // namespace q5::tool
