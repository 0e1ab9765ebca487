/*
 * Threads and semaphores through the real kernel32 calls.
 */
#pragma once

#include "platform/Threads.h"

namespace q5::win {

class WinThreads final : public Threads {
public:
    KernelHandle CreateSemaphoreW(std::int32_t initialCount, std::int32_t maximumCount) override;
    bool ReleaseSemaphore(KernelHandle semaphore, std::int32_t releaseCount) override;
    KernelHandle CreateThread(std::size_t stackSize, std::function<void()> routine) override;
    std::uint32_t WaitForSingleObject(KernelHandle object, std::uint32_t milliseconds) override;
    bool CloseHandle(KernelHandle object) override;
};

}  // namespace q5::win
