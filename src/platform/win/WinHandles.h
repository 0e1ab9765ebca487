/*
 * Conversions between the portable handle values and the Windows types.
 * Included by win/ sources only.
 */
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5::win {

inline HANDLE ToHandle(KernelHandle handle) {
    return reinterpret_cast<HANDLE>(handle.value);
}

inline KernelHandle FromHandle(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    return KernelHandle{reinterpret_cast<std::uintptr_t>(handle)};
}

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window.value);
}

inline WindowHandle FromHwnd(HWND window) {
    return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}

// A NUL-terminated copy for the calls that take a C string.
inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace q5::win
