/*
 * The bytes of the broadcast record that a WM_DEVICECHANGE message points
 * to, for the portable handler.
 */
#pragma once

#include <cstdint>
#include <span>

namespace q5::win {

// The record of a device event (wParam 0x8000 and above: arrival, removal,
// custom events) as long as its own size field says it is; empty for a
// null pointer, a size shorter than the header, and the other events
// (configuration changes, device-node changes), whose lParam is no record
// and is never read.
std::span<const std::uint8_t> BroadcastRecord(std::uintptr_t eventType, std::intptr_t lParam);

}  // namespace q5::win
