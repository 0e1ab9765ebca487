/*
 * The keys that a dialog's own keyboard handling turns into commands, which
 * the program's dialogs keep from it: the dialog manager presses the default
 * button for Enter, cancels for Escape and clicks the focused button for
 * Space; the window manager closes a window for Alt+F4.
 */
#pragma once

#include <cstdint>

namespace q5 {

// WM_KEYDOWN or WM_KEYUP of a key that presses a button or ends a dialog.
bool IsDialogCommandKey(std::uint32_t message, std::uintptr_t key);
// WM_SYSKEYDOWN or WM_SYSKEYUP of F4 with Alt held (`flags`: the lParam).
bool IsAltF4(std::uint32_t message, std::uintptr_t key, std::intptr_t flags);
// Any keyboard message, from WM_KEYDOWN to WM_UNICHAR.
bool IsKeyboardMessage(std::uint32_t message);

}  // namespace q5
