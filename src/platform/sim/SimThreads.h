/*
 * Threads and semaphores for the simulated platform, on the standard
 * library: code under test runs truly threaded (so ThreadSanitizer sees its
 * races), while the semaphores keep the Windows rules: a release past the
 * maximum fails and changes nothing.
 *
 * Threads are joined when the object ends; their owners must have made them
 * return by then.
 */
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/Threads.h"

namespace q5::sim {

class SimThreads final : public Threads {
public:
    SimThreads() = default;
    SimThreads(const SimThreads&) = delete;
    SimThreads& operator=(const SimThreads&) = delete;
    ~SimThreads() override;

    KernelHandle CreateSemaphoreW(std::int32_t initialCount, std::int32_t maximumCount) override;
    bool ReleaseSemaphore(KernelHandle semaphore, std::int32_t releaseCount) override;
    KernelHandle CreateThread(std::size_t stackSize, std::function<void()> routine) override;
    std::uint32_t WaitForSingleObject(KernelHandle object, std::uint32_t milliseconds) override;
    bool CloseHandle(KernelHandle object) override;

    // The current count and the maximum of an open semaphore.
    std::optional<std::int32_t> SemaphoreCount(KernelHandle semaphore) const;
    std::optional<std::int32_t> SemaphoreMaximum(KernelHandle semaphore) const;
    // The stack size asked for by each CreateThread, in order.
    std::vector<std::size_t> ThreadStackSizes() const;
    std::size_t OpenHandleCount() const;
    // While set, CreateThread fails (as when the system is out of
    // resources) and starts nothing.
    void SetThreadCreationFails(bool fails);

private:
    struct Semaphore {
        std::mutex mutex;
        std::condition_variable released;
        std::int32_t count = 0;
        std::int32_t maximum = 0;
    };
    struct Thread {
        std::mutex mutex;
        std::condition_variable ended;
        bool finished = false;
        std::thread thread;
    };

    std::shared_ptr<Semaphore> FindSemaphore(KernelHandle handle) const;
    std::shared_ptr<Thread> FindThread(KernelHandle handle) const;
    KernelHandle NextHandle();

    static std::uint32_t Wait(Semaphore& semaphore, std::uint32_t milliseconds);
    static std::uint32_t Wait(Thread& thread, std::uint32_t milliseconds);

    mutable std::mutex mutex_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::map<std::uintptr_t, std::shared_ptr<Semaphore>> semaphores_;
    std::map<std::uintptr_t, std::shared_ptr<Thread>> threads_;
    std::vector<std::shared_ptr<Thread>> allThreads_;
    std::vector<std::size_t> stackSizes_;
    bool threadCreationFails_ = false;
};

}  // namespace q5::sim
