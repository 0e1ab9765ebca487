#include "app/GestureScript.h"

namespace q5 {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint16_t GetU16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint16_t>(in[at] | in[at + 1] << 8);
}

std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at) {
    return GetU16(in, at) | static_cast<std::uint32_t>(GetU16(in, at + 2)) << 16;
}

}  // namespace

bool IsSendableScript(std::span<const TimedEvent> events) {
    if (events.empty() || events.size() > kMaxScriptEvents) {
        return false;
    }
    for (const auto& event : events) {
        if (event.delayMs > kMaxScriptDelayMs) {
            return false;
        }
    }
    return true;
}

std::vector<std::uint8_t> EncodeGestureScript(std::span<const TimedEvent> events) {
    std::vector<std::uint8_t> payload;
    if (!IsSendableScript(events)) {
        return payload;
    }
    payload.reserve(kGestureScriptHeaderSize + kGestureScriptEventSize * events.size());
    PutU32(payload, kGestureScriptMagic);
    PutU16(payload, kGestureScriptVersion);
    PutU16(payload, static_cast<std::uint16_t>(events.size()));
    for (const auto& event : events) {
        PutU32(payload, event.code);
        PutU32(payload, event.delayMs);
    }
    return payload;
}

std::optional<std::vector<TimedEvent>> DecodeGestureScript(std::span<const std::uint8_t> payload) {
    if (payload.size() < kGestureScriptHeaderSize || GetU32(payload, 0) != kGestureScriptMagic ||
        GetU16(payload, 4) != kGestureScriptVersion) {
        return std::nullopt;
    }
    const std::size_t count = GetU16(payload, 6);
    if (payload.size() != kGestureScriptHeaderSize + kGestureScriptEventSize * count) {
        return std::nullopt;
    }
    std::vector<TimedEvent> events;
    events.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kGestureScriptHeaderSize + kGestureScriptEventSize * i;
        events.push_back({GetU32(payload, at), GetU32(payload, at + 4)});
    }
    if (!IsSendableScript(events)) {
        return std::nullopt;
    }
    return events;
}

}  // namespace q5
