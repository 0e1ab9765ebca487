#include <gtest/gtest.h>

#include <chrono>

#include "DeviceTestSupport.h"

namespace q5 {
namespace {

using ::testing::Test;

class CUSBDriverTest : public Test, public ChannelFixture {};

TEST_F(CUSBDriverTest, StartCreatesSemaphoreThreadAndHiddenWindow) {
    EXPECT_EQ(sim.threads.SemaphoreCount(driver.semaphore()), 0);
    EXPECT_EQ(sim.threads.SemaphoreMaximum(driver.semaphore()), 8000);
    EXPECT_EQ(sim.threads.ThreadStackSizes(), std::vector<std::size_t>{4096});

    ASSERT_EQ(sim.windowCreation.Windows().size(), 1u);
    const sim::CreatedWindow& window = sim.windowCreation.Windows()[0];
    EXPECT_EQ(window.windowName, u"Korvotouchdriver");
    EXPECT_EQ(window.style, kWsPopup);
    EXPECT_EQ(window.exStyle, 0u);
    EXPECT_EQ(window.position, (Point{1, 1}));
    EXPECT_EQ(window.width, 1);
    EXPECT_EQ(window.height, 1);
    EXPECT_EQ(driver.hiddenWindow(), window.handle);
}

TEST_F(CUSBDriverTest, OpenRegistersTheSemaphore) {
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.IsDeviceOpen());
    EXPECT_EQ(ReceivedLines(sim.receiver), std::vector<std::string>{"command 1"});
    EXPECT_EQ(sim.receiver.Commands()[0].record,
              DriverCommand::Register(static_cast<std::uint32_t>(driver.semaphore().value)));
    EXPECT_EQ(sim.receiver.registeredSemaphore(), driver.semaphore());
}

TEST_F(CUSBDriverTest, OpenWithoutReceiverFailsAndLeavesNoHandle) {
    sim.receiver.Unplug();
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_FALSE(driver.IsDeviceOpen());
    EXPECT_EQ(sim.receiver.openHandles(), 0u);
    EXPECT_TRUE(sim.receiver.Commands().empty());
}

TEST_F(CUSBDriverTest, RefusedRegistrationClosesTheNewHandle) {
    sim.receiver.RefuseCommand(kCommandRegister);
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_FALSE(driver.IsDeviceOpen());
    EXPECT_EQ(sim.receiver.openHandles(), 0u);
    EXPECT_EQ(ReceivedLines(sim.receiver), std::vector<std::string>{"command 1 refused"});
}

TEST_F(CUSBDriverTest, ReopeningClosesTheEarlierHandle) {
    ASSERT_TRUE(driver.OpenDevice());
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(sim.receiver.openHandles(), 1u);
    EXPECT_EQ(sim.receiver.requestsOnClosedHandles(), 0u);

    sim.receiver.Unplug();
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_EQ(sim.receiver.openHandles(), 0u);
    EXPECT_FALSE(driver.IsDeviceOpen());
}

TEST(CUSBDriverBeforeStart, OpensNothingWithoutASemaphore) {
    sim::SimPlatform sim;
    sim.receiver.PlugIn();
    CUSBDriver driver(sim.platform());
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_EQ(sim.receiver.openHandles(), 0u);
}

TEST_F(CUSBDriverTest, ButtonMaskNeedsAnOpenDevice) {
    EXPECT_FALSE(driver.SendButtonMask(0x181));
    EXPECT_TRUE(sim.receiver.Commands().empty());

    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.SendButtonMask(0x181));
    EXPECT_EQ(sim.receiver.Commands().back().record, DriverCommand::ButtonMask(0x181));
    EXPECT_EQ(sim.receiver.buttonMask(), 0x181u);
}

TEST_F(CUSBDriverTest, RefusedButtonMaskIsReportedAndNotRemembered) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.RefuseCommand(kCommandButtonMask);
    EXPECT_FALSE(driver.SendButtonMask(0x181));
    EXPECT_FALSE(sim.receiver.buttonMask());
}

TEST_F(CUSBDriverTest, UpdateKeyListAddsOnceAndSendsTheWholeList) {
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.UpdateKeyList(0x44, 0x08, true));
    EXPECT_TRUE(driver.UpdateKeyList(0x44, 0x08, true));
    EXPECT_TRUE(driver.UpdateKeyList(0x44, 0x08, false));
    EXPECT_EQ(ReceivedLines(sim.receiver),
              (std::vector<std::string>{"command 1", KeysLine({0x708}), KeysLine({0x708}),
                                        KeysLine({})}));
}

TEST_F(CUSBDriverTest, VirtualKeyZeroGivesTheModifiersAlone) {
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_TRUE(driver.UpdateKeyList(0x00, 0x08, true));
    EXPECT_EQ(driver.keyList().entries()[0], 0x00000008u);
}

