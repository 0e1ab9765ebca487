/*
 * The skinned button's reaction to a mouse movement over it: whether it
 * starts or ends its hover look, takes or gives back the mouse capture, and
 * passes the movement on to its parent. The facts are gathered by the
 * Windows button; the decision lives here.
 */
#pragma once

namespace q5 {

struct MouseMoveFacts {
    bool leftButtonDown = false;
    bool hovering = false;
    bool holdsCapture = false;
    bool applicationActive = false;
    bool hasOwnerOrParent = false;
    // The window under the pointer is some other window.
    bool pointerOverOtherWindow = false;
};

struct MouseMoveActions {
    bool startHovering = false;  // set hovering and take the capture
    bool stopHovering = false;
    bool releaseCapture = false;
    bool repaint = false;
    bool forwardToParent = false;

    bool operator==(const MouseMoveActions&) const = default;
};

MouseMoveActions DecideMouseMove(const MouseMoveFacts& facts);

}  // namespace q5
