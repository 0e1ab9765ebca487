#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "DeviceTestSupport.h"
#include "device/DriverCommand.h"
#include "device/DriverProtocol.h"

namespace q5 {
namespace {

using ::testing::Test;
using namespace std::chrono_literals;

class WorkerTest : public Test, public ChannelFixture {
protected:
    // Waits until the worker has taken every release of the semaphore.
    bool WorkerIdle() {
        const auto end = std::chrono::steady_clock::now() + 20s;
        while (std::chrono::steady_clock::now() < end) {
            if (sim.threads.SemaphoreCount(driver.semaphore()) == 0 &&
                sim.receiver.queuedEvents() == 0) {
                return true;
            }
            std::this_thread::sleep_for(1ms);
        }
        return false;
    }
};

TEST_F(WorkerTest, PostsEachEventCodeInDeliveryOrder) {
    ASSERT_TRUE(driver.OpenDevice());
    const std::uint32_t codes[] = {0x80000008, 0x00000101, 0x80000001, 0x000001FF, 0x80000708};
    for (const std::uint32_t code : codes) {
        ASSERT_TRUE(sim.receiver.QueueEvent(code));
    }
    ASSERT_TRUE(sim.posting.WaitForCount(5, 5s));
    std::vector<sim::PostedMessage> expected;
    for (const std::uint32_t code : codes) {
        expected.push_back({kDialog, WindowMessage{kDriverEventMessage, code, 0}});
    }
    EXPECT_EQ(sim.posting.Posted(), expected);
}

TEST_F(WorkerTest, ManyEventsQueuedAtOnceArriveAllAndInOrder) {
    ASSERT_TRUE(driver.OpenDevice());
    constexpr std::uint32_t kCount = 8000;
    for (std::uint32_t i = 0; i < kCount; ++i) {
        ASSERT_TRUE(sim.receiver.QueueEvent(0x80000000 + i));
    }
    ASSERT_TRUE(sim.posting.WaitForCount(kCount, 30s));
    const auto posted = sim.posting.Posted();
    ASSERT_EQ(posted.size(), kCount);
    for (std::uint32_t i = 0; i < kCount; ++i) {
        ASSERT_EQ(posted[i].message.wParam, 0x80000000 + i) << i;
    }
    EXPECT_TRUE(WorkerIdle());
    EXPECT_EQ(sim.posting.Count(), kCount);
}

TEST_F(WorkerTest, ReleasesWhileNoDeviceIsOpenAreConsumedWithoutPosting) {
    ASSERT_TRUE(sim.threads.ReleaseSemaphore(driver.semaphore(), 3));
    EXPECT_TRUE(WorkerIdle());
    EXPECT_EQ(sim.posting.Count(), 0u);
    EXPECT_EQ(sim.receiver.fetches(), 0u);
    EXPECT_EQ(sim.receiver.requestsOnClosedHandles(), 0u);
}

TEST_F(WorkerTest, RefusedFetchPostsNothing) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.RefuseFetches(true);
    ASSERT_TRUE(sim.receiver.QueueEvent(0x80000008));
    ASSERT_TRUE(sim.receiver.QueueEvent(0x80000009));
    for (int i = 0; i < 2000 && sim.threads.SemaphoreCount(driver.semaphore()) != 0; ++i) {
        std::this_thread::sleep_for(1ms);
    }
    EXPECT_EQ(sim.threads.SemaphoreCount(driver.semaphore()), 0);
    EXPECT_EQ(sim.posting.Count(), 0u);

