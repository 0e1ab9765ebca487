/*
 * The fixed input sequences of the executor. Keys go through keybd_event with
 * scan code 0 and the extended-key flag, with no pause between events; mouse
 * buttons and the wheel act at the cursor through mouse_event.
 */
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "actions/OsRelease.h"
#include "platform/Platform.h"

namespace q5 {

void PressKey(Input& input, std::uint8_t vk);
void ReleaseKey(Input& input, std::uint8_t vk);
void TapKey(Input& input, std::uint8_t vk);

// Presses the keys in the order given, then releases them in reverse order:
// for {Ctrl, X}: Ctrl down, X down, X up, Ctrl up.
void PressChord(Input& input, std::span<const std::uint8_t> keys);
void PressChord(Input& input, std::initializer_list<std::uint8_t> keys);

// One mouse event at the cursor position (extra information from
// GetMessageExtraInfo).
void SendMouse(Input& input, std::uint32_t flags, std::int32_t data = 0);

// The Alt+Tab window switcher: Tab without the extended flag, 100 ms held,
// and on Vista and later a second Alt tap after 100 ms.
void PlayWindowSwitcher(Platform& platform, OsRelease release);

}  // namespace q5
