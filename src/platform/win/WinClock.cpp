#include "platform/win/WinClock.h"

#include <windows.h>

namespace q5::win {

std::uint32_t WinClock::GetTickCount() {
    return ::GetTickCount();
}

void WinClock::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace q5::win
