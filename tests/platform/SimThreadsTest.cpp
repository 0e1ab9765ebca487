#include <gtest/gtest.h>

#include <atomic>

#include "platform/sim/SimThreads.h"

namespace q5::sim {
namespace {

TEST(SimThreads, SemaphoreKeepsItsMaximum) {
    SimThreads threads;
    const KernelHandle semaphore = threads.CreateSemaphoreW(0, 2);
    ASSERT_TRUE(semaphore);
    EXPECT_TRUE(threads.ReleaseSemaphore(semaphore, 2));
    EXPECT_FALSE(threads.ReleaseSemaphore(semaphore, 1));
    EXPECT_EQ(threads.SemaphoreCount(semaphore), 2);
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 0), kWaitObject0);
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 0), kWaitObject0);
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 10), kWaitTimeout);
    EXPECT_FALSE(threads.ReleaseSemaphore(semaphore, 0));
}

TEST(SimThreads, RefusesImpossibleSemaphores) {
    SimThreads threads;
    EXPECT_FALSE(threads.CreateSemaphoreW(0, 0));
    EXPECT_FALSE(threads.CreateSemaphoreW(3, 2));
    EXPECT_FALSE(threads.CreateSemaphoreW(-1, 2));
}

TEST(SimThreads, ThreadRunsAndCanBeWaitedFor) {
    SimThreads threads;
    const KernelHandle semaphore = threads.CreateSemaphoreW(0, 1);
    std::atomic<int> ran{0};
    const KernelHandle thread = threads.CreateThread(4096, [&] {
        threads.WaitForSingleObject(semaphore, kInfinite);
        ran = 1;
    });
    ASSERT_TRUE(thread);
    EXPECT_EQ(threads.WaitForSingleObject(thread, 10), kWaitTimeout);
    threads.ReleaseSemaphore(semaphore, 1);
    EXPECT_EQ(threads.WaitForSingleObject(thread, kInfinite), kWaitObject0);
    EXPECT_EQ(ran.load(), 1);
    EXPECT_EQ(threads.ThreadStackSizes(), std::vector<std::size_t>{4096});
}

TEST(SimThreads, ClosedHandlesAreGone) {
    SimThreads threads;
    const KernelHandle semaphore = threads.CreateSemaphoreW(1, 1);
    EXPECT_TRUE(threads.CloseHandle(semaphore));
    EXPECT_FALSE(threads.CloseHandle(semaphore));
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 0), kWaitFailed);
    EXPECT_FALSE(threads.ReleaseSemaphore(semaphore, 1));
    EXPECT_EQ(threads.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace q5::sim
