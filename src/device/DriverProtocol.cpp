#include "device/DriverProtocol.h"

#include <algorithm>

namespace q5 {

void StoreDeviceName(std::span<std::uint8_t, kDeviceNameFieldSize> field) {
    const std::size_t length = std::min(kDriverDeviceName.size(), field.size() - 1);
    std::copy_n(kDriverDeviceName.begin(), length, field.begin());
    field[length] = 0;
}

}  // namespace q5
