#include <gtest/gtest.h>

#include "device/DeviceEvent.h"
#include "device/DriverCommand.h"
#include "device/DriverProtocol.h"
#include "platform/sim/SimReceiver.h"
#include "platform/sim/SimThreads.h"

namespace q5::sim {
namespace {

class SimReceiverTest : public ::testing::Test {
protected:
    SimThreads threads;
    SimReceiver receiver{threads};
    KernelHandle semaphore = threads.CreateSemaphoreW(0, 3);

    KernelHandle Open() {
        return receiver.CreateFileW(kDriverDevicePath, kGenericRead | kGenericWrite, kFileShareRead,
                                    kOpenExisting, 0);
    }
    bool Send(KernelHandle device, const DriverCommand& command) {
        return receiver.DeviceIoControl(device, kIoctlSendCommand, command.bytes(), {}, nullptr);
    }
    std::optional<std::uint32_t> Fetch(KernelHandle device) {
        DeviceEvent event = DeviceEvent::ForFetch();
        std::uint32_t returned = 0;
        if (!receiver.DeviceIoControl(device, kIoctlFetchEvent, event.bytes(), event.bytes(),
                                      &returned)) {
            return std::nullopt;
        }
        EXPECT_EQ(returned, DeviceEvent::kSize);
        return event.eventCode();
    }
    KernelHandle OpenRegistered() {
        receiver.PlugIn();
        const KernelHandle device = Open();
        EXPECT_TRUE(
            Send(device, DriverCommand::Register(static_cast<std::uint32_t>(semaphore.value))));
        return device;
    }
};

TEST_F(SimReceiverTest, OpensOnlyWhilePluggedInAndOnlyItsPath) {
    EXPECT_FALSE(Open());
    receiver.PlugIn();
    EXPECT_TRUE(Open());
    EXPECT_FALSE(receiver.CreateFileW(u"\\\\.\\other", kGenericRead | kGenericWrite, kFileShareRead,
                                      kOpenExisting, 0));
    EXPECT_FALSE(
        receiver.CreateFileW(kDriverDevicePath, kGenericRead, kFileShareRead, kOpenExisting, 0));
}

TEST_F(SimReceiverTest, ReleasesTheRegisteredSemaphoreOncePerEvent) {
    EXPECT_FALSE(receiver.QueueEvent(1));  // nobody registered
    const KernelHandle device = OpenRegistered();
    EXPECT_TRUE(receiver.QueueEvent(0x80000008));
    EXPECT_TRUE(receiver.QueueEvent(0x101));
    EXPECT_EQ(threads.SemaphoreCount(semaphore), 2);
    EXPECT_EQ(Fetch(device), 0x80000008u);
    EXPECT_EQ(Fetch(device), 0x101u);
    EXPECT_FALSE(Fetch(device));
}

TEST_F(SimReceiverTest, FullSemaphoreRefusesTheEvent) {
    const KernelHandle device = OpenRegistered();
    for (std::uint32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(receiver.QueueEvent(i + 1));
    }
    EXPECT_FALSE(receiver.QueueEvent(4));
    EXPECT_EQ(receiver.queuedEvents(), 3u);
    EXPECT_EQ(Fetch(device), 1u);
}

TEST_F(SimReceiverTest, FetchKeepsTheRestOfTheBuffer) {
    const KernelHandle device = OpenRegistered();
    receiver.QueueEvent(0x80000708);
    DeviceEvent event = DeviceEvent::ForFetch();
    const DeviceEvent before = event;
    ASSERT_TRUE(
        receiver.DeviceIoControl(device, kIoctlFetchEvent, event.bytes(), event.bytes(), nullptr));
    EXPECT_EQ(event.name, before.name);
    EXPECT_EQ(event.eventCode(), 0x80000708u);
}

TEST_F(SimReceiverTest, RemembersAcceptedCommandsAndLogsEveryOne) {
    const KernelHandle device = OpenRegistered();
    EXPECT_TRUE(Send(device, DriverCommand::ButtonMask(0x181)));
    receiver.RefuseCommand(kCommandButtonMask);
    EXPECT_FALSE(Send(device, DriverCommand::ButtonMask(0x1FF)));
    KeyList::Entries keys{};
    keys[3] = 0x708;
    EXPECT_TRUE(Send(device, DriverCommand::KeyListCommand(keys)));

    EXPECT_EQ(receiver.buttonMask(), 0x181u);
    EXPECT_EQ(receiver.keyList(), keys);
    const auto log = receiver.Commands();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(FormatReceivedCommand(log[0].record), "command 1");
    EXPECT_EQ(FormatReceivedCommand(log[1].record), "command 20 mask=0x00000181");
    EXPECT_FALSE(log[2].accepted);
    EXPECT_EQ(log[2].record.mask(), 0x1FFu);
    EXPECT_TRUE(log[3].accepted);
}

TEST_F(SimReceiverTest, RefusesUnknownCommandsAndBadSizes) {
    const KernelHandle device = OpenRegistered();
    DriverCommand unknown = DriverCommand::ButtonMask(0);
    unknown.commandBytes = {7, 0, 0, 0};
    EXPECT_FALSE(Send(device, unknown));
    const std::uint8_t shortInput[10] = {};
    EXPECT_FALSE(receiver.DeviceIoControl(device, kIoctlSendCommand, shortInput, {}, nullptr));
    EXPECT_FALSE(receiver.DeviceIoControl(device, 0x222410, DriverCommand::ButtonMask(0).bytes(),
                                          {}, nullptr));
    EXPECT_FALSE(Send(device, DriverCommand::Register(0)));
}

TEST_F(SimReceiverTest, UnplugDropsQueueAndRegistrationAndStalesHandles) {
    const KernelHandle device = OpenRegistered();
    receiver.QueueEvent(5);
    receiver.Unplug();
    EXPECT_FALSE(receiver.registered());
    EXPECT_EQ(receiver.queuedEvents(), 0u);
    EXPECT_FALSE(receiver.QueueEvent(6));
    EXPECT_FALSE(Send(device, DriverCommand::ButtonMask(0)));

    receiver.PlugIn();
    EXPECT_FALSE(Send(device, DriverCommand::ButtonMask(0)));  // still the old handle
    const KernelHandle fresh = Open();
    EXPECT_TRUE(Send(fresh, DriverCommand::ButtonMask(0)));
    EXPECT_TRUE(receiver.CloseHandle(device));
    EXPECT_EQ(receiver.requestsOnClosedHandles(), 0u);
}

TEST_F(SimReceiverTest, ClosingTheRegisteringHandleEndsTheRegistration) {
    const KernelHandle device = OpenRegistered();
    const KernelHandle other = Open();
    EXPECT_TRUE(receiver.CloseHandle(other));
    EXPECT_TRUE(receiver.registered());
    EXPECT_TRUE(receiver.CloseHandle(device));
    EXPECT_FALSE(receiver.registered());
    EXPECT_FALSE(receiver.CloseHandle(device));
    EXPECT_FALSE(Fetch(device));
    EXPECT_EQ(receiver.requestsOnClosedHandles(), 1u);
}

TEST_F(SimReceiverTest, RefuseEverythingThenAcceptAgain) {
    const KernelHandle device = OpenRegistered();
    receiver.RefuseCommands();
    EXPECT_FALSE(Send(device, DriverCommand::ButtonMask(0x180)));
    receiver.AcceptEverything();
    EXPECT_TRUE(Send(device, DriverCommand::ButtonMask(0x180)));
}

TEST(SimReceiverFormat, KeyListLineAndHex) {
    KeyList::Entries keys{};
    keys[0] = 0x708;
    keys[23] = 0xABCDEF01;
    const DriverCommand command = DriverCommand::KeyListCommand(keys);
    std::string expected = "command 128 keys=00000708";
    for (int i = 1; i < 23; ++i) {
        expected += ",00000000";
    }
    expected += ",abcdef01";
    EXPECT_EQ(FormatReceivedCommand(command), expected);

    const std::string hex = FormatCommandBytes(command);
    ASSERT_EQ(hex.size(), 432u);
    EXPECT_EQ(hex.substr(0, 8), "80000000");
    EXPECT_EQ(hex.substr(2 * 56, 16), "0002000008070000");
    EXPECT_EQ(hex.substr(2 * 152, 8), "01efcdab");
    EXPECT_EQ(hex.substr(2 * 156, 10), "4b6f72766f");  // "Korvo"
}

}  // namespace
}  // namespace q5::sim
