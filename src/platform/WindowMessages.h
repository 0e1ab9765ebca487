/*
 * Messages to other programs' windows: posted into their queues, sent and
 * waited for (without or with a time-out), and messages registered by name.
 * The operations mirror PostMessageW, SendMessageW, SendMessageTimeoutW and
 * RegisterWindowMessageW.
 */
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5 {

inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmKeyUp = 0x0101;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::uint32_t kWmSysKeyDown = 0x0104;
inline constexpr std::uint32_t kWmSysKeyUp = 0x0105;
// WM_UNICHAR: the last of the keyboard messages, which start at WM_KEYDOWN.
inline constexpr std::uint32_t kWmKeyLast = 0x0109;
inline constexpr std::uint32_t kWmSysCommand = 0x0112;
inline constexpr std::uint32_t kWmHScroll = 0x0114;

// WM_HSCROLL requests.
inline constexpr std::uintptr_t kSbLineLeft = 0;
inline constexpr std::uintptr_t kSbLineRight = 1;

// WM_SYSCOMMAND commands.
inline constexpr std::uintptr_t kScMinimize = 0xF020;
inline constexpr std::uintptr_t kScRestore = 0xF120;

// SendMessageTimeoutW: return at once when the receiver is hung.
inline constexpr std::uint32_t kSmtoAbortIfHung = 0x0002;

class WindowMessages {
public:
    virtual ~WindowMessages() = default;

    virtual bool PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) = 0;
    virtual std::intptr_t SendMessageW(WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // False when the receiver is hung or did not answer in time; `result`
    // then keeps its value.
    virtual bool SendMessageTimeoutW(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam,
                                     std::uint32_t flags, std::uint32_t timeoutMs,
                                     std::uintptr_t& result) = 0;
    // The system-wide number of a message named by its text; 0 on failure.
    virtual std::uint32_t RegisterWindowMessageW(std::u16string_view name) = 0;
};

}  // namespace q5
