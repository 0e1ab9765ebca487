/*
 * Registration of a window for device notifications
 * (RegisterDeviceNotificationW). The filter is the byte image of the
 * broadcast record that selects the notifications, as Windows lays it out.
 */
#pragma once

#include <cstdint>
#include <span>

#include "platform/PlatformTypes.h"

namespace q5 {

// RegisterDeviceNotificationW flag: deliver to a window handle.
inline constexpr std::uint32_t kDeviceNotifyWindowHandle = 0x00000000;

class DeviceNotifications {
public:
    virtual ~DeviceNotifications() = default;

    // None on failure.
    virtual DeviceNotifyHandle RegisterDeviceNotificationW(WindowHandle recipient,
                                                           std::span<const std::uint8_t> filter,
                                                           std::uint32_t flags) = 0;
};

}  // namespace q5
