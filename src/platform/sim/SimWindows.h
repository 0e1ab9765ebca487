/*
 * The simulated desktop's windows: a scripted window tree with classes,
 * titles, styles, screen rectangles, parents and z-order, the cursor, the
 * foreground window and the system metrics. Each window also keeps the
 * messages it received (filled by SimWindowMessages).
 *
 * Rectangles are in screen coordinates and a window's client area is its
 * whole rectangle. Siblings are kept in z-order, topmost first; a window
 * added later goes below its earlier siblings. The window under a point is
 * the topmost top-level window containing it, then, inside that, the
 * topmost child containing it, and so on down; the desktop window when no
 * top-level window contains the point.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

struct SimWindow {
    WindowHandle parent;
    std::u16string className;
    std::u16string title;
    std::uint32_t style = 0;
    Rect rect;
    std::vector<WindowHandle> children;  // z-order, topmost first
    std::vector<WindowMessage> received;
    bool hung = false;
    std::intptr_t reply = 0;  // what it answers to a sent message
};

class SimWindows final : public WindowSystem {
public:
    static constexpr WindowHandle kDesktop{0x10010};
    static constexpr const char16_t* kDesktopClass = u"#32769";

    explicit SimWindows(CallJournal& journal) : journal_(journal) {}

    // Scripting the desktop. A null parent makes a top-level window.
    WindowHandle AddWindow(WindowHandle parent, std::u16string className, Rect rect,
                           std::uint32_t style = kWsVisible, std::u16string title = {});
    // Removes the window and its descendants (the window was closed).
    void RemoveWindow(WindowHandle window);
    SimWindow* Find(WindowHandle window);
    const SimWindow* Find(WindowHandle window) const;
    void SetCursor(Point point) { cursor_ = point; }
    Point Cursor() const { return cursor_; }
    void SetForeground(WindowHandle window) { foreground_ = window; }
    void SetSystemMetric(std::int32_t index, std::int32_t value) { metrics_[index] = value; }
    // The messages the window received, in order (none for an unknown window).
    std::vector<WindowMessage> Received(WindowHandle window) const;

    bool GetCursorPos(Point& point) override;
    bool SetCursorPos(std::int32_t x, std::int32_t y) override;
    WindowHandle WindowFromPoint(Point screenPoint) override;
    WindowHandle ChildWindowFromPoint(WindowHandle parent, Point clientPoint) override;
    bool ScreenToClient(WindowHandle window, Point& point) override;
    WindowHandle GetDesktopWindow() override { return kDesktop; }
    WindowHandle GetForegroundWindow() override {
        ++foregroundReads_;
        return foreground_;
    }
    // How often GetForegroundWindow was called.
    std::size_t ForegroundReads() const { return foregroundReads_; }
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

private:
    const std::vector<WindowHandle>* Siblings(WindowHandle window) const;
    const std::vector<WindowHandle>& ChildrenOf(WindowHandle parent) const;
    WindowHandle TopmostContaining(const std::vector<WindowHandle>& windows, Point point) const;
    bool Matches(WindowHandle window, const char16_t* className, const char16_t* title) const;
    bool EnumDescendants(WindowHandle parent, const std::function<bool(WindowHandle)>& callback);

    CallJournal& journal_;
    std::map<std::uintptr_t, SimWindow> windows_;
    std::vector<WindowHandle> topLevel_;
    std::uintptr_t nextHandle_ = 0x20010;
    Point cursor_;
    WindowHandle foreground_;
    std::size_t foregroundReads_ = 0;
    std::map<std::int32_t, std::int32_t> metrics_;
};

}  // namespace q5::sim
