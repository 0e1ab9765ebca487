#include "platform/sim/SimDeviceNotifications.h"

namespace q5::sim {
namespace {

constexpr std::uintptr_t kFirstHandle = 0xD0000;

}  // namespace

DeviceNotifyHandle SimDeviceNotifications::RegisterDeviceNotificationW(
    WindowHandle recipient, std::span<const std::uint8_t> filter, std::uint32_t flags) {
    registrations_.push_back({recipient, {filter.begin(), filter.end()}, flags});
    if (fail_ || !recipient) {
        return {};
    }
    return DeviceNotifyHandle{kFirstHandle + registrations_.size()};
}

}  // namespace q5::sim
