#include "platform/win/WinWindowCreation.h"

#include "platform/win/WinHandles.h"

namespace q5::win {

bool WinWindowCreation::RegisterClassW(std::u16string_view className) {
    const std::wstring name = ToWide(className);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name.c_str();
    return ::RegisterClassW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

WindowHandle WinWindowCreation::CreateWindowExW(std::uint32_t exStyle,
                                                std::u16string_view className,
                                                std::u16string_view windowName, std::uint32_t style,
                                                Point position, std::int32_t width,
                                                std::int32_t height) {
    const std::wstring classText = ToWide(className);
    const std::wstring nameText = ToWide(windowName);
    return FromHwnd(::CreateWindowExW(exStyle, classText.c_str(), nameText.c_str(), style,
                                      position.x, position.y, width, height, nullptr, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr));
}

bool WinWindowCreation::DestroyWindow(WindowHandle window) {
    return ::DestroyWindow(ToHwnd(window)) != FALSE;
}

}  // namespace q5::win
