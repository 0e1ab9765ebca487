#include "platform/win/WinDebugOutput.h"

#include <windows.h>

#include <string>

namespace q5::win {

void WinDebugOutput::OutputDebugStringW(std::u16string_view text) {
    const std::u16string terminated(text);
    ::OutputDebugStringW(reinterpret_cast<const wchar_t*>(terminated.c_str()));
}

}  // namespace q5::win
