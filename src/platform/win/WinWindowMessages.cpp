#include "platform/win/WinWindowMessages.h"

#include <windows.h>

#include <string>

#include "platform/win/WinHandles.h"

namespace q5::win {

bool WinWindowMessages::PostMessageW(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) {
    return ::PostMessageW(ToHwnd(window), message, wParam, lParam) != FALSE;
}

std::intptr_t WinWindowMessages::SendMessageW(WindowHandle window, std::uint32_t message,
                                              std::uintptr_t wParam, std::intptr_t lParam) {
    return ::SendMessageW(ToHwnd(window), message, wParam, lParam);
}

bool WinWindowMessages::SendMessageTimeoutW(WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam,
                                            std::uint32_t flags, std::uint32_t timeoutMs,
                                            std::uintptr_t& result) {
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam, flags, timeoutMs,
                               &answer)) {
        return false;
    }
    result = answer;
    return true;
}

std::uint32_t WinWindowMessages::RegisterWindowMessageW(std::u16string_view name) {
    const std::u16string terminated(name);
    return ::RegisterWindowMessageW(reinterpret_cast<const wchar_t*>(terminated.c_str()));
}

}  // namespace q5::win
