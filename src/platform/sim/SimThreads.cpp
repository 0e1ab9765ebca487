#include "platform/sim/SimThreads.h"

#include <chrono>
#include <utility>

namespace q5::sim {
namespace {

constexpr std::uintptr_t kHandleStep = 4;

template <typename Predicate>
bool WaitUntil(std::condition_variable& condition, std::unique_lock<std::mutex>& lock,
               std::uint32_t milliseconds, Predicate ready) {
    if (milliseconds == kInfinite) {
        condition.wait(lock, ready);
        return true;
    }
    return condition.wait_for(lock, std::chrono::milliseconds(milliseconds), ready);
}

}  // namespace

SimThreads::~SimThreads() {
    for (const auto& thread : allThreads_) {
        if (thread->thread.joinable()) {
            thread->thread.join();
        }
    }
}

KernelHandle SimThreads::NextHandle() {
    const KernelHandle handle{nextHandle_};
    nextHandle_ += kHandleStep;
    return handle;
}

KernelHandle SimThreads::CreateSemaphoreW(std::int32_t initialCount, std::int32_t maximumCount) {
    if (maximumCount <= 0 || initialCount < 0 || initialCount > maximumCount) {
        return {};
    }
    auto semaphore = std::make_shared<Semaphore>();
    semaphore->count = initialCount;
    semaphore->maximum = maximumCount;
    std::lock_guard lock(mutex_);
    const KernelHandle handle = NextHandle();
    semaphores_[handle.value] = std::move(semaphore);
    return handle;
}

bool SimThreads::ReleaseSemaphore(KernelHandle handle, std::int32_t releaseCount) {
    const auto semaphore = FindSemaphore(handle);
    if (!semaphore || releaseCount <= 0) {
        return false;
    }
    {
        std::lock_guard lock(semaphore->mutex);
        if (releaseCount > semaphore->maximum - semaphore->count) {
            return false;
        }
        semaphore->count += releaseCount;
    }
    semaphore->released.notify_all();
    return true;
}

void SimThreads::SetThreadCreationFails(bool fails) {
    std::lock_guard lock(mutex_);
    threadCreationFails_ = fails;
}

KernelHandle SimThreads::CreateThread(std::size_t stackSize, std::function<void()> routine) {
    auto thread = std::make_shared<Thread>();
    std::lock_guard lock(mutex_);
    if (threadCreationFails_) {
        return {};
    }
    stackSizes_.push_back(stackSize);
    thread->thread = std::thread([state = thread.get(), run = std::move(routine)] {
        run();
        {
            std::lock_guard ended(state->mutex);
            state->finished = true;
        }
        state->ended.notify_all();
    });
    const KernelHandle handle = NextHandle();
    threads_[handle.value] = thread;
    allThreads_.push_back(std::move(thread));
    return handle;
}

std::uint32_t SimThreads::Wait(Semaphore& semaphore, std::uint32_t milliseconds) {
    std::unique_lock lock(semaphore.mutex);
    if (!WaitUntil(semaphore.released, lock, milliseconds, [&] { return semaphore.count > 0; })) {
        return kWaitTimeout;
    }
    --semaphore.count;
    return kWaitObject0;
}

std::uint32_t SimThreads::Wait(Thread& thread, std::uint32_t milliseconds) {
    std::unique_lock lock(thread.mutex);
    return WaitUntil(thread.ended, lock, milliseconds, [&] { return thread.finished; })
               ? kWaitObject0
               : kWaitTimeout;
}

std::uint32_t SimThreads::WaitForSingleObject(KernelHandle object, std::uint32_t milliseconds) {
    if (const auto semaphore = FindSemaphore(object)) {
        return Wait(*semaphore, milliseconds);
    }
    if (const auto thread = FindThread(object)) {
        return Wait(*thread, milliseconds);
    }
    return kWaitFailed;
}

bool SimThreads::CloseHandle(KernelHandle object) {
    std::lock_guard lock(mutex_);
    return semaphores_.erase(object.value) + threads_.erase(object.value) > 0;
}

std::shared_ptr<SimThreads::Semaphore> SimThreads::FindSemaphore(KernelHandle handle) const {
    std::lock_guard lock(mutex_);
    const auto found = semaphores_.find(handle.value);
    return found == semaphores_.end() ? nullptr : found->second;
}

std::shared_ptr<SimThreads::Thread> SimThreads::FindThread(KernelHandle handle) const {
    std::lock_guard lock(mutex_);
    const auto found = threads_.find(handle.value);
    return found == threads_.end() ? nullptr : found->second;
}

std::optional<std::int32_t> SimThreads::SemaphoreCount(KernelHandle handle) const {
    const auto semaphore = FindSemaphore(handle);
    if (!semaphore) {
        return std::nullopt;
    }
    std::lock_guard lock(semaphore->mutex);
    return semaphore->count;
}

std::optional<std::int32_t> SimThreads::SemaphoreMaximum(KernelHandle handle) const {
    const auto semaphore = FindSemaphore(handle);
    if (!semaphore) {
        return std::nullopt;
    }
    std::lock_guard lock(semaphore->mutex);
    return semaphore->maximum;
}

std::vector<std::size_t> SimThreads::ThreadStackSizes() const {
    std::lock_guard lock(mutex_);
    return stackSizes_;
}

std::size_t SimThreads::OpenHandleCount() const {
    std::lock_guard lock(mutex_);
    return semaphores_.size() + threads_.size();
}

}  // namespace q5::sim
