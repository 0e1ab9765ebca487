#include "actions/WindowScroller.h"

#include <cstdlib>

#include "actions/CFindScrollBar.h"
#include "actions/InputSequences.h"
#include "platform/VirtualKeys.h"

namespace q5 {
namespace {

constexpr std::u16string_view kDesktopIcons = u"SysListView32";
constexpr std::u16string_view kBrowserDocument = u"Internet Explorer_Server";

// Classes that zoom with Ctrl and the plus and minus keys rather than the
// Ctrl-wheel.
constexpr std::u16string_view kKeyZoomClasses[] = {u"MozillaWindowClass", u"AVL_AVView",
                                                   u"PSViewC"};

constexpr std::uint8_t kOemPlus = 0xBB;
constexpr std::uint8_t kOemMinus = 0xBD;

// The key data of the arrow keys posted to browsers: repeat count 1, the
// scan code, the extended-key bit, and for the release the previous-state
// and transition bits.
constexpr std::intptr_t kLeftDownData = 0x014B0001;
constexpr std::intptr_t kLeftUpData = 0xC14B0001;
constexpr std::intptr_t kRightDownData = 0x014D0001;
constexpr std::intptr_t kRightUpData = 0xC14D0001;

// The arrow of an "EXCEL7" scroll bar is clicked this far inside its corner.
constexpr std::int32_t kArrowInset = 5;

constexpr std::uint32_t kMouseAbsolute = 0x8000;

}  // namespace

void WindowScroller::ScrollHorizontally(int count) {
    if (count == 0) {
        return;
    }
    Point cursor;
    platform_.windows.GetCursorPos(cursor);
    Scroll scroll;
    scroll.underCursor = platform_.windows.WindowFromPoint(cursor);
    scroll.className = platform_.windows.GetClassNameW(scroll.underCursor);
    scroll.left = count > 0;
    scroll.lines = std::abs(count);
    Debug(u"ClassName:");
    Debug(scroll.className);

    CFindScrollBar finder(platform_.windows, cursor);
    if ((scroll.className == kDesktopIcons && finder.IsUnderProgman(scroll.underCursor)) ||
        scroll.underCursor == platform_.windows.GetDesktopWindow()) {
        return;
    }
    const ScrollTreatment treatment = ChooseScrollTreatment(scroll.className);
    if (treatment == ScrollTreatment::kBrowserKeys) {
        scroll.target = scroll.underCursor;
    } else {
        scroll.target = finder.FindHorizontalScrollBar(scroll.underCursor);
        if (!scroll.target) {
            Debug(u"No scroll bar found\n");
            return;
        }
    }
    switch (treatment) {
        case ScrollTreatment::kParentMessages:
            ScrollByParentMessages(scroll);
            break;
        case ScrollTreatment::kArrowClick:
            ScrollByArrowClick(scroll, cursor);
            break;
        case ScrollTreatment::kBrowserKeys:
            ScrollByBrowserKeys(scroll);
            break;
        case ScrollTreatment::kGeneric:
            ScrollGeneric(scroll);
            break;
    }
}

void WindowScroller::ScrollByParentMessages(const Scroll& scroll) {
    const WindowHandle parent = platform_.windows.GetParent(scroll.target);
    const std::uintptr_t request = scroll.left ? kSbLineLeft : kSbLineRight;
    for (int i = 0; i < scroll.lines; ++i) {
        platform_.messages.PostMessageW(parent, kWmHScroll, request,
                                        static_cast<std::intptr_t>(scroll.target.value));
    }
}

void WindowScroller::ScrollByArrowClick(const Scroll& scroll, Point cursor) {
    Rect bar;
    if (!platform_.windows.GetWindowRect(scroll.target, bar)) {
        return;
    }
    const Point arrow{scroll.left ? bar.left + kArrowInset : bar.right - kArrowInset,
                      bar.top + kArrowInset};
    platform_.windows.SetCursorPos(arrow.x, arrow.y);
    const bool swapped = platform_.windows.GetSystemMetrics(kSmSwapButton) != 0;
    const std::uint32_t down =
        kMouseAbsolute | (swapped ? kMouseEventRightDown : kMouseEventLeftDown);
    const std::uint32_t up = kMouseAbsolute | (swapped ? kMouseEventRightUp : kMouseEventLeftUp);
    for (int i = 0; i < scroll.lines; ++i) {
        platform_.input.MouseEvent(down, arrow.x, arrow.y, 0, 0);
        platform_.input.MouseEvent(up, arrow.x, arrow.y, 0, 0);
    }
    platform_.windows.SetCursorPos(cursor.x, cursor.y);
}

void WindowScroller::ScrollByBrowserKeys(const Scroll& scroll) {
    const std::uint8_t key = scroll.left ? vk::kLeft : vk::kRight;
    const std::intptr_t downData = scroll.left ? kLeftDownData : kRightDownData;
    const std::intptr_t upData = scroll.left ? kLeftUpData : kRightUpData;
    for (int i = 0; i < scroll.lines; ++i) {
        platform_.messages.PostMessageW(scroll.target, kWmKeyDown, key, downData);
        platform_.messages.PostMessageW(scroll.target, kWmKeyUp, key, upData);
    }
}

// The plain message goes to the window under the cursor, not to the window
// the search found.
void WindowScroller::ScrollGeneric(const Scroll& scroll) {
    const bool document = scroll.className == kBrowserDocument;
    for (int i = 0; i < scroll.lines; ++i) {
        if (document) {
            ScrollDocumentByScript(scroll.left);
        } else if (scroll.left) {
            platform_.messages.PostMessageW(scroll.underCursor, kWmHScroll, kSbLineLeft, 0);
        } else {
            SendHorizontalScroll(scroll.underCursor, kSbLineRight);
        }
    }
}

void WindowScroller::ScrollDocumentByScript(bool left) {
    Point cursor;
    platform_.windows.GetCursorPos(cursor);
    const WindowHandle window = platform_.windows.WindowFromPoint(cursor);
    if (platform_.windows.GetClassNameW(window) != kBrowserDocument) {
        return;
    }
    const DocumentScrollResult result =
        platform_.documents.ScrollBy(window, left ? -kScriptScrollPixels : kScriptScrollPixels, 0);
    if (result == DocumentScrollResult::kScrollFailed ||
        result == DocumentScrollResult::kNoScriptWindow) {
        SendHorizontalScroll(window, left ? kSbLineLeft : kSbLineRight);
    }
}

void WindowScroller::SendHorizontalScroll(WindowHandle window, std::uintptr_t request) {
    std::uintptr_t result = 0;
    platform_.messages.SendMessageTimeoutW(window, kWmHScroll, request, 0, kSmtoAbortIfHung,
                                           kSendTimeoutMs, result);
}

void WindowScroller::ZoomIn() {
    Zoom(true);
}

void WindowScroller::ZoomOut() {
    Zoom(false);
}

void WindowScroller::Zoom(bool in) {
    Point cursor;
    platform_.windows.GetCursorPos(cursor);
    const std::u16string className =
        platform_.windows.GetClassNameW(platform_.windows.WindowFromPoint(cursor));
    bool byKeys = false;
    for (const auto keyZoomClass : kKeyZoomClasses) {
        byKeys = byKeys || className == keyZoomClass;
    }
    PressKey(platform_.input, vk::kControl);
    if (byKeys) {
        TapKey(platform_.input, in ? kOemPlus : kOemMinus);
    } else {
        SendMouse(platform_.input, kMouseEventWheel, in ? kWheelDelta : -kWheelDelta);
    }
    ReleaseKey(platform_.input, vk::kControl);
}

}  // namespace q5
