#include "ui/HoverTracking.h"

namespace q5 {

MouseMoveActions DecideMouseMove(const MouseMoveFacts& facts) {
    MouseMoveActions actions;
    // Dragged in with the button held down elsewhere: stay quiet.
    if (facts.leftButtonDown && !facts.hovering) {
        return actions;
    }
    if (!facts.holdsCapture && facts.applicationActive && facts.hasOwnerOrParent) {
        actions.startHovering = true;
    } else if (facts.pointerOverOtherWindow) {
        actions.stopHovering = facts.hovering;
        actions.releaseCapture = !facts.leftButtonDown;
    }
    actions.repaint = true;
    actions.forwardToParent = true;
    return actions;
}

}  // namespace q5
