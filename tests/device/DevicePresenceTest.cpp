#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "device/DeviceBroadcast.h"
#include "device/DevicePresence.h"
#include "model/ButtonSetting.h"

namespace q5 {
namespace {

using ::testing::Test;

std::vector<std::uint8_t> Arrival(std::u16string_view name) {
    return MakeInterfaceBroadcast(kUsbDeviceInterfaceClass, name);
}

constexpr std::u16string_view kReceiverPath =
    u"\\\\?\\USB#Vid_5A1C&Pid_1801#5&1a2b3c&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

class DevicePresenceTest : public Test, public ChannelFixture {
protected:
    ButtonSetting working = ButtonSetting::Factory();
    DevicePresence presence{sim.platform(), driver, kDialog, working};

    std::vector<std::string> PushOfFactory() const {
        std::vector<std::string> lines{"command 20 mask=0x00000000"};
        lines.insert(lines.end(), 6, KeysLine({}));
        lines.push_back("command 20 mask=0x00000180");
        return lines;
    }
};

TEST_F(DevicePresenceTest, FactoryAssignmentPushesAnEmptyKeyListAndTheBaseMask) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.ClearLog();
    EXPECT_TRUE(presence.PushConfiguration());
    EXPECT_EQ(ReceivedLines(sim.receiver), PushOfFactory());
}

TEST_F(DevicePresenceTest, ChangedSlotsSetTheirBitsAndKeys) {
    working.slot(0).setCode(ActionCode::RightClick);
    working.slot(10).setCode(ActionCode::Macro);
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.ClearLog();
    EXPECT_TRUE(presence.PushConfiguration());

    std::vector<std::string> expected{"command 20 mask=0x00000000"};
    expected.insert(expected.end(), 5, KeysLine({}));
    expected.push_back(KeysLine({0x708}));
    expected.push_back("command 20 mask=0x00000181");
    EXPECT_EQ(ReceivedLines(sim.receiver), expected);
    EXPECT_EQ(sim.receiver.Commands().back().record, DriverCommand::ButtonMask(0x181));
}

TEST_F(DevicePresenceTest, EveryChangedSlotHasItsBitOrKey) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        working.slot(slot).setCode(ActionCode::KeyDisabled);
    }
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.ClearLog();
    EXPECT_TRUE(presence.PushConfiguration());
    const auto lines = ReceivedLines(sim.receiver);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], KeysLine({0x720C}));
    EXPECT_EQ(lines[6], KeysLine({0x720C, 0x2A09, 0x1008, 0x100A, 0x0008, 0x0708}));
    EXPECT_EQ(lines[7], "command 20 mask=0x000001ff");
}

TEST_F(DevicePresenceTest, RestoringASlotRemovesItsKey) {
    working.slot(10).setCode(ActionCode::Macro);
    ASSERT_TRUE(driver.OpenDevice());
    presence.PushConfiguration();
    working.slot(10).setCode(ActionCode::ShowDesktop);
    sim.receiver.ClearLog();
    presence.PushConfiguration();

    // Slot 10 comes last, so the earlier lists still carry its key.
    std::vector<std::string> expected{"command 20 mask=0x00000000"};
    expected.insert(expected.end(), 5, KeysLine({0x708}));
    expected.push_back(KeysLine({}));
    expected.push_back("command 20 mask=0x00000180");
    EXPECT_EQ(ReceivedLines(sim.receiver), expected);
    EXPECT_EQ(sim.receiver.keyList(), KeyList::Entries{});
}

TEST_F(DevicePresenceTest, NoDeviceSendsNothingAndFails) {
    EXPECT_FALSE(presence.PushConfiguration());
    EXPECT_TRUE(sim.receiver.Commands().empty());
}

TEST_F(DevicePresenceTest, RefusedFirstMaskFailsThePushAndStopsIt) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.ClearLog();
    sim.receiver.RefuseCommand(kCommandButtonMask);
    EXPECT_FALSE(presence.PushConfiguration());
    EXPECT_EQ(ReceivedLines(sim.receiver),
              std::vector<std::string>{"command 20 mask=0x00000000 refused"});
}

TEST_F(DevicePresenceTest, RefusedKeyListsDoNotFailThePush) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.RefuseCommand(kCommandKeyList);
    EXPECT_TRUE(presence.PushConfiguration());
    EXPECT_EQ(sim.receiver.buttonMask(), 0x180u);
}

TEST_F(DevicePresenceTest, ConnectOpensAndPushes) {
    presence.Connect();
    auto expected = PushOfFactory();
    expected.insert(expected.begin(), "command 1");
    EXPECT_EQ(ReceivedLines(sim.receiver), expected);
    EXPECT_FALSE(presence.retrying());
    EXPECT_TRUE(sim.timers.Calls().empty());
}

TEST_F(DevicePresenceTest, ArrivalOfTheReceiverWaitsThenConnects) {
    sim.journal.Clear();
    EXPECT_EQ(presence.OnDeviceChange(kDbtDeviceArrival, Arrival(kReceiverPath)), 0);
    EXPECT_EQ(sim.journal.Lines(), std::vector<std::string>{"wait 200"});
    EXPECT_EQ(ReceivedLines(sim.receiver).size(), 9u);
    EXPECT_EQ(ReceivedLines(sim.receiver).front(), "command 1");
}