    // The events stay queued; the next release fetches the oldest.
    sim.receiver.RefuseFetches(false);
    ASSERT_TRUE(sim.receiver.QueueEvent(0x8000000A));
    ASSERT_TRUE(sim.posting.WaitForCount(1, 5s));
    EXPECT_EQ(sim.posting.Posted()[0].message.wParam, 0x80000008u);
}

// A driver may answer a fetch it has nothing for with success and no bytes;
// the last gesture must not be performed again (a second Alt+F4).
TEST_F(WorkerTest, AFetchThatGivesNothingDoesNotRepeatTheLastEvent) {
    ASSERT_TRUE(driver.OpenDevice());
    sim.receiver.AnswerEmptyFetches(true);
    ASSERT_TRUE(sim.receiver.QueueEvent(0x80000008));
    ASSERT_TRUE(sim.posting.WaitForCount(1, 5s));
    sim.threads.ReleaseSemaphore(driver.semaphore(), 1);
    ASSERT_TRUE(sim.posting.WaitForCount(2, 5s));
    EXPECT_EQ(sim.posting.Posted()[0].message.wParam, 0x80000008u);
    EXPECT_EQ(sim.posting.Posted()[1].message.wParam, 0u);
}

TEST_F(WorkerTest, NoTargetWindowNoPost) {
    sim::SimPlatform other;
    other.receiver.PlugIn();
    {
        CUSBDriver channel(other.platform());
        ASSERT_TRUE(channel.StartDriverThread(WindowHandle{}));
        ASSERT_TRUE(channel.OpenDevice());
        ASSERT_TRUE(other.receiver.QueueEvent(0x80000008));
        for (int i = 0; i < 2000 && other.receiver.fetches() == 0; ++i) {
            std::this_thread::sleep_for(1ms);
        }
        EXPECT_EQ(other.receiver.fetches(), 1u);
    }
    EXPECT_EQ(other.posting.Count(), 0u);
}

TEST_F(WorkerTest, ReopeningWhileEventsFlowNeverUsesAClosedHandle) {
    ASSERT_TRUE(driver.OpenDevice());
    std::atomic<bool> done{false};
    std::atomic<int> queued{0};
    std::thread feeder([&] {
        std::uint32_t code = 0;
        while (!done.load()) {
            if (sim.receiver.QueueEvent(0x80000000 + (code++ & 0xFFFF))) {
                ++queued;
            }
        }
    });
    for (int i = 0; i < 300 || (queued.load() < 1000 && i < 100000); ++i) {
        ASSERT_TRUE(driver.OpenDevice());
        driver.SendButtonMask(0x180);
    }
    done = true;
    feeder.join();
    EXPECT_GE(queued.load(), 1000);
    ASSERT_TRUE(WorkerIdle());
    EXPECT_EQ(sim.receiver.requestsOnClosedHandles(), 0u);
    EXPECT_EQ(sim.receiver.openHandles(), 1u);

    // The channel still delivers after all the replacing.
    const std::size_t before = sim.posting.Count();
    ASSERT_TRUE(sim.receiver.QueueEvent(0x80000708));
    ASSERT_TRUE(sim.posting.WaitForCount(before + 1, 5s));
    EXPECT_EQ(sim.posting.Posted().back().message.wParam, 0x80000708u);
}

// The receiver as a driver that queues an event as soon as it has accepted
// the registration, and lets the registration return only once the worker
// has taken the release for it.
class EagerDriver final : public DeviceIo {
public:
    EagerDriver(sim::SimReceiver& receiver, sim::SimThreads& threads)
        : receiver_(receiver), threads_(threads) {}

    KernelHandle CreateFileW(std::u16string_view path, std::uint32_t access,
                             std::uint32_t shareMode, std::uint32_t disposition,
                             std::uint32_t flags) override {
        return receiver_.CreateFileW(path, access, shareMode, disposition, flags);
    }
    bool DeviceIoControl(KernelHandle device, std::uint32_t code,
                         std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                         std::uint32_t* bytesReturned) override {
        if (!receiver_.DeviceIoControl(device, code, input, output, bytesReturned)) {
            return false;
        }
        if (code == kIoctlSendCommand && input.size() == DriverCommand::kSize) {
            const auto command = DriverCommand::FromBytes(input.first<DriverCommand::kSize>());
            if (command.command() == kCommandRegister) {
                const KernelHandle semaphore{command.semaphoreValue()};
                receiver_.QueueEvent(0x80000042);
                const auto end = std::chrono::steady_clock::now() + 2s;
                while (threads_.SemaphoreCount(semaphore) != 0 &&
                       std::chrono::steady_clock::now() < end) {
                    std::this_thread::sleep_for(1ms);
                }
            }
        }
        return true;
    }
    bool CloseHandle(KernelHandle device) override { return receiver_.CloseHandle(device); }

private:
    sim::SimReceiver& receiver_;
    sim::SimThreads& threads_;
};

TEST(WorkerDuringRegistration, EventQueuedBeforeTheHandleIsPublishedIsDelivered) {
    sim::SimPlatform sim;
    EagerDriver eager(sim.receiver, sim.threads);
    sim.RouteDeviceIo(eager);
    sim.receiver.PlugIn();
    CUSBDriver driver(sim.platform());
    ASSERT_TRUE(driver.StartDriverThread(kDialog));
    ASSERT_TRUE(driver.OpenDevice());
    ASSERT_TRUE(sim.posting.WaitForCount(1, 5s));
    EXPECT_EQ(sim.posting.Posted()[0].message.wParam, 0x80000042u);
    EXPECT_EQ(sim.receiver.queuedEvents(), 0u);
}

}  // namespace
}  // namespace q5
