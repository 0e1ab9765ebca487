/*
 * Window messages through user32.
 */
#pragma once

#include "platform/WindowMessages.h"

namespace q5::win {

class WinWindowMessages final : public WindowMessages {
public:
    bool PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::intptr_t SendMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool SendMessageTimeoutW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                             std::uintptr_t& result) override;
    std::uint32_t RegisterWindowMessageW(std::u16string_view name) override;
};

}  // namespace q5::win
