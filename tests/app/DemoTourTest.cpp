#include "app/DemoTour.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "platform/sim/SimPlatform.h"
#include "ui/SkinLayout.h"

namespace q5 {
namespace {

bool Inside(Point p, const Rect& r) {
    return p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom;
}

TEST(DemoTour, ClicksLandInsideTheirControlsAndNowhereElse) {
    EXPECT_TRUE(Inside(SlotButtonPoint(kTourSlot), skin::kMainSlotButtons[kTourSlot]));
    EXPECT_TRUE(Inside(FunctionButtonPoint(), skin::kMainFunctionButton));
    EXPECT_TRUE(Inside(ApplyButtonPoint(), skin::kMainApplyButton));
    for (std::size_t i = 0; i < skin::kMainSlotButtons.size(); ++i) {
        if (static_cast<int>(i) != kTourSlot) {
            EXPECT_FALSE(Inside(SlotButtonPoint(kTourSlot), skin::kMainSlotButtons[i])) << i;
        }
    }
    EXPECT_FALSE(Inside(ApplyButtonPoint(), skin::kMainResetButton));
    EXPECT_TRUE(Inside(NextPageButtonPoint(), skin::kMainPageRightButton));
    EXPECT_TRUE(Inside(PreviousPageButtonPoint(), skin::kMainPageLeftButton));
    EXPECT_FALSE(Inside(NextPageButtonPoint(), skin::kMainPanel));
    EXPECT_FALSE(Inside(PreviousPageButtonPoint(), skin::kMainPanel));
    EXPECT_EQ(CenterOf({10, 20, 31, 41}), (Point{20, 30}));
}

TEST(DemoTour, FiresTheDriverEventOfTheTwoFingersUpGesture) {
    EXPECT_EQ(TourGestureEvent(), 0x80000008u);
}

TEST(DemoTour, StepsInOrderWithDistinctScreenshots) {
    const auto& steps = TourSteps();
    ASSERT_EQ(steps.size(), 10u);
    std::set<std::string_view> shots;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(steps[i].step), i);
        if (!steps[i].screenshot.empty()) {
            EXPECT_TRUE(shots.insert(steps[i].screenshot).second) << steps[i].screenshot;
        }
    }
    EXPECT_EQ(shots.size(), 9u);
}

TEST(DemoTour, DescribesWhatTheHookSaw) {
    sim::SimPlatform desktop;
    EXPECT_EQ(DescribeHookedKey(desktop.input, 0x11, 0x00), "key 0x11 Ctrl down");
    EXPECT_EQ(DescribeHookedKey(desktop.input, 0x43, 0x81), "key 0x43 C up extended");
    EXPECT_EQ(DescribeHookedKey(desktop.input, 0x5b, 0x11), "key 0x5b LWin down extended injected");
    EXPECT_EQ(DescribeHookedKey(desktop.input, 0x00, 0x80), "key 0x00 up");
    EXPECT_EQ(DescribeHookedMouse(0x20a, 0x00780000), "mouse 0x020a data 0x00780000");
}

}  // namespace
}  // namespace q5
