#include "platform/win/WinThreads.h"

#include <memory>
#include <utility>

#include "platform/win/WinHandles.h"

namespace q5::win {
namespace {

DWORD WINAPI RunRoutine(LPVOID parameter) {
    const std::unique_ptr<std::function<void()>> routine(
        static_cast<std::function<void()>*>(parameter));
    (*routine)();
    return 0;
}

}  // namespace

KernelHandle WinThreads::CreateSemaphoreW(std::int32_t initialCount, std::int32_t maximumCount) {
    return FromHandle(::CreateSemaphoreW(nullptr, initialCount, maximumCount, nullptr));
}

bool WinThreads::ReleaseSemaphore(KernelHandle semaphore, std::int32_t releaseCount) {
    return ::ReleaseSemaphore(ToHandle(semaphore), releaseCount, nullptr) != FALSE;
}

KernelHandle WinThreads::CreateThread(std::size_t stackSize, std::function<void()> routine) {
    auto parameter = std::make_unique<std::function<void()>>(std::move(routine));
    HANDLE thread = ::CreateThread(nullptr, stackSize, RunRoutine, parameter.get(), 0, nullptr);
    if (thread == nullptr) {
        return {};
    }
    parameter.release();  // the thread owns it now
    return FromHandle(thread);
}

std::uint32_t WinThreads::WaitForSingleObject(KernelHandle object, std::uint32_t milliseconds) {
    return ::WaitForSingleObject(ToHandle(object), milliseconds);
}

bool WinThreads::CloseHandle(KernelHandle object) {
    return ::CloseHandle(ToHandle(object)) != FALSE;
}

}  // namespace q5::win
