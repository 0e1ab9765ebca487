/*
 * Window inspection, the cursor and system metrics: how the portable code
 * finds the window under the mouse, walks the window tree and reads class
 * names, styles and rectangles. The operations mirror the user32 calls of
 * the same names (GetCursorPos, WindowFromPoint, GetParent, GetWindow,
 * FindWindowExW, EnumChildWindows, GetClassNameW, GetWindowLongW, ...).
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/PlatformTypes.h"
#include "platform/WindowStyles.h"

namespace q5 {

// GetWindowLongW index of the window style.
inline constexpr std::int32_t kGwlStyle = -16;

// GetWindow relations.
inline constexpr std::uint32_t kGwHwndNext = 2;
inline constexpr std::uint32_t kGwHwndPrev = 3;
inline constexpr std::uint32_t kGwChild = 5;

// GetSystemMetrics index: non-zero when the mouse buttons are swapped.
inline constexpr std::int32_t kSmSwapButton = 23;

// Class names are read into a buffer of this many UTF-16 code units, the
// terminator included.
inline constexpr std::size_t kClassNameCapacity = 260;
// Window titles likewise.
inline constexpr std::size_t kWindowTextCapacity = 260;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual bool GetCursorPos(Point& point) = 0;
    virtual bool SetCursorPos(std::int32_t x, std::int32_t y) = 0;

    virtual WindowHandle WindowFromPoint(Point screenPoint) = 0;
    // The child of `parent` that contains the point (any child, hidden or
    // disabled ones included), `parent` itself when no child does, null when
    // the point lies outside `parent`.
    virtual WindowHandle ChildWindowFromPoint(WindowHandle parent, Point clientPoint) = 0;
    virtual bool ScreenToClient(WindowHandle window, Point& point) = 0;

    virtual WindowHandle GetDesktopWindow() = 0;
    virtual WindowHandle GetForegroundWindow() = 0;
    virtual WindowHandle GetParent(WindowHandle window) = 0;
    virtual WindowHandle GetWindow(WindowHandle window, std::uint32_t relation) = 0;
    // A top-level window by class and/or title; a null pointer matches any.
    virtual WindowHandle FindWindowW(const char16_t* className, const char16_t* windowName) = 0;
    // The next child of `parent` after `childAfter` (the first one when
    // `childAfter` is null) that matches; a null pointer matches any.
    virtual WindowHandle FindWindowExW(WindowHandle parent, WindowHandle childAfter,
                                       const char16_t* className, const char16_t* windowName) = 0;
    // Calls `callback` for every descendant of `parent` (every top-level
    // window when `parent` is null) until it returns false.
    virtual bool EnumChildWindows(WindowHandle parent,
                                  const std::function<bool(WindowHandle)>& callback) = 0;

    // The class name, cut to kClassNameCapacity - 1 code units; empty when
    // the window does not exist.
    virtual std::u16string GetClassNameW(WindowHandle window) = 0;
    // The window's title, cut to kWindowTextCapacity - 1 code units; empty
    // when the window does not exist or has none.
    virtual std::u16string GetWindowTextW(WindowHandle window) = 0;
    // 0 when the window does not exist.
    virtual std::int32_t GetWindowLongW(WindowHandle window, std::int32_t index) = 0;
    // The window's rectangle in screen coordinates.
    virtual bool GetWindowRect(WindowHandle window, Rect& rect) = 0;

    virtual std::int32_t GetSystemMetrics(std::int32_t index) = 0;
};

}  // namespace q5
