/*
 * The reports of the keyboard hook library (KBGetKey.dll) to the editor
 * window that installed it, and the tag by which the library recognises
 * input that this program synthesises itself.
 */
#pragma once

#include <cstdint>

namespace q5 {

// One key press or release: wParam the key code (low byte), lParam the
// event's flags. Repeated presses of a held key carry equal flags.
inline constexpr std::uint32_t kKeyReportMessage = 0x40A;
// lParam bit of a release.
inline constexpr std::uint32_t kKeyReportReleased = 0x80;

// dwExtraInfo of keyboard and mouse input that the program synthesises; the
// hook library does not report such input, so an editor never records the
// program's own output.
inline constexpr std::uintptr_t kSynthesisedInputTag = 0x5135'4B42;  // "Q5KB"

}  // namespace q5
