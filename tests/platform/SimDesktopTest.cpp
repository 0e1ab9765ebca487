#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/TextFormat.h"
#include "platform/sim/SimPlatform.h"

namespace q5::sim {
namespace {

using ::testing::ElementsAre;

TEST(SimInput, KeepsTheStateThatEventsLeaveBehind) {
    SimPlatform desktop;
    desktop.input.KeybdEvent(0x11, 0x1D, 0, 0);
    desktop.input.KeybdEvent('A', 0x1E, 0, 0);
    EXPECT_TRUE(desktop.input.IsDown(0x11));
    EXPECT_TRUE(desktop.input.IsDown('A'));
    desktop.input.KeybdEvent('A', 0x1E, kKeyEventKeyUp, 0);
    desktop.input.KeybdEvent(0x11, 0x1D, kKeyEventKeyUp | kKeyEventExtendedKey, 0);
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST(SimInput, TracksMouseButtonsIncludingXButtons) {
    SimPlatform desktop;
    desktop.input.MouseEvent(kMouseEventLeftDown | kMouseEventRightDown, 0, 0, 0, 0);
    EXPECT_TRUE(desktop.input.IsDown(kStateLButton));
    EXPECT_TRUE(desktop.input.IsDown(kStateRButton));
    desktop.input.MouseEvent(kMouseEventXDown, 0, 0, kXButton2, 0);
    EXPECT_TRUE(desktop.input.IsDown(kStateXButton2));
    EXPECT_FALSE(desktop.input.IsDown(kStateXButton1));
    desktop.input.MouseEvent(kMouseEventLeftUp | kMouseEventRightUp, 0, 0, 0, 0);
    desktop.input.MouseEvent(kMouseEventXUp, 0, 0, kXButton2, 0);
    desktop.input.MouseEvent(kMouseEventWheel, 0, 0, -120, 0);
    EXPECT_FALSE(desktop.input.AnythingDown());
}

TEST(SimInput, AnActionRunsOnceRightAfterItsCountOfEvents) {
    SimPlatform desktop;
    std::vector<std::size_t> seenAt;
    const auto note = [&] { seenAt.push_back(desktop.journal.Lines().size()); };
    desktop.input.AfterEvents(3, note);
    desktop.input.KeybdEvent('A', 0, 0, 0);
    desktop.input.MouseEvent(kMouseEventLeftDown, 0, 0, 0, 0);
    EXPECT_THAT(seenAt, ::testing::IsEmpty());
    desktop.input.KeybdEvent('A', 0, kKeyEventKeyUp, 0);
    desktop.input.KeybdEvent('B', 0, 0, 0);
    EXPECT_THAT(seenAt, ElementsAre(3u));

    // An action may ask for the next; a new one replaces one still waiting,
    // and an empty one or a count of 0 cancels.
    desktop.input.AfterEvents(1, [&] {
        note();
        desktop.input.AfterEvents(2, note);
    });
    desktop.input.KeybdEvent('B', 0, kKeyEventKeyUp, 0);
    desktop.input.KeybdEvent('C', 0, 0, 0);
    desktop.input.KeybdEvent('C', 0, kKeyEventKeyUp, 0);
    EXPECT_THAT(seenAt, ElementsAre(3u, 5u, 7u));
    desktop.input.AfterEvents(1, note);
    desktop.input.AfterEvents(1, nullptr);
    desktop.input.KeybdEvent('D', 0, 0, 0);
    desktop.input.AfterEvents(0, note);
    desktop.input.KeybdEvent('D', 0, kKeyEventKeyUp, 0);
    EXPECT_EQ(seenAt.size(), 3u);
}

TEST(SimInput, RecordsEveryCallInOrderWithWaits) {
    SimPlatform desktop;
    desktop.input.KeybdEvent(0x41, 0x1E, 0, 7);
    desktop.clock.Sleep(50);
    desktop.input.MouseEvent(kMouseEventWheel, -3, 4, -120, 0);
    desktop.journal.Note("a comment");
    EXPECT_THAT(desktop.journal.AllLines(),
                ElementsAre("key 0x41 0x1e 0", "wait 50", "mouse 0x0800 -3 4 -120", "# a comment"));
    EXPECT_THAT(desktop.journal.Lines(),
                ElementsAre("key 0x41 0x1e 0", "wait 50", "mouse 0x0800 -3 4 -120"));
}

TEST(SimClock, WaitsAdvanceTheTickAndWrap) {
    SimPlatform desktop;
    desktop.clock.SetTick(0xFFFFFFF0);
    desktop.clock.Sleep(0x20);
    EXPECT_EQ(desktop.clock.GetTickCount(), 0x10u);
    desktop.clock.Advance(5);
    EXPECT_EQ(desktop.clock.GetTickCount(), 0x15u);
    EXPECT_THAT(desktop.journal.Lines(), ElementsAre("wait 32"));
}

TEST(SimKeyboardLayout, MapsAsAUnitedStatesKeyboard) {
    SimPlatform desktop;
    Input& input = desktop.input;
    EXPECT_EQ(input.MapVirtualKeyW('A', kMapVkToVsc), 0x1Eu);
    EXPECT_EQ(input.MapVirtualKeyW('1', kMapVkToVsc), 0x02u);
    EXPECT_EQ(input.MapVirtualKeyW(0x11, kMapVkToVsc), 0x1Du);
    EXPECT_EQ(input.MapVirtualKeyW(0xA3, kMapVkToVsc), 0x1Du);
    EXPECT_EQ(input.MapVirtualKeyW(0xA1, kMapVkToVsc), 0x36u);
    EXPECT_EQ(input.MapVirtualKeyW(0x2E, kMapVkToVsc), 0x53u);  // Delete, without E0
    EXPECT_EQ(input.MapVirtualKeyW(0x86, kMapVkToVsc), 0x6Eu);  // F23
    EXPECT_EQ(input.MapVirtualKeyW(0x1D, kMapVscToVk), 0x11u);
    EXPECT_EQ(input.MapVirtualKeyW(0x2A, kMapVscToVk), 0x10u);
    EXPECT_EQ(input.MapVirtualKeyW(0xBA, kMapVkToChar), static_cast<std::uint32_t>(';'));
    EXPECT_EQ(input.MapVirtualKeyW('Q', kMapVkToChar), static_cast<std::uint32_t>('Q'));
    EXPECT_EQ(input.MapVirtualKeyW(0x70, kMapVkToChar), 0u);
    EXPECT_EQ(input.MapVirtualKeyW(0xFF, kMapVkToVsc), 0u);
    EXPECT_EQ(input.MapVirtualKeyW(0x1E, 9), 0u);
    EXPECT_EQ(input.MapVirtualKeyW(0x11E, kMapVscToVk), 0u);
}

TEST(StringPrintf, FormatsAnyLength) {
    EXPECT_EQ(StringPrintf("%s-%04x", "ab", 0x2a), "ab-002a");
    EXPECT_EQ(StringPrintf("%s", std::string(1000, 'x').c_str()).size(), 1000u);
    EXPECT_EQ(StringPrintf("%s", ""), "");
}

}  // namespace
}  // namespace q5::sim

namespace q5::sim {
namespace {

TEST(SimClock, ScheduledActionsRunWhenTheirMomentPasses) {
    SimPlatform desktop;
    desktop.clock.SetTick(1000);
    std::vector<std::uint32_t> ticks;
    desktop.clock.After(30, [&] { ticks.push_back(desktop.clock.GetTickCount()); });
    desktop.clock.After(10, [&] { ticks.push_back(desktop.clock.GetTickCount()); });
    desktop.clock.After(10, [&] { ticks.push_back(desktop.clock.GetTickCount() + 1); });
    desktop.clock.Sleep(5);
    EXPECT_TRUE(ticks.empty());
    desktop.clock.Sleep(50);
    EXPECT_THAT(ticks, ElementsAre(1010u, 1011u, 1030u));
    EXPECT_EQ(desktop.clock.GetTickCount(), 1055u);
    EXPECT_THAT(desktop.journal.Lines(), ElementsAre("wait 5", "wait 50"));
}

TEST(SimClock, ActionsMayScheduleFurtherActions) {
    SimPlatform desktop;
    int runs = 0;
    desktop.clock.After(1, [&] {
        ++runs;
        desktop.clock.After(1, [&] { ++runs; });
    });
    desktop.clock.Advance(2);
    EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace q5::sim
