#include <gtest/gtest.h>

#include "ui/HoverTracking.h"

namespace q5 {
namespace {

MouseMoveFacts OverActiveWindow() {
    MouseMoveFacts facts;
    facts.applicationActive = true;
    facts.hasOwnerOrParent = true;
    return facts;
}

TEST(HoverTracking, FirstMoveOverTheButtonStartsHovering) {
    const MouseMoveActions actions = DecideMouseMove(OverActiveWindow());
    EXPECT_EQ((MouseMoveActions{true, false, false, true, true}), actions);
}

TEST(HoverTracking, DraggedInWithTheButtonDownDoesNothing) {
    MouseMoveFacts facts = OverActiveWindow();
    facts.leftButtonDown = true;
    EXPECT_EQ(MouseMoveActions{}, DecideMouseMove(facts));
}

TEST(HoverTracking, InactiveApplicationDoesNotHighlight) {
    MouseMoveFacts facts = OverActiveWindow();
    facts.applicationActive = false;
    const MouseMoveActions actions = DecideMouseMove(facts);
    EXPECT_FALSE(actions.startHovering);
    EXPECT_TRUE(actions.forwardToParent);
}

TEST(HoverTracking, LeavingEndsHoveringAndReleasesTheCapture) {
    MouseMoveFacts facts = OverActiveWindow();
    facts.hovering = true;
    facts.holdsCapture = true;
    facts.pointerOverOtherWindow = true;
    EXPECT_EQ((MouseMoveActions{false, true, true, true, true}), DecideMouseMove(facts));
}

TEST(HoverTracking, LeavingWithTheButtonHeldKeepsTheCapture) {
    MouseMoveFacts facts = OverActiveWindow();
    facts.hovering = true;
    facts.holdsCapture = true;
    facts.leftButtonDown = true;
    facts.pointerOverOtherWindow = true;
    const MouseMoveActions actions = DecideMouseMove(facts);
    EXPECT_TRUE(actions.stopHovering);
    EXPECT_FALSE(actions.releaseCapture);
}

TEST(HoverTracking, MovingInsideWhileCapturedKeepsHovering) {
    MouseMoveFacts facts = OverActiveWindow();
    facts.hovering = true;
    facts.holdsCapture = true;
    EXPECT_EQ((MouseMoveActions{false, false, false, true, true}), DecideMouseMove(facts));
}

}  // namespace
}  // namespace q5
