/*
 * The simulated keyboard layout: United States English, as MapVirtualKeyW
 * reports it on a standard 101/102-key keyboard (scan code set 1; the
 * extended keys report their base scan code without the E0 prefix). The
 * United States International variant types the same characters but makes
 * the apostrophe and grave accent keys dead keys.
 */
#pragma once

#include <array>
#include <cstdint>

namespace q5::sim {

enum class SimLayoutVariant { UnitedStates, UnitedStatesInternational };

class SimKeyboardLayout {
public:
    // Whether the key is a dead key of the variant (it types its accent only
    // together with the next key).
    static bool IsDeadKey(SimLayoutVariant variant, std::uint8_t vk);

    // MapVirtualKeyW with MAPVK_VK_TO_VSC, MAPVK_VSC_TO_VK or MAPVK_VK_TO_CHAR;
    // 0 where the layout has no translation.
    static std::uint32_t Map(std::uint32_t code, std::uint32_t mapType);

    static std::uint8_t ScanCode(std::uint8_t vk);
    static std::uint8_t VirtualKey(std::uint8_t scan);
    // The character MAPVK_VK_TO_CHAR reports (letters upper case).
    static char Character(std::uint8_t vk);
    // The character the key types under a key state, as ToAscii: letters in
    // lower case unless Shift (0x10) or Caps Lock (0x14, toggled) say otherwise;
    // no character while Ctrl or Alt is held.
    static char Character(std::uint8_t vk, const std::array<std::uint8_t, 256>& keyState);
};

}  // namespace q5::sim
