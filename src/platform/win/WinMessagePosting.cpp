#include "platform/win/WinMessagePosting.h"

#include "platform/win/WinHandles.h"

namespace q5::win {

bool WinMessagePosting::PostMessageW(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) {
    return ::PostMessageW(ToHwnd(window), message, wParam, lParam) != FALSE;
}

}  // namespace q5::win
