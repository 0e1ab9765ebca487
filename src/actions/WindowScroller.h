/*
 * Horizontal scrolling and zoom of the window under the cursor. Many
 * applications ignore a plain WM_HSCROLL or keep their scroll bars in child
 * controls, so the scroll is delivered in one of four ways chosen from the
 * class of the window under the cursor (see ScrollTreatment): WM_HSCROLL to
 * the parent of the scroll bar found, clicks on that scroll bar's arrow,
 * arrow keys for web browsers, or the document's script for Internet
 * Explorer and a plain WM_HSCROLL for everything else.
 */
#pragma once

#include <string>

#include "actions/ScrollActions.h"
#include "actions/ScrollTreatment.h"
#include "platform/Platform.h"

namespace q5 {

class WindowScroller final : public ScrollActions {
public:
    // Synchronous deliveries give up on a hung window after this long.
    static constexpr std::uint32_t kSendTimeoutMs = 1000;
    // A script scroll moves the document this many pixels.
    static constexpr std::int32_t kScriptScrollPixels = 10;

    explicit WindowScroller(Platform platform) : platform_(platform) {}

    void ScrollHorizontally(int count) override;
    void ZoomIn() override;
    void ZoomOut() override;

    // Scrolls the Internet Explorer document under the cursor by 10 pixels.
    void ScrollDocumentByScript(bool left);

private:
    struct Scroll {
        WindowHandle underCursor;
        std::u16string className;
        WindowHandle target;
        bool left = false;
        int lines = 0;
    };

    void ScrollByParentMessages(const Scroll& scroll);
    void ScrollByArrowClick(const Scroll& scroll, Point cursor);
    void ScrollByBrowserKeys(const Scroll& scroll);
    void ScrollGeneric(const Scroll& scroll);
    void Zoom(bool in);
    // WM_HSCROLL delivered synchronously, bounded by the time-out.
    void SendHorizontalScroll(WindowHandle window, std::uintptr_t request);
    void Debug(std::u16string_view text) { platform_.debug.OutputDebugStringW(text); }

    Platform platform_;
};

}  // namespace q5