TEST_F(CUSBDriverTest, UpdateKeyListWithoutDeviceChangesNothing) {
    EXPECT_FALSE(driver.UpdateKeyList(0x44, 0x08, true));
    EXPECT_FALSE(driver.keyList().Contains(0x708));
    EXPECT_TRUE(sim.receiver.Commands().empty());
}

TEST_F(CUSBDriverTest, FullKeyListSendsNothingForANewValue) {
    ASSERT_TRUE(driver.OpenDevice());
    for (std::uint8_t key = 0x41; key < 0x41 + KeyList::kCapacity; ++key) {
        ASSERT_TRUE(driver.UpdateKeyList(key, 0x01, true));
    }
    const std::size_t sent = sim.receiver.Commands().size();
    EXPECT_FALSE(driver.UpdateKeyList(0x44, 0x08, true));
    EXPECT_EQ(sim.receiver.Commands().size(), sent);
    EXPECT_TRUE(driver.UpdateKeyList(0x41, 0x01, true));  // already listed: sent again
    EXPECT_EQ(sim.receiver.Commands().size(), sent + 1);
}

TEST_F(CUSBDriverTest, KeyListSurvivesReopening) {
    ASSERT_TRUE(driver.OpenDevice());
    driver.UpdateKeyList(0x44, 0x08, true);
    ASSERT_TRUE(driver.OpenDevice());
    driver.UpdateKeyList(0x4D, 0x08, true);
    EXPECT_EQ(sim.receiver.keyList(), driver.keyList().entries());
    EXPECT_EQ(ReceivedLines(sim.receiver).back(), KeysLine({0x708, 0x1008}));
}

TEST_F(CUSBDriverTest, RefusedKeyListKeepsTheLocalChange) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.RefuseCommand(kCommandKeyList);
    EXPECT_FALSE(driver.UpdateKeyList(0x44, 0x08, true));
    EXPECT_TRUE(driver.keyList().Contains(0x708));
    EXPECT_FALSE(sim.receiver.keyList());
}

TEST(CUSBDriverStart, AFailedThreadLeavesNothingHalfStarted) {
    sim::SimPlatform sim;
    sim.receiver.PlugIn();
    CUSBDriver driver(sim.platform());
    sim.threads.SetThreadCreationFails(true);
    EXPECT_FALSE(driver.StartDriverThread(kDialog));
    EXPECT_FALSE(driver.semaphore());
    EXPECT_EQ(sim.threads.OpenHandleCount(), 0u);
    EXPECT_TRUE(sim.windowCreation.Windows().empty());
    // No semaphore that nobody waits on is handed to the driver.
    EXPECT_FALSE(driver.OpenDevice());
    EXPECT_TRUE(sim.receiver.Commands().empty());

    // A second failure leaks nothing either.
    EXPECT_FALSE(driver.StartDriverThread(kDialog));
    EXPECT_EQ(sim.threads.OpenHandleCount(), 0u);

    // Once threads can start, the channel starts whole.
    sim.threads.SetThreadCreationFails(false);
    ASSERT_TRUE(driver.StartDriverThread(kDialog));
    EXPECT_EQ(sim.threads.OpenHandleCount(), 2u);  // the semaphore and the worker
    EXPECT_EQ(sim.windowCreation.Windows().size(), 1u);
    ASSERT_TRUE(driver.OpenDevice());
    EXPECT_EQ(sim.receiver.registeredSemaphore(), driver.semaphore());
    // The worker waits on the registered semaphore.
    ASSERT_TRUE(sim.receiver.QueueEvent(0x7001));
    ASSERT_TRUE(sim.posting.WaitForCount(1, std::chrono::seconds(5)));
    EXPECT_EQ(sim.posting.Posted()[0].message.wParam, 0x7001u);

    // Starting a started channel creates nothing more.
    const KernelHandle semaphore = driver.semaphore();
    EXPECT_TRUE(driver.StartDriverThread(kDialog));
    EXPECT_EQ(driver.semaphore(), semaphore);
    EXPECT_EQ(sim.threads.OpenHandleCount(), 2u);
    EXPECT_EQ(sim.windowCreation.Windows().size(), 1u);
}

TEST(CUSBDriverLifetime, EndingTheChannelReleasesEverything) {
    sim::SimPlatform sim;
    sim.receiver.PlugIn();
    {
        CUSBDriver driver(sim.platform());
        ASSERT_TRUE(driver.StartDriverThread(kDialog));
        ASSERT_TRUE(driver.OpenDevice());
    }
    EXPECT_EQ(sim.receiver.openHandles(), 0u);
    EXPECT_EQ(sim.threads.OpenHandleCount(), 0u);
    ASSERT_EQ(sim.windowCreation.Windows().size(), 1u);
    EXPECT_TRUE(sim.windowCreation.Windows()[0].destroyed);
}

}  // namespace
}  // namespace q5
