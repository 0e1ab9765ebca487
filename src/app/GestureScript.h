/*
 * A gesture script: driver event codes with the pause before each, as
 * another process hands them to the Gesture Pad of the demo in a WM_COPYDATA
 * message.
 *
 * The message payload is little-endian and byte-packed:
 *
 *   offset 0  4 bytes  magic 0x50473551 ("Q5GP")
 *   offset 4  2 bytes  version, 1
 *   offset 6  2 bytes  number of events N, 1 to kMaxScriptEvents
 *   offset 8  8 × N    per event: event code (4 bytes), then the pause in
 *                      milliseconds after the previous event (4 bytes, at
 *                      most kMaxScriptDelayMs)
 *
 * The payload comes from another process: anything but exactly this size,
 * magic, version and ranges is refused whole.
 */
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace q5 {

struct TimedEvent {
    std::uint32_t code = 0;
    std::uint32_t delayMs = 0;  // after the previous event
    auto operator<=>(const TimedEvent&) const = default;
};

// The COPYDATASTRUCT tag (dwData) of a gesture script.
inline constexpr std::uintptr_t kGestureScriptTag = 0x50473551;
inline constexpr std::uint32_t kGestureScriptMagic = 0x50473551;
inline constexpr std::uint16_t kGestureScriptVersion = 1;
inline constexpr std::size_t kGestureScriptHeaderSize = 8;
inline constexpr std::size_t kGestureScriptEventSize = 8;
inline constexpr std::size_t kMaxScriptEvents = 256;
inline constexpr std::uint32_t kMaxScriptDelayMs = 60000;

// True when the script can travel: 1 to kMaxScriptEvents events, no pause
// above kMaxScriptDelayMs.
bool IsSendableScript(std::span<const TimedEvent> events);

// The payload of a sendable script; empty for any other.
std::vector<std::uint8_t> EncodeGestureScript(std::span<const TimedEvent> events);

// The events of a well-formed payload, or none.
std::optional<std::vector<TimedEvent>> DecodeGestureScript(std::span<const std::uint8_t> payload);

}  // namespace q5
