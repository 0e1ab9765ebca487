#include "device/CUSBDriver.h"

#include <optional>

#include "device/DeviceEvent.h"
#include "device/DriverProtocol.h"
#include "device/KeyTable.h"

namespace q5 {
namespace {

constexpr Point kHiddenWindowPosition{1, 1};
constexpr std::int32_t kHiddenWindowSize = 1;

}  // namespace

CUSBDriver::~CUSBDriver() {
    StopDriverThread();
    {
        std::lock_guard closing(fetchMutex_);
        CloseDeviceLocked();
    }
    if (semaphore_) {
        platform_.threads.CloseHandle(semaphore_);
    }
    if (hiddenWindow_) {
        platform_.windowCreation.DestroyWindow(hiddenWindow_);
    }
}

bool CUSBDriver::StartDriverThread(WindowHandle window) {
    if (thread_) {
        return true;
    }
    target_ = window;
    semaphore_ = platform_.threads.CreateSemaphoreW(0, kDriverSemaphoreMaximum);
    if (!semaphore_) {
        return false;
    }
    thread_ = platform_.threads.CreateThread(kDriverThreadStackSize, [this] { RunWorker(); });
    if (!thread_) {
        // No worker waits on the semaphore: keep none, so no device is
        // opened with it and a later start begins afresh.
        platform_.threads.CloseHandle(semaphore_);
        semaphore_ = {};
        target_ = {};
        return false;
    }
    platform_.windowCreation.RegisterClassW(kDriverWindowClass);
    hiddenWindow_ = platform_.windowCreation.CreateWindowExW(
        0, kDriverWindowClass, kDriverWindowName, kWsPopup, kHiddenWindowPosition,
        kHiddenWindowSize, kHiddenWindowSize);
    return true;
}

bool CUSBDriver::OpenDevice() {
    // The worker fetches under the same lock, so it never uses the handle
    // being closed, and a release the driver gives for an event queued while
    // the new handle is being registered is fetched through that handle once
    // it is published, instead of being consumed while there is none.
    std::lock_guard replacing(fetchMutex_);
    CloseDeviceLocked();
    if (!semaphore_) {
        return false;
    }
    const KernelHandle device = platform_.deviceIo.CreateFileW(
        kDriverDevicePath, kGenericRead | kGenericWrite, kFileShareRead, kOpenExisting, 0);
    if (!device) {
        return false;
    }
    // Handle values fit in 32 bits on every Windows, which is what the
    // driver's field holds.
    const auto semaphoreValue = static_cast<std::uint32_t>(semaphore_.value);
    if (!SendCommand(device, DriverCommand::Register(semaphoreValue))) {
        platform_.deviceIo.CloseHandle(device);
        return false;
    }
    device_.store(device.value, std::memory_order_release);
    return true;
}

bool CUSBDriver::SendButtonMask(std::uint32_t mask) {
    const KernelHandle device = CurrentDevice();
    return device && SendCommand(device, DriverCommand::ButtonMask(mask));
}

bool CUSBDriver::UpdateKeyList(std::uint8_t key, std::uint8_t modifiers, bool enable) {
    const KernelHandle device = CurrentDevice();
    if (!device) {
        return false;
    }
    const std::uint32_t value = KeyCombinationValue(key, modifiers);
    if (enable) {
        if (!keyList_.Add(value)) {
            return false;
        }
    } else {
        keyList_.Remove(value);
    }
    return SendCommand(device, DriverCommand::KeyListCommand(keyList_.entries()));
}

bool CUSBDriver::IsDeviceOpen() const {
    return static_cast<bool>(CurrentDevice());
}

KernelHandle CUSBDriver::CurrentDevice() const {
    return KernelHandle{device_.load(std::memory_order_acquire)};
}

bool CUSBDriver::SendCommand(KernelHandle device, const DriverCommand& command) {
    return platform_.deviceIo.DeviceIoControl(device, kIoctlSendCommand, command.bytes(), {},
                                              nullptr);
}

void CUSBDriver::CloseDeviceLocked() {
    const KernelHandle old{device_.exchange(0, std::memory_order_acq_rel)};
    if (old) {
        platform_.deviceIo.CloseHandle(old);
    }
}

void CUSBDriver::RunWorker() {
    DeviceEvent event = DeviceEvent::ForFetch();
    for (;;) {
        if (platform_.threads.WaitForSingleObject(semaphore_, kInfinite) != kWaitObject0 ||
            stopping_.load(std::memory_order_acquire)) {
            return;
        }
        std::optional<std::uint32_t> code;
        {
            std::lock_guard fetching(fetchMutex_);
            const KernelHandle device = CurrentDevice();
            // A fetch that succeeds without writing the buffer must give no
            // event, not the previous one again.
            event.setEventCode(0);
            if (device && platform_.deviceIo.DeviceIoControl(
                              device, kIoctlFetchEvent, event.bytes(), event.bytes(), nullptr)) {
                code = event.eventCode();
            }
        }
        if (code && target_) {
            platform_.posting.PostMessageW(target_, kDriverEventMessage, *code, 0);
        }
    }
}

void CUSBDriver::StopDriverThread() {
    if (!thread_) {
        return;
    }
    stopping_.store(true, std::memory_order_release);
    // At the maximum count the release fails, but then the worker wakes
    // anyway.
    platform_.threads.ReleaseSemaphore(semaphore_, 1);
    platform_.threads.WaitForSingleObject(thread_, kInfinite);
    platform_.threads.CloseHandle(thread_);
    thread_ = {};
}

}  // namespace q5
