/*
 * Device-notification registration through the real
 * RegisterDeviceNotificationW.
 */
#pragma once

#include "platform/DeviceNotifications.h"

namespace q5::win {

class WinDeviceNotifications final : public DeviceNotifications {
public:
    DeviceNotifyHandle RegisterDeviceNotificationW(WindowHandle recipient,
                                                   std::span<const std::uint8_t> filter,
                                                   std::uint32_t flags) override;
};

}  // namespace q5::win
