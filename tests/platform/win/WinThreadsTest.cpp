// The real semaphores and threads keep the rules the simulated ones model.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/win/WinThreads.h"

namespace q5::win {
namespace {

TEST(WinThreads, SemaphoreKeepsItsMaximum) {
    WinThreads threads;
    const KernelHandle semaphore = threads.CreateSemaphoreW(0, 2);
    ASSERT_TRUE(semaphore);
    EXPECT_TRUE(threads.ReleaseSemaphore(semaphore, 2));
    EXPECT_FALSE(threads.ReleaseSemaphore(semaphore, 1));
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 0), kWaitObject0);
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 0), kWaitObject0);
    EXPECT_EQ(threads.WaitForSingleObject(semaphore, 10), kWaitTimeout);
    EXPECT_TRUE(threads.CloseHandle(semaphore));
}

TEST(WinThreads, HandleValuesFitTheDriverField) {
    WinThreads threads;
    const KernelHandle semaphore = threads.CreateSemaphoreW(0, 8000);
    ASSERT_TRUE(semaphore);
    EXPECT_LE(semaphore.value, 0xFFFFFFFFu);
    threads.CloseHandle(semaphore);
}

TEST(WinThreads, ThreadRunsAndCanBeWaitedFor) {
    WinThreads threads;
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
    threads.CloseHandle(thread);
    threads.CloseHandle(semaphore);
}

}  // namespace
}  // namespace q5::win
