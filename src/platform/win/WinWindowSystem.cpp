#include "platform/win/WinWindowSystem.h"

#include <windows.h>

#include "platform/win/WinHandles.h"

namespace q5::win {
namespace {

const wchar_t* Wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

BOOL CALLBACK EnumerateOne(HWND window, LPARAM context) {
    const auto& callback = *reinterpret_cast<const std::function<bool(WindowHandle)>*>(context);
    return callback(FromHwnd(window)) ? TRUE : FALSE;
}

}  // namespace

bool WinWindowSystem::GetCursorPos(Point& point) {
    POINT position{};
    if (!::GetCursorPos(&position)) {
        return false;
    }
    point = Point{position.x, position.y};
    return true;
}

bool WinWindowSystem::SetCursorPos(std::int32_t x, std::int32_t y) {
    return ::SetCursorPos(x, y) != FALSE;
}

WindowHandle WinWindowSystem::WindowFromPoint(Point screenPoint) {
    return FromHwnd(::WindowFromPoint(POINT{screenPoint.x, screenPoint.y}));
}

WindowHandle WinWindowSystem::ChildWindowFromPoint(WindowHandle parent, Point clientPoint) {
    return FromHwnd(::ChildWindowFromPoint(ToHwnd(parent), POINT{clientPoint.x, clientPoint.y}));
}

bool WinWindowSystem::ScreenToClient(WindowHandle window, Point& point) {
    POINT position{point.x, point.y};
    if (!::ScreenToClient(ToHwnd(window), &position)) {
        return false;
    }
    point = Point{position.x, position.y};
    return true;
}

WindowHandle WinWindowSystem::GetDesktopWindow() {
    return FromHwnd(::GetDesktopWindow());
}

WindowHandle WinWindowSystem::GetForegroundWindow() {
    return FromHwnd(::GetForegroundWindow());
}

WindowHandle WinWindowSystem::GetParent(WindowHandle window) {
    return FromHwnd(::GetParent(ToHwnd(window)));
}

WindowHandle WinWindowSystem::GetWindow(WindowHandle window, std::uint32_t relation) {
    return FromHwnd(::GetWindow(ToHwnd(window), relation));
}

WindowHandle WinWindowSystem::FindWindowW(const char16_t* className, const char16_t* windowName) {
    return FromHwnd(::FindWindowW(Wide(className), Wide(windowName)));
}

WindowHandle WinWindowSystem::FindWindowExW(WindowHandle parent, WindowHandle childAfter,
                                            const char16_t* className, const char16_t* windowName) {
    return FromHwnd(
        ::FindWindowExW(ToHwnd(parent), ToHwnd(childAfter), Wide(className), Wide(windowName)));
}

bool WinWindowSystem::EnumChildWindows(WindowHandle parent,
                                       const std::function<bool(WindowHandle)>& callback) {
    return ::EnumChildWindows(ToHwnd(parent), EnumerateOne, reinterpret_cast<LPARAM>(&callback)) !=
           FALSE;
}

std::u16string WinWindowSystem::GetClassNameW(WindowHandle window) {
    wchar_t name[kClassNameCapacity]{};
    const int length = ::GetClassNameW(ToHwnd(window), name, static_cast<int>(kClassNameCapacity));
    if (length <= 0) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(name),
                          static_cast<std::size_t>(length));
}

std::u16string WinWindowSystem::GetWindowTextW(WindowHandle window) {
    wchar_t text[kWindowTextCapacity]{};
    const int length =
        ::GetWindowTextW(ToHwnd(window), text, static_cast<int>(kWindowTextCapacity));
    if (length <= 0) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(text),
                          static_cast<std::size_t>(length));
}

std::int32_t WinWindowSystem::GetWindowLongW(WindowHandle window, std::int32_t index) {
    return ::GetWindowLongW(ToHwnd(window), index);
}

bool WinWindowSystem::GetWindowRect(WindowHandle window, Rect& rect) {
    RECT bounds{};
    if (!::GetWindowRect(ToHwnd(window), &bounds)) {
        return false;
    }
    rect = Rect{bounds.left, bounds.top, bounds.right, bounds.bottom};
    return true;
}

std::int32_t WinWindowSystem::GetSystemMetrics(std::int32_t index) {
    return ::GetSystemMetrics(index);
}

}  // namespace q5::win
