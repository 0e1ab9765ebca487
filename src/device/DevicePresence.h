/*
 * Keeps the driver configured while the receiver comes and goes: connects
 * when it arrives, retries every 500 ms while the device cannot be opened,
 * and pushes the configuration, which tells the driver to report exactly
 * the gestures whose slots hold something other than their factory
 * function. Window thread only.
 */
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "device/CUSBDriver.h"
#include "model/ButtonSetting.h"
#include "model/ConfigurationPusher.h"
#include "platform/Platform.h"

namespace q5 {

inline constexpr std::uintptr_t kRetryTimerId = 34626;
inline constexpr std::uint32_t kRetryPeriodMs = 500;
// Time the receiver's driver is given after an arrival before it is opened.
inline constexpr std::uint32_t kArrivalSettleMs = 200;
inline constexpr std::u16string_view kReceiverIdentity = u"USB#Vid_5A1C&Pid_1801";

// Bits of the button mask that are always set.
inline constexpr std::uint32_t kButtonMaskBase = 0x180;

// Whether a device-change message announces the receiver's arrival.
bool IsReceiverArrival(std::uintptr_t eventType, std::span<const std::uint8_t> broadcast);

class DevicePresence final : public ConfigurationPusher {
public:
    // `working` is the working copy of the assignment, read at every push.
    DevicePresence(const Platform& platform, CUSBDriver& driver, WindowHandle dialog,
                   const ButtonSetting& working)
        : platform_(platform), driver_(driver), dialog_(dialog), working_(working) {}

    // Opens the device and pushes, or else starts the retry timer.
    void Connect();

    // Sends the configuration; fails when no device is open or the driver
    // refuses the first command.
    bool PushConfiguration() override;

    // Registers the dialog for USB device-interface notifications.
    bool RegisterForArrival();

    // WM_DEVICECHANGE: wParam and the broadcast record lParam points to.
    std::intptr_t OnDeviceChange(std::uintptr_t eventType, std::span<const std::uint8_t> broadcast);
    // WM_TIMER, before the default processing.
    void OnTimer(std::uintptr_t timerId);

    DeviceNotifyHandle notification() const { return notification_; }
    // Whether the retry timer runs.
    bool retrying() const { return retrying_; }

private:
    void StopRetrying();

    Platform platform_;
    CUSBDriver& driver_;
    WindowHandle dialog_;
    const ButtonSetting& working_;
    DeviceNotifyHandle notification_;
    bool retrying_ = false;
};

}  // namespace q5
