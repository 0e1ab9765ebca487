#include "platform/sim/SimWindows.h"

#include <algorithm>

namespace q5::sim {
namespace {

bool Contains(const Rect& rect, Point point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

const std::vector<WindowHandle> kNoWindows;

}  // namespace

WindowHandle SimWindows::AddWindow(WindowHandle parent, std::u16string className, Rect rect,
                                   std::uint32_t style, std::u16string title) {
    const WindowHandle handle{nextHandle_};
    nextHandle_ += 0x10;
    SimWindow window;
    window.parent = parent;
    window.className = std::move(className);
    window.title = std::move(title);
    window.style = style;
    window.rect = rect;
    windows_.emplace(handle.value, std::move(window));
    if (SimWindow* owner = Find(parent)) {
        owner->children.push_back(handle);
    } else {
        topLevel_.push_back(handle);
    }
    return handle;
}

void SimWindows::RemoveWindow(WindowHandle window) {
    SimWindow* removed = Find(window);
    if (!removed) {
        return;
    }
    for (const WindowHandle child : std::vector(removed->children)) {
        RemoveWindow(child);
    }
    SimWindow* owner = Find(removed->parent);
    auto& siblings = owner ? owner->children : topLevel_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    windows_.erase(window.value);
}

SimWindow* SimWindows::Find(WindowHandle window) {
    const auto it = windows_.find(window.value);
    return it == windows_.end() ? nullptr : &it->second;
}

const SimWindow* SimWindows::Find(WindowHandle window) const {
    const auto it = windows_.find(window.value);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowMessage> SimWindows::Received(WindowHandle window) const {
    const SimWindow* found = Find(window);
    return found ? found->received : std::vector<WindowMessage>{};
}

bool SimWindows::GetCursorPos(Point& point) {
    point = cursor_;
    return true;
}

bool SimWindows::SetCursorPos(std::int32_t x, std::int32_t y) {
    journal_.Record(CursorCall{x, y});
    cursor_ = Point{x, y};
    return true;
}

WindowHandle SimWindows::TopmostContaining(const std::vector<WindowHandle>& windows,
                                           Point point) const {
    for (const WindowHandle handle : windows) {
        if (Contains(Find(handle)->rect, point)) {
            return handle;
        }
    }
    return {};
}

WindowHandle SimWindows::WindowFromPoint(Point screenPoint) {
    WindowHandle found = TopmostContaining(topLevel_, screenPoint);
    if (!found) {
        return kDesktop;
    }
    while (const WindowHandle child = TopmostContaining(Find(found)->children, screenPoint)) {
        found = child;
    }
    return found;
}

WindowHandle SimWindows::ChildWindowFromPoint(WindowHandle parent, Point clientPoint) {
    const SimWindow* window = Find(parent);
    if (!window) {
        return {};
    }
    const Point screen{clientPoint.x + window->rect.left, clientPoint.y + window->rect.top};
    if (!Contains(window->rect, screen)) {
        return {};
    }
    const WindowHandle child = TopmostContaining(window->children, screen);
    return child ? child : parent;
}

bool SimWindows::ScreenToClient(WindowHandle window, Point& point) {
    const SimWindow* found = Find(window);
    if (!found) {
        return false;
    }
    point.x -= found->rect.left;
    point.y -= found->rect.top;
    return true;
}

WindowHandle SimWindows::GetParent(WindowHandle window) {
    const SimWindow* found = Find(window);
    return found ? found->parent : WindowHandle{};
}

const std::vector<WindowHandle>& SimWindows::ChildrenOf(WindowHandle parent) const {
    if (!parent || parent == kDesktop) {
        return topLevel_;
    }
    const SimWindow* found = Find(parent);
    return found ? found->children : kNoWindows;
}

const std::vector<WindowHandle>* SimWindows::Siblings(WindowHandle window) const {
    const SimWindow* found = Find(window);
    if (!found) {
        return nullptr;
    }
    return &ChildrenOf(found->parent);
}

WindowHandle SimWindows::GetWindow(WindowHandle window, std::uint32_t relation) {
    if (relation == kGwChild) {
        const SimWindow* found = Find(window);
        if (window == kDesktop) {
            return topLevel_.empty() ? WindowHandle{} : topLevel_.front();
        }
        return found && !found->children.empty() ? found->children.front() : WindowHandle{};
    }
    const auto* siblings = Siblings(window);
    if (!siblings || (relation != kGwHwndNext && relation != kGwHwndPrev)) {
        return {};
    }
    const auto it = std::find(siblings->begin(), siblings->end(), window);
    if (relation == kGwHwndNext) {
        return it + 1 == siblings->end() ? WindowHandle{} : *(it + 1);
    }
    return it == siblings->begin() ? WindowHandle{} : *(it - 1);
}

bool SimWindows::Matches(WindowHandle window, const char16_t* className,
                         const char16_t* title) const {
    const SimWindow* found = Find(window);
    return (!className || found->className == className) && (!title || found->title == title);
}

WindowHandle SimWindows::FindWindowW(const char16_t* className, const char16_t* windowName) {
    return FindWindowExW({}, {}, className, windowName);
}

WindowHandle SimWindows::FindWindowExW(WindowHandle parent, WindowHandle childAfter,
                                       const char16_t* className, const char16_t* windowName) {
    const auto& children = ChildrenOf(parent);
    auto it = children.begin();
    if (childAfter) {
        it = std::find(children.begin(), children.end(), childAfter);
        if (it == children.end()) {
            return {};
        }
        ++it;
    }
    for (; it != children.end(); ++it) {
        if (Matches(*it, className, windowName)) {
            return *it;
        }
    }
    return {};
}

bool SimWindows::EnumDescendants(WindowHandle parent,
                                 const std::function<bool(WindowHandle)>& callback) {
    const SimWindow* window = Find(parent);
    if (!window) {
        return true;
    }
    for (const WindowHandle child : std::vector(window->children)) {
        if (!callback(child) || !EnumDescendants(child, callback)) {
            return false;
        }
    }
    return true;
}

bool SimWindows::EnumChildWindows(WindowHandle parent,
                                  const std::function<bool(WindowHandle)>& callback) {
    if (!parent) {
        // Without a parent the top-level windows are enumerated, as EnumWindows does.
        for (const WindowHandle window : std::vector(topLevel_)) {
            if (!callback(window)) {
                break;
            }
        }
        return true;
    }
    if (!Find(parent)) {
        return false;
    }
    EnumDescendants(parent, callback);
    return true;
}

std::u16string SimWindows::GetWindowTextW(WindowHandle window) {
    const SimWindow* found = Find(window);
    if (!found) {
        return {};
    }
    return found->title.substr(0, kWindowTextCapacity - 1);
}

std::u16string SimWindows::GetClassNameW(WindowHandle window) {
    if (window == kDesktop) {
        return kDesktopClass;
    }
    const SimWindow* found = Find(window);
    if (!found) {
        return {};
    }
    return found->className.substr(0, kClassNameCapacity - 1);
}

std::int32_t SimWindows::GetWindowLongW(WindowHandle window, std::int32_t index) {
    const SimWindow* found = Find(window);
    if (!found || index != kGwlStyle) {
        return 0;
    }
    return static_cast<std::int32_t>(found->style);
}

bool SimWindows::GetWindowRect(WindowHandle window, Rect& rect) {
    const SimWindow* found = Find(window);
    if (!found) {
        return false;
    }
    rect = found->rect;
    return true;
}

std::int32_t SimWindows::GetSystemMetrics(std::int32_t index) {
    const auto it = metrics_.find(index);
    return it == metrics_.end() ? 0 : it->second;
}

}  // namespace q5::sim
