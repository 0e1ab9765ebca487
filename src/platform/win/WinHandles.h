/*
 * Conversions between the portable window handle and HWND. Included only by
 * win/ sources, after <windows.h>.
 */
#pragma once

#include "platform/PlatformTypes.h"

namespace q5::win {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window.value);
}

inline WindowHandle FromHwnd(HWND window) {
    return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}

}  // namespace q5::win
