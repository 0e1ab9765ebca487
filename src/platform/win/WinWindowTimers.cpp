#include "platform/win/WinWindowTimers.h"

#include "platform/win/WinHandles.h"

namespace q5::win {

std::uintptr_t WinWindowTimers::SetTimer(WindowHandle window, std::uintptr_t id,
                                         std::uint32_t elapseMs) {
    return ::SetTimer(ToHwnd(window), id, elapseMs, nullptr);
}

bool WinWindowTimers::KillTimer(WindowHandle window, std::uintptr_t id) {
    return ::KillTimer(ToHwnd(window), id) != FALSE;
}

}  // namespace q5::win
