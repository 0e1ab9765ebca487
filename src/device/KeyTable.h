/*
 * The key table: Windows virtual keys to USB HID keyboard usages, and the
 * key-combination value that the driver understands.
 *
 * A key-combination value holds the HID modifier byte in bits 0 to 7 and the
 * key's HID usage in bits 8 to 15; the driver reports a registered
 * combination as event code 0x80000000 plus the value.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q5 {

// Modifier bits in the HID keyboard layout.
inline constexpr std::uint8_t kHidLeftCtrl = 0x01;
inline constexpr std::uint8_t kHidLeftShift = 0x02;
inline constexpr std::uint8_t kHidLeftAlt = 0x04;
inline constexpr std::uint8_t kHidLeftGui = 0x08;

struct KeyTableRow {
    std::uint8_t usage = 0;
    std::uint8_t virtualKey = 0;
};

inline constexpr std::size_t kKeyTableSize = 111;

// In the driver's order: usages 0x00 to 0x45, 0x72, 0x46 to 0x65, 0xE0 to
// 0xE7. A virtual key may stand in several rows; the first one counts.
const std::array<KeyTableRow, kKeyTableSize>& KeyTable();

// The usage of the first row holding the virtual key; 0 when none does.
std::uint8_t UsageOfVirtualKey(std::uint8_t virtualKey);

std::uint32_t KeyCombinationValue(std::uint8_t virtualKey, std::uint8_t modifiers);

}  // namespace q5
