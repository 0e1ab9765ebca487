#include "device/win/BroadcastRecord.h"

#include <windows.h>

#include <dbt.h>

namespace q5::win {

std::span<const std::uint8_t> BroadcastRecord(std::intptr_t lParam) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (header == nullptr || header->dbch_size < sizeof(DEV_BROADCAST_HDR)) {
        return {};
    }
    return {reinterpret_cast<const std::uint8_t*>(header), header->dbch_size};
}

}  // namespace q5::win
