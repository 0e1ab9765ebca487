#include "model/GestureDispatcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/sim/SimPlatform.h"

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Records the code of every record handed over, and the record itself.
class RecordingPerformer final : public ActionPerformer {
public:
    void ExecuteAction(const ActionRecord& record) override {
        codes.push_back(record.codeByte());
        records.push_back(record);
    }
    std::vector<int> codes;
    std::vector<ActionRecord> records;
};

class GestureDispatcherTest : public ::testing::Test {
protected:
    GestureDispatcherTest() { desktop.clock.SetTick(500000); }

    void After(std::uint32_t ms, std::uint32_t eventCode) {
        desktop.clock.Advance(ms);
        dispatcher.OnDeviceEvent(eventCode);
    }

    sim::SimPlatform desktop;
    ButtonSetting active = ButtonSetting::Factory();
    RecordingPerformer performer;
    GestureDispatcher dispatcher{desktop.clock, active, performer};
};

TEST_F(GestureDispatcherTest, EveryListedEventPerformsItsSlot) {
    const std::uint32_t events[] = {0x00008001, 0x00008002, 0x00008004, 0x00000101, 0x000001FF,
                                    0x8000720C, 0x80002A09, 0x80001008, 0x8000100A, 0x80000008,
                                    0x80000708, 0x00008008, 0x00008010};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        active.slot(slot).setCode(ActionCode::KeyDisabled);
        active.slot(slot).setMacroNumber(static_cast<std::uint8_t>(slot));
    }
    for (std::uint32_t event : events) {
        After(100, event);
    }
    ASSERT_EQ(performer.records.size(), 13u);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(performer.records[static_cast<std::size_t>(slot)].macroNumber(), slot)
            << "event " << std::hex << events[slot];
    }
}

TEST_F(GestureDispatcherTest, EventsWithoutSlotOrUnknownPerformNothing) {
    for (std::uint32_t event : {0x00000201u, 0x000002FFu, 0x400001A2u, 0x50005608u, 0x50005708u,
                                0x80007209u, 0u, 0x00000003u, 0x80000001u, 0xFFFFFFFFu}) {
        After(100, event);
    }
    EXPECT_THAT(performer.codes, IsEmpty());
}

TEST_F(GestureDispatcherTest, WheelWithinTenMillisecondsOfTheMarkZooms) {
    After(0, kEventTimeMark);
    After(5, kEventWheelUp);
    EXPECT_THAT(performer.codes, ElementsAre(35));
    // The zoom record carries only its code.
    EXPECT_EQ(performer.records[0], ActionRecord::WithCode(ActionCode::Win8ZoomIn));
}

TEST_F(GestureDispatcherTest, WheelElevenMillisecondsAfterTheMarkScrolls) {
    After(0, kEventTimeMark);
    After(11, kEventWheelUp);
    EXPECT_THAT(performer.codes, ElementsAre(9));
}

TEST_F(GestureDispatcherTest, TenMillisecondsExactlyStillZooms) {
    After(0, kEventTimeMark);
    After(10, kEventWheelDown);
    EXPECT_THAT(performer.codes, ElementsAre(36));
}

TEST_F(GestureDispatcherTest, OneMarkTurnsEveryWheelEventWithinTheWindowIntoZoom) {
    After(0, kEventTimeMark);
    After(3, kEventWheelDown);
    After(5, kEventWheelDown);
    After(3, kEventWheelDown);
    EXPECT_THAT(performer.codes, ElementsAre(36, 36, 10));
}

TEST_F(GestureDispatcherTest, BeforeAnyMarkTheWheelScrolls) {
    After(0, kEventWheelUp);
    EXPECT_THAT(performer.codes, ElementsAre(9));
    EXPECT_EQ(dispatcher.timeMark(), 0u);
}

TEST_F(GestureDispatcherTest, DistanceIsTakenWithoutWrapAround) {
    // A mark just below the wrap and a wheel event just after it are far apart
    // by the larger-minus-smaller rule, so the wheel scrolls.
    desktop.clock.SetTick(0xFFFFFFFC);
    dispatcher.OnDeviceEvent(kEventTimeMark);
    After(6, kEventWheelUp);  // tick 2
    EXPECT_THAT(performer.codes, ElementsAre(9));
}

TEST_F(GestureDispatcherTest, AMarkLaterThanTheTickStillCountsByDistance) {
    After(0, kEventTimeMark);
    desktop.clock.SetTick(dispatcher.timeMark() - 4);
    dispatcher.OnDeviceEvent(kEventWheelUp);
    EXPECT_THAT(performer.codes, ElementsAre(35));
}

TEST_F(GestureDispatcherTest, OnlyTheWheelEventsReadTheMark) {
    After(0, kEventTimeMark);
    After(2, 0x00008001);
    After(2, 0x80000008);
    EXPECT_THAT(performer.codes, ElementsAre(1, 33));
}

TEST_F(GestureDispatcherTest, TheActiveCopyIsPerformedNotTheWorkingCopy) {
    ButtonSetting working = active;
    working.slot(5).setCode(ActionCode::Copy);
    After(0, 0x8000720C);
    EXPECT_THAT(performer.codes, ElementsAre(37));

    active = working;
    After(0, 0x8000720C);
    EXPECT_THAT(performer.codes, ElementsAre(37, 65));
}

TEST_F(GestureDispatcherTest, WholeRecordOfTheSlotIsHandedOver) {
    active.slot(11).setCode(ActionCode::RunProgram);
    active.slot(11).setPath(u"notepad.exe");
    After(0, 0x00008008);
    ASSERT_EQ(performer.records.size(), 1u);
    EXPECT_EQ(performer.records[0], active.slot(11));
}

TEST(GestureOfEvent, TranslatesTheDriverCodes) {
    EXPECT_EQ(GestureOfEvent(0x00000201), 17);
    EXPECT_EQ(GestureOfEvent(0x000002FF), 16);
    EXPECT_EQ(GestureOfEvent(0x400001A2), 8);
    EXPECT_EQ(GestureOfEvent(0x50005608), 36);
    EXPECT_EQ(GestureOfEvent(0x50005708), 35);
    EXPECT_EQ(GestureOfEvent(0x80007209), 164);
    EXPECT_EQ(GestureOfEvent(0x80000001), std::nullopt);
    EXPECT_EQ(GestureOfEvent(0x00008003), std::nullopt);
}

TEST(EventOfSlot, GivesTheDriverCodeOfEverySlot) {
    const std::uint32_t expected[kSlotCount] = {
        0x00008001, 0x00008002, 0x00008004, 0x00000101, 0x000001FF, 0x8000720C, 0x80002A09,
        0x80001008, 0x8000100A, 0x80000008, 0x80000708, 0x00008008, 0x00008010};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(EventOfSlot(slot), expected[slot]) << "slot " << slot;
    }
    EXPECT_EQ(EventOfSlot(-1), std::nullopt);
    EXPECT_EQ(EventOfSlot(kSlotCount), std::nullopt);
}

TEST_F(GestureDispatcherTest, TheEventOfEverySlotPerformsThatSlot) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        active.slot(slot).setCode(static_cast<ActionCode>(200 + slot));
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        After(20, *EventOfSlot(slot));
    }
    EXPECT_THAT(performer.codes,
                ElementsAre(200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212));
}

}  // namespace
}  // namespace q5
