/*
 * Input synthesis: the system's keyboard and mouse output. The operations
 * mirror keybd_event, mouse_event, GetMessageExtraInfo, MapVirtualKeyW and
 * ToAscii.
 */
#pragma once

#include <array>
#include <cstdint>

namespace q5 {

// keybd_event flags.
inline constexpr std::uint32_t kKeyEventExtendedKey = 0x0001;
inline constexpr std::uint32_t kKeyEventKeyUp = 0x0002;

// mouse_event flags.
inline constexpr std::uint32_t kMouseEventLeftDown = 0x0002;
inline constexpr std::uint32_t kMouseEventLeftUp = 0x0004;
inline constexpr std::uint32_t kMouseEventRightDown = 0x0008;
inline constexpr std::uint32_t kMouseEventRightUp = 0x0010;
inline constexpr std::uint32_t kMouseEventMiddleDown = 0x0020;
inline constexpr std::uint32_t kMouseEventMiddleUp = 0x0040;
inline constexpr std::uint32_t kMouseEventXDown = 0x0080;
inline constexpr std::uint32_t kMouseEventXUp = 0x0100;
inline constexpr std::uint32_t kMouseEventWheel = 0x0800;

// mouse_event data for the X buttons, and one wheel notch.
inline constexpr std::int32_t kXButton1 = 1;
inline constexpr std::int32_t kXButton2 = 2;
inline constexpr std::int32_t kWheelDelta = 120;

// MapVirtualKeyW translation types.
inline constexpr std::uint32_t kMapVkToVsc = 0;
inline constexpr std::uint32_t kMapVscToVk = 1;
inline constexpr std::uint32_t kMapVkToChar = 2;

// The 256-byte key-state array of the keyboard functions.
using KeyState = std::array<std::uint8_t, 256>;

class Input {
public:
    virtual ~Input() = default;

    virtual void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                            std::uintptr_t extraInfo) = 0;
    virtual void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
                            std::int32_t data, std::uintptr_t extraInfo) = 0;
    virtual std::intptr_t GetMessageExtraInfo() = 0;
    virtual std::uint32_t MapVirtualKeyW(std::uint32_t code, std::uint32_t mapType) = 0;
    // The character the key produces under the given key state, as ToAscii:
    // returns the number of characters written to `character` (0 or 1), or
    // -1 for a dead key, whose own (spacing) character is written. Asking
    // leaves no dead key pending for the keys typed afterwards.
    virtual int ToAscii(std::uint32_t vk, std::uint32_t scan, const KeyState& keyState,
                        std::uint16_t& character, std::uint32_t flags) = 0;
};

}  // namespace q5
