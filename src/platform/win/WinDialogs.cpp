#include "platform/win/WinDialogs.h"

#include <windows.h>

#include "platform/win/WinHandles.h"

#include <string>

namespace q5::win {

int WinDialogs::MessageBoxW(WindowHandle owner, std::u16string_view text,
                            std::u16string_view caption, std::uint32_t type) {
    const std::wstring wideText(text.begin(), text.end());
    const std::wstring wideCaption(caption.begin(), caption.end());
    return ::MessageBoxW(reinterpret_cast<HWND>(owner.value), wideText.c_str(), wideCaption.c_str(),
                         type);
}

}  // namespace q5::win
