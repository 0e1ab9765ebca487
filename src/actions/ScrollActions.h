/*
 * Horizontal scrolling and zoom of the window under the cursor.
 */
#pragma once

namespace q5 {

class ScrollActions {
public:
    virtual ~ScrollActions() = default;

    // A positive count scrolls left by `count` lines, a negative one right.
    virtual void ScrollHorizontally(int count) = 0;
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;
};

}  // namespace q5
