/*
 * Window inspection, the cursor and system metrics through user32.
 */
#pragma once

#include "platform/WindowSystem.h"

namespace q5::win {

class WinWindowSystem final : public WindowSystem {
public:
    bool GetCursorPos(Point& point) override;
    bool SetCursorPos(std::int32_t x, std::int32_t y) override;
    WindowHandle WindowFromPoint(Point screenPoint) override;
    WindowHandle ChildWindowFromPoint(WindowHandle parent, Point clientPoint) override;
    bool ScreenToClient(WindowHandle window, Point& point) override;
    WindowHandle GetDesktopWindow() override;
    WindowHandle GetForegroundWindow() override;
    WindowHandle GetParent(WindowHandle window) override;
    WindowHandle GetWindow(WindowHandle window, std::uint32_t relation) override;
    WindowHandle FindWindowW(const char16_t* className, const char16_t* windowName) override;
    WindowHandle FindWindowExW(WindowHandle parent, WindowHandle childAfter,
                               const char16_t* className, const char16_t* windowName) override;
    bool EnumChildWindows(WindowHandle parent,
                          const std::function<bool(WindowHandle)>& callback) override;
    std::u16string GetClassNameW(WindowHandle window) override;
    std::u16string GetWindowTextW(WindowHandle window) override;
    std::int32_t GetWindowLongW(WindowHandle window, std::int32_t index) override;
    bool GetWindowRect(WindowHandle window, Rect& rect) override;
    std::int32_t GetSystemMetrics(std::int32_t index) override;
};

}  // namespace q5::win
