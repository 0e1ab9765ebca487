/*
 * Device-notification registrations for the simulated platform: each one is
 * kept with its window, filter bytes and flags; registration can be made to
 * fail.
 */
#pragma once

#include <cstdint>
#include <vector>

#include "platform/DeviceNotifications.h"

namespace q5::sim {

struct NotificationRegistration {
    WindowHandle recipient;
    std::vector<std::uint8_t> filter;
    std::uint32_t flags = 0;
};

class SimDeviceNotifications final : public DeviceNotifications {
public:
    DeviceNotifyHandle RegisterDeviceNotificationW(WindowHandle recipient,
                                                   std::span<const std::uint8_t> filter,
                                                   std::uint32_t flags) override;

    void FailRegistrations(bool fail) { fail_ = fail; }
    const std::vector<NotificationRegistration>& Registrations() const { return registrations_; }

private:
    bool fail_ = false;
    std::vector<NotificationRegistration> registrations_;
};

}  // namespace q5::sim
