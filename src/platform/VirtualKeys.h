/*
 * Windows virtual-key codes that the system names in its own code.
 */
#pragma once

#include <cstdint>

namespace q5::vk {

inline constexpr std::uint8_t kBack = 0x08;
inline constexpr std::uint8_t kTab = 0x09;
inline constexpr std::uint8_t kReturn = 0x0D;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kLeft = 0x25;
inline constexpr std::uint8_t kUp = 0x26;
inline constexpr std::uint8_t kRight = 0x27;
inline constexpr std::uint8_t kDown = 0x28;
inline constexpr std::uint8_t kDelete = 0x2E;
inline constexpr std::uint8_t kLWin = 0x5B;
inline constexpr std::uint8_t kRWin = 0x5C;
inline constexpr std::uint8_t kAdd = 0x6B;
inline constexpr std::uint8_t kSubtract = 0x6D;
inline constexpr std::uint8_t kF4 = 0x73;
inline constexpr std::uint8_t kF23 = 0x86;
inline constexpr std::uint8_t kLShift = 0xA0;
inline constexpr std::uint8_t kRShift = 0xA1;
inline constexpr std::uint8_t kLControl = 0xA2;
inline constexpr std::uint8_t kRControl = 0xA3;
inline constexpr std::uint8_t kLMenu = 0xA4;
inline constexpr std::uint8_t kRMenu = 0xA5;
inline constexpr std::uint8_t kVolumeMute = 0xAD;
inline constexpr std::uint8_t kVolumeDown = 0xAE;
inline constexpr std::uint8_t kVolumeUp = 0xAF;
inline constexpr std::uint8_t kMediaNextTrack = 0xB0;
inline constexpr std::uint8_t kMediaPrevTrack = 0xB1;
inline constexpr std::uint8_t kMediaStop = 0xB2;
inline constexpr std::uint8_t kMediaPlayPause = 0xB3;

// Letter and digit keys are their upper-case character codes.
constexpr std::uint8_t Letter(char c) {
    return static_cast<std::uint8_t>(c);
}

}  // namespace q5::vk
