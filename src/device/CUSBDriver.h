/*
 * CUSBDriver: the channel to the mouse's kernel driver.
 *
 * The window thread opens the device, registers the semaphore that the
 * driver releases once per queued gesture event, and sends the commands
 * that configure the driver. A worker thread sleeps on the semaphore,
 * fetches one event per release and posts its code to the target window,
 * so every gesture is performed on the window thread in delivery order.
 *
 * The device handle is the only value the two threads share after the
 * worker has started. It is published atomically, and only once the driver
 * has accepted the registration. The worker holds a lock for each fetch and
 * the window thread holds it while it replaces the handle, so no fetch ever
 * uses a handle that is being closed or not yet registered.
 */
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "device/DriverCommand.h"
#include "device/KeyList.h"
#include "platform/Platform.h"

namespace q5 {

inline constexpr std::int32_t kDriverSemaphoreMaximum = 8000;
inline constexpr std::size_t kDriverThreadStackSize = 4096;
inline constexpr std::u16string_view kDriverWindowName = u"Korvotouchdriver";
inline constexpr std::u16string_view kDriverWindowClass = u"KorvoUsbDriver";

class CUSBDriver {
public:
    explicit CUSBDriver(const Platform& platform) : platform_(platform) {}
    CUSBDriver(const CUSBDriver&) = delete;
    CUSBDriver& operator=(const CUSBDriver&) = delete;
    // Stops the worker, closes the device, the semaphore and the thread, and
    // destroys the hidden window.
    ~CUSBDriver();

    // Once, before the first OpenDevice: the target window, the semaphore
    // (count 0, maximum 8000), the worker thread and the hidden window
    // "Korvotouchdriver". Fails when the semaphore or the thread cannot be
    // created.
    bool StartDriverThread(WindowHandle window);

    // Opens the device and registers the semaphore; whether the device is
    // ready. A device opened earlier is closed first.
    bool OpenDevice();

    // Command 20; whether the driver accepted it. Fails when no device is
    // open.
    bool SendButtonMask(std::uint32_t mask);

    // Adds (enable) or removes one key combination and sends the whole list
    // (command 128); whether it was sent and accepted. With no device open,
    // or no free entry for a new value, nothing changes and nothing is sent.
    bool UpdateKeyList(std::uint8_t key, std::uint8_t modifiers, bool enable);

    bool IsDeviceOpen() const;
    const KeyList& keyList() const { return keyList_; }
    WindowHandle hiddenWindow() const { return hiddenWindow_; }
    KernelHandle semaphore() const { return semaphore_; }

private:
    void RunWorker();
    bool SendCommand(KernelHandle device, const DriverCommand& command);
    KernelHandle CurrentDevice() const;
    // Withdraws and closes the device handle; the caller holds fetchMutex_.
    void CloseDeviceLocked();
    void StopDriverThread();

    Platform platform_;
    KeyList keyList_;
    KernelHandle semaphore_;
    KernelHandle thread_;
    WindowHandle target_;
    WindowHandle hiddenWindow_;
    std::atomic<std::uintptr_t> device_{0};
    std::atomic<bool> stopping_{false};
    // Held by the worker for each fetch and by the window thread while it
    // replaces the device handle.
    std::mutex fetchMutex_;
};

}  // namespace q5