TEST_F(DevicePresenceTest, IdentityIsComparedWithoutRegardToCase) {
    presence.OnDeviceChange(kDbtDeviceArrival, Arrival(u"\\\\?\\usb#vid_5a1c&pid_1801#x"));
    EXPECT_TRUE(driver.IsDeviceOpen());
}

TEST_F(DevicePresenceTest, OtherDevicesAndOtherEventsAreIgnored) {
    sim.journal.Clear();
    presence.OnDeviceChange(kDbtDeviceArrival, Arrival(u"\\\\?\\USB#Vid_5A1C&Pid_2000#x"));
    presence.OnDeviceChange(kDbtDeviceRemoveComplete, Arrival(kReceiverPath));
    presence.OnDeviceChange(0x0007, {});  // DBT_DEVNODES_CHANGED carries no record
    auto volume = Arrival(kReceiverPath);
    volume[4] = 2;
    presence.OnDeviceChange(kDbtDeviceArrival, volume);
    EXPECT_TRUE(sim.receiver.Commands().empty());
    EXPECT_TRUE(sim.journal.Lines().empty());
}

TEST_F(DevicePresenceTest, RemovalLeavesTheChannelAsItIs) {
    presence.Connect();
    sim.receiver.Unplug();
    presence.OnDeviceChange(kDbtDeviceRemoveComplete, Arrival(kReceiverPath));
    EXPECT_TRUE(driver.IsDeviceOpen());
    EXPECT_FALSE(presence.PushConfiguration());  // the old handle no longer answers
}

TEST_F(DevicePresenceTest, ArrivalBeforeTheDriverIsReadyStartsTheRetryTimer) {
    sim.receiver.Unplug();
    presence.OnDeviceChange(kDbtDeviceArrival, Arrival(kReceiverPath));
    EXPECT_TRUE(presence.retrying());
    EXPECT_EQ(sim.timers.Period(kDialog, kRetryTimerId), 500u);

    presence.OnTimer(kRetryTimerId);  // still not there
    EXPECT_TRUE(sim.timers.IsRunning(kDialog, kRetryTimerId));
    EXPECT_TRUE(sim.receiver.Commands().empty());

    sim.receiver.PlugIn();
    presence.OnTimer(kRetryTimerId);
    EXPECT_FALSE(sim.timers.IsRunning(kDialog, kRetryTimerId));
    EXPECT_FALSE(presence.retrying());
    auto expected = PushOfFactory();
    expected.insert(expected.begin(), "command 1");
    EXPECT_EQ(ReceivedLines(sim.receiver), expected);

    const std::vector<sim::TimerCall> calls{{true, kDialog, kRetryTimerId, 500},
                                            {false, kDialog, kRetryTimerId, 0}};
    EXPECT_EQ(sim.timers.Calls(), calls);
}

TEST_F(DevicePresenceTest, OtherTimersDoNotOpen) {
    sim.receiver.Unplug();
    presence.Connect();
    sim.receiver.PlugIn();
    presence.OnTimer(66);
    EXPECT_FALSE(driver.IsDeviceOpen());
    EXPECT_TRUE(presence.retrying());
}

TEST_F(DevicePresenceTest, ArrivalWhileRetryingStopsTheTimer) {
    sim.receiver.Unplug();
    presence.Connect();
    sim.receiver.PlugIn();
    presence.OnDeviceChange(kDbtDeviceArrival, Arrival(kReceiverPath));
    EXPECT_TRUE(driver.IsDeviceOpen());
    EXPECT_FALSE(sim.timers.IsRunning(kDialog, kRetryTimerId));
}

TEST_F(DevicePresenceTest, ReplugRepeatsTheWholePushWithTheKeyList) {
    working.slot(7).setCode(ActionCode::Copy);
    presence.Connect();
    sim.receiver.Unplug();
    sim.receiver.PlugIn();
    sim.receiver.ClearLog();
    presence.OnDeviceChange(kDbtDeviceArrival, Arrival(kReceiverPath));
    const auto lines = ReceivedLines(sim.receiver);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "command 1");
    EXPECT_EQ(lines[1], "command 20 mask=0x00000000");
    for (int i = 2; i < 8; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], KeysLine({0x1008}));
    }
    EXPECT_EQ(lines[8], "command 20 mask=0x00000180");
}

TEST_F(DevicePresenceTest, RegistersTheDialogForUsbInterfaces) {
    EXPECT_TRUE(presence.RegisterForArrival());
    ASSERT_EQ(sim.notifications.Registrations().size(), 1u);
    const auto& registration = sim.notifications.Registrations()[0];
    EXPECT_EQ(registration.recipient, kDialog);
    EXPECT_EQ(registration.flags, 0u);
    // Size 32, device interface (5), reserved, GUID_DEVINTERFACE_USB_DEVICE,
    // an empty name.
    const std::vector<std::uint8_t> expected = {32,   0,    0,    0,    5,    0,    0,    0,
                                                0,    0,    0,    0,    0x10, 0xBF, 0xDC, 0xA5,
                                                0x30, 0x65, 0xD2, 0x11, 0x90, 0x1F, 0x00, 0xC0,
                                                0x4F, 0xB9, 0x51, 0xED, 0,    0,    0,    0};
    EXPECT_EQ(registration.filter, expected);
    EXPECT_TRUE(presence.notification());
}

TEST_F(DevicePresenceTest, FailedRegistrationIsReported) {
    sim.notifications.FailRegistrations(true);
    EXPECT_FALSE(presence.RegisterForArrival());
    EXPECT_FALSE(presence.notification());
}

}  // namespace
}  // namespace q5
