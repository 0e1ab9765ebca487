/*
 * The short English names of keys and key combinations that the user sees:
 * in the macro editor's event list, the combination-key dialog and the main
 * window's slot captions. Names are fixed texts, not translations; keys
 * without a fixed name are named by the character the keyboard layout gives
 * them.
 */
#pragma once

#include <cstdint>
#include <string>

#include "platform/Input.h"

namespace q5 {

// The program's own key codes for the mouse buttons.
inline constexpr std::uint8_t kKeyCodeLeftButton = 0xC1;
inline constexpr std::uint8_t kKeyCodeRightButton = 0xC2;
inline constexpr std::uint8_t kKeyCodeMiddleButton = 0xC3;

std::u16string KeyName(Input& input, std::uint8_t code);

// KeyName as the combination-key dialog shows it: codes 0x00 to 0x07 and the
// mouse-button codes are named by the layout character.
std::u16string ComboKeyName(Input& input, std::uint8_t code);

// "Ctrl+Alt+Shift+Win+<first>+<second>" with only the selected modifiers
// (the four low bits of the mask) and only the keys that are not 0.
std::u16string CombinationText(Input& input, std::uint8_t mask, std::uint8_t first,
                               std::uint8_t second);
// The same text with the dialog's key names.
std::u16string ComboCombinationText(Input& input, std::uint8_t mask, std::uint8_t first,
                                    std::uint8_t second);

}  // namespace q5
