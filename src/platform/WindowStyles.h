/*
 * Window and control styles that the system reads or sets.
 */
#pragma once

#include <cstdint>

namespace q5 {

inline constexpr std::uint32_t kWsPopup = 0x80000000;
inline constexpr std::uint32_t kWsChild = 0x40000000;
inline constexpr std::uint32_t kWsVisible = 0x10000000;
inline constexpr std::uint32_t kWsVScroll = 0x00200000;
inline constexpr std::uint32_t kWsHScroll = 0x00100000;
inline constexpr std::uint32_t kWsMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kWsMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kWsOverlappedWindow = 0x00CF0000;

// Scroll-bar control styles.
inline constexpr std::uint32_t kSbsVert = 0x0001;
inline constexpr std::uint32_t kSbsSizeBox = 0x0008;

}  // namespace q5
