/*
 * Input synthesis through the real user32 calls.
 */
#pragma once

#include "platform/Input.h"

namespace q5::win {

class WinInput final : public Input {
public:
    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                    std::uintptr_t extraInfo) override;
    void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
                    std::uintptr_t extraInfo) override;
    std::intptr_t GetMessageExtraInfo() override;
    std::uint32_t MapVirtualKeyW(std::uint32_t code, std::uint32_t mapType) override;
    int ToAscii(std::uint32_t vk, std::uint32_t scan, const KeyState& keyState,
                std::uint16_t& character, std::uint32_t flags) override;
};

}  // namespace q5::win
