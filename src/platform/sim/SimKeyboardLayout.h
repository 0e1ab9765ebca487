/*
 * The simulated keyboard layout: United States English, as MapVirtualKeyW
 * reports it on a standard 101/102-key keyboard (scan code set 1; the
 * extended keys report their base scan code without the E0 prefix).
 */
#pragma once

#include <cstdint>

namespace q5::sim {

class SimKeyboardLayout {
  public:
    // MapVirtualKeyW with MAPVK_VK_TO_VSC, MAPVK_VSC_TO_VK or MAPVK_VK_TO_CHAR;
    // 0 where the layout has no translation.
    static std::uint32_t Map(std::uint32_t code, std::uint32_t mapType);

    static std::uint8_t ScanCode(std::uint8_t vk);
    static std::uint8_t VirtualKey(std::uint8_t scan);
    static char Character(std::uint8_t vk);
};

}  // namespace q5::sim
