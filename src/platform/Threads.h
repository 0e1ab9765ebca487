/*
 * Threads and semaphores (CreateThread, CreateSemaphoreW, ReleaseSemaphore,
 * WaitForSingleObject, CloseHandle on these handles). Every operation may be
 * called from any thread.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "platform/PlatformTypes.h"

namespace q5 {

// WaitForSingleObject time-out and results.
inline constexpr std::uint32_t kInfinite = 0xFFFFFFFF;
inline constexpr std::uint32_t kWaitObject0 = 0x00000000;
inline constexpr std::uint32_t kWaitTimeout = 0x00000102;
inline constexpr std::uint32_t kWaitFailed = 0xFFFFFFFF;

class Threads {
public:
    virtual ~Threads() = default;

    // An unnamed semaphore; none on failure.
    virtual KernelHandle CreateSemaphoreW(std::int32_t initialCount, std::int32_t maximumCount) = 0;
    // Fails, and changes nothing, when the count would pass the maximum.
    virtual bool ReleaseSemaphore(KernelHandle semaphore, std::int32_t releaseCount) = 0;

    // Starts `routine` on a new thread; none on failure.
    virtual KernelHandle CreateThread(std::size_t stackSize, std::function<void()> routine) = 0;

    // Waits for a semaphore (taking one count) or for a thread to end.
    virtual std::uint32_t WaitForSingleObject(KernelHandle object, std::uint32_t milliseconds) = 0;

    virtual bool CloseHandle(KernelHandle object) = 0;
};

}  // namespace q5
