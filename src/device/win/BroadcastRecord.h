/*
 * The bytes of the broadcast record that a WM_DEVICECHANGE message points
 * to, for the portable handler.
 */
#pragma once

#include <cstdint>
#include <span>

namespace q5::win {

// The record as long as it says it is; empty for a null pointer.
std::span<const std::uint8_t> BroadcastRecord(std::intptr_t lParam);

}  // namespace q5::win
