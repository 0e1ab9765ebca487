#include "device/win/BroadcastRecord.h"

#include <windows.h>

#include <dbt.h>

namespace q5::win {
namespace {

// The device events, whose lParam points to a broadcast record, all have
// this bit; the configuration and device-node events have not.
constexpr std::uintptr_t kEventWithRecordBit = 0x8000;

}  // namespace

std::span<const std::uint8_t> BroadcastRecord(std::uintptr_t eventType, std::intptr_t lParam) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if ((eventType & kEventWithRecordBit) == 0 || header == nullptr ||
        header->dbch_size < sizeof(DEV_BROADCAST_HDR)) {
        return {};
    }
    return {reinterpret_cast<const std::uint8_t*>(header), header->dbch_size};
}

}  // namespace q5::win
