#include "platform/win/WinInput.h"

#include <windows.h>

namespace q5::win {

void WinInput::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                          std::uintptr_t extraInfo) {
    ::keybd_event(vk, scan, flags, extraInfo);
}

void WinInput::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
                          std::uintptr_t extraInfo) {
    ::mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data),
                  extraInfo);
}

std::intptr_t WinInput::GetMessageExtraInfo() {
    return ::GetMessageExtraInfo();
}

std::uint32_t WinInput::MapVirtualKeyW(std::uint32_t code, std::uint32_t mapType) {
    return ::MapVirtualKeyW(code, mapType);
}

}  // namespace q5::win

namespace q5::win {

int WinInput::ToAscii(std::uint32_t vk, std::uint32_t scan, const KeyState& keyState,
                      std::uint16_t& character, std::uint32_t flags) {
    WORD produced[2] = {0, 0};
    const int count = ::ToAscii(vk, scan, keyState.data(), produced, flags);
    if (count == 0) {
        return 0;
    }
    character = produced[0];
    if (count < 0) {
        // The layout now holds the accent for the next key; the same dead
        // key once more writes it out and leaves nothing pending.
        WORD flushed[2] = {0, 0};
        ::ToAscii(vk, scan, keyState.data(), flushed, flags);
        return -1;
    }
    return 1;
}

}  // namespace q5::win
