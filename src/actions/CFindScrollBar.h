/*
 * The search for the window that is to receive horizontal scrolling for the
 * window under the cursor: a horizontal scroll-bar control near it, the
 * window itself when it has a horizontal scroll bar of its own, or, for a
 * few applications, a window found by their known layouts.
 *
 * One instance serves one horizontal scroll; it holds the cursor position
 * read at the start, which decides whether a scroll-bar control qualifies.
 */
#pragma once

#include <string_view>

#include "platform/Platform.h"

namespace q5 {

class CFindScrollBar {
public:
    // Scroll bars whose edges lie this far beyond those of the window they
    // belong to (or less) still count as that window's scroll bar.
    static constexpr std::int32_t kEdgeTolerance = 25;

    CFindScrollBar(WindowSystem& windows, Point cursor) : windows_(windows), cursor_(cursor) {}
    virtual ~CFindScrollBar() = default;

    // The window to scroll for `window`, or null.
    WindowHandle FindHorizontalScrollBar(WindowHandle window);

    // False for no window, the desktop window and the desktop's icon list.
    bool IsScrollCandidate(WindowHandle window);
    // Whether a "Progman" window is among the window's ancestors.
    bool IsUnderProgman(WindowHandle window);
    // Whether the window scrolls horizontally: a browser document, a window
    // with WS_HSCROLL, or a scroll-bar control lying flat that reaches right
    // of the cursor.
    bool QualifiesAsHorizontal(WindowHandle window);
    WindowHandle SearchChildren(WindowHandle window);
    WindowHandle SearchSiblings(WindowHandle window);

private:
    // A scroll bar among all descendants of the parent of `window` whose
    // edges keep within the tolerance of `window`'s rectangle.
    WindowHandle EnumerateForScrollBar(WindowHandle window);
    // The first child of an "AVL_AVScrollBar" window when it is a horizontal
    // scroll-bar control; `className` becomes the child's class when there
    // is a child.
    WindowHandle AcrobatScrollBar(WindowHandle window, std::u16string& className);
    bool HasClass(WindowHandle window, std::u16string_view className);

    WindowSystem& windows_;
    Point cursor_;
};

// Whether the class is one of the scroll-bar controls ("ScrollBar" or
// "NUIScrollbar").
bool IsScrollBarClass(std::u16string_view className);

}  // namespace q5
