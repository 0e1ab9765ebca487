#include "platform/win/WinDeviceNotifications.h"

#include <windows.h>

#include <dbt.h>

#include <cstring>
#include <vector>

#include "platform/win/WinHandles.h"

namespace q5::win {

DeviceNotifyHandle WinDeviceNotifications::RegisterDeviceNotificationW(
    WindowHandle recipient, std::span<const std::uint8_t> filter, std::uint32_t flags) {
    if (filter.size() < sizeof(DEV_BROADCAST_HDR)) {
        return {};
    }
    // An aligned copy of the record for the call.
    std::vector<DEV_BROADCAST_DEVICEINTERFACE_W> record(
        1 + filter.size() / sizeof(DEV_BROADCAST_DEVICEINTERFACE_W));
    std::memcpy(record.data(), filter.data(), filter.size());
    const HDEVNOTIFY handle =
        ::RegisterDeviceNotificationW(ToHwnd(recipient), record.data(), flags);
    return DeviceNotifyHandle{reinterpret_cast<std::uintptr_t>(handle)};
}

}  // namespace q5::win
