#include "actions/CFindScrollBar.h"

namespace q5 {
namespace {

constexpr std::u16string_view kScrollBar = u"ScrollBar";
constexpr std::u16string_view kNuiScrollBar = u"NUIScrollbar";
constexpr std::u16string_view kDesktopIcons = u"SysListView32";
constexpr std::u16string_view kProgman = u"Progman";
constexpr std::u16string_view kBrowserDocument = u"Internet Explorer_Server";
constexpr std::u16string_view kFirefox = u"MozillaWindowClass";
constexpr std::u16string_view kDirectUi = u"DirectUIHWND";
constexpr std::u16string_view kAcrobatScrollBar = u"AVL_AVScrollBar";
constexpr std::u16string_view kMfcWindow70 = u"AfxWnd70";
constexpr std::u16string_view kMfcWindow42 = u"AfxWnd42";
constexpr std::u16string_view kProjectPane = u"paneClassDC";
constexpr std::u16string_view kVisioDrawing = u"VISIOG";

std::uint32_t Style(WindowSystem& windows, WindowHandle window) {
    return static_cast<std::uint32_t>(windows.GetWindowLongW(window, kGwlStyle));
}

}  // namespace

bool IsScrollBarClass(std::u16string_view className) {
    return className == kScrollBar || className == kNuiScrollBar;
}

bool CFindScrollBar::HasClass(WindowHandle window, std::u16string_view className) {
    return windows_.GetClassNameW(window) == className;
}

WindowHandle CFindScrollBar::FindHorizontalScrollBar(WindowHandle window) {
    if (!IsScrollCandidate(window)) {
        return {};
    }
    Point point = cursor_;
    windows_.ScreenToClient(window, point);
    WindowHandle child = windows_.ChildWindowFromPoint(window, point);
    if (!child) {
        child = window;
    }
    const std::u16string className = windows_.GetClassNameW(child);
    WindowHandle found = QualifiesAsHorizontal(child) ? child : WindowHandle{};
    if (className == kFirefox) {
        found = windows_.GetParent(child);
    }
    if (className == kDirectUi) {
        const WindowHandle first = windows_.FindWindowExW(child, {}, nullptr, nullptr);
        if (!found) {
            found = SearchChildren(first);
        }
        const WindowHandle second = windows_.FindWindowExW(child, first, nullptr, nullptr);
        if (!found) {
            found = SearchChildren(second);
        }
    }
    if (className != kScrollBar) {
        if (found) {
            return found;
        }
        if ((found = SearchChildren(child))) {
            return found;
        }
        found = SearchSiblings(child);
    }
    if (found) {
        return found;
    }
    if (className == kProjectPane || className == kVisioDrawing) {
        return EnumerateForScrollBar(child);
    }
    return {};
}

WindowHandle CFindScrollBar::EnumerateForScrollBar(WindowHandle window) {
    Rect reference;
    windows_.GetWindowRect(window, reference);
    WindowHandle found;
    windows_.EnumChildWindows(windows_.GetParent(window), [&](WindowHandle candidate) {
        if (!IsScrollBarClass(windows_.GetClassNameW(candidate)) ||
            !QualifiesAsHorizontal(candidate)) {
            return true;
        }
        Rect rect;
        windows_.GetWindowRect(candidate, rect);
        if (reference.left - rect.left > kEdgeTolerance ||
            rect.right - reference.right > kEdgeTolerance) {
            return true;
        }
        found = candidate;
        return false;
    });
    return found;
}

bool CFindScrollBar::IsScrollCandidate(WindowHandle window) {
    if (HasClass(window, kDesktopIcons) && IsUnderProgman(window)) {
        return false;
    }
    return window && window != windows_.GetDesktopWindow();
}

bool CFindScrollBar::IsUnderProgman(WindowHandle window) {
    for (WindowHandle ancestor = windows_.GetParent(window); ancestor;
         ancestor = windows_.GetParent(ancestor)) {
        if (HasClass(ancestor, kProgman)) {
            return true;
        }
    }
    return false;
}

bool CFindScrollBar::QualifiesAsHorizontal(WindowHandle window) {
    const std::u16string className = windows_.GetClassNameW(window);
    if (className == kBrowserDocument) {
        return true;
    }
    if (!IsScrollBarClass(className)) {
        return (Style(windows_, window) & kWsHScroll) != 0;
    }
    Rect rect;
    if (!windows_.GetWindowRect(window, rect)) {
        return false;
    }
    return rect.right - rect.left > rect.bottom - rect.top && cursor_.x < rect.right;
}

WindowHandle CFindScrollBar::SearchChildren(WindowHandle window) {
    if (!window) {
        return {};
    }
    const WindowHandle first = windows_.GetWindow(window, kGwChild);
    if (!first) {
        return {};
    }
    return QualifiesAsHorizontal(first) ? first : SearchSiblings(first);
}

WindowHandle CFindScrollBar::AcrobatScrollBar(WindowHandle window, std::u16string& className) {
    if (className != kAcrobatScrollBar) {
        return {};
    }
    const WindowHandle child = windows_.GetWindow(window, kGwChild);
    if (!child) {
        return {};
    }
    className = windows_.GetClassNameW(child);
    if (className == kScrollBar && (Style(windows_, child) & (kSbsVert | kSbsSizeBox)) == 0) {
        return child;
    }
    return {};
}

WindowHandle CFindScrollBar::SearchSiblings(WindowHandle window) {
    if (!window) {
        return {};
    }
    for (WindowHandle sibling = windows_.GetWindow(window, kGwHwndNext); sibling;
         sibling = windows_.GetWindow(sibling, kGwHwndNext)) {
        std::u16string className = windows_.GetClassNameW(sibling);
        if (const WindowHandle bar = AcrobatScrollBar(sibling, className)) {
            return bar;
        }
        if (IsScrollBarClass(className) && QualifiesAsHorizontal(sibling)) {
            return sibling;
        }
    }
    for (WindowHandle sibling = windows_.GetWindow(window, kGwHwndPrev); sibling;
         sibling = windows_.GetWindow(sibling, kGwHwndPrev)) {
        std::u16string className = windows_.GetClassNameW(sibling);
        if (const WindowHandle bar = AcrobatScrollBar(sibling, className)) {
            return bar;
        }
        if (IsScrollBarClass(className) && QualifiesAsHorizontal(sibling)) {
            return sibling;
        }
        if (className == kMfcWindow70 || className == kMfcWindow42) {
            if (const WindowHandle bar = SearchChildren(sibling)) {
                return bar;
            }
        }
    }
    return {};
}

}  // namespace q5
