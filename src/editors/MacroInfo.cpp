#include "editors/MacroInfo.h"

#include <algorithm>

#include "model/ByteImage.h"

namespace q5 {
namespace {

std::int32_t LoadI32(const std::array<std::uint8_t, 4>& bytes) {
    return static_cast<std::int32_t>(LoadU32(bytes.data()));
}

void StoreI32(std::array<std::uint8_t, 4>& bytes, std::int32_t value) {
    StoreU32(bytes.data(), static_cast<std::uint32_t>(value));
}

}  // namespace

std::int32_t MacroStep::delayAfter() const {
    return LoadI32(delayAfterBytes);
}

void MacroStep::setDelayAfter(std::int32_t milliseconds) {
    StoreI32(delayAfterBytes, milliseconds);
}

std::int32_t tagMACROINFO::delayFlag() const {
    return LoadI32(delayFlagBytes);
}

void tagMACROINFO::setDelayFlag(std::int32_t value) {
    StoreI32(delayFlagBytes, value);
}

std::int32_t tagMACROINFO::loopFlag() const {
    return LoadI32(loopFlagBytes);
}

void tagMACROINFO::setLoopFlag(std::int32_t value) {
    StoreI32(loopFlagBytes, value);
}

std::int32_t tagMACROINFO::loopCount() const {
    return LoadI32(loopCountBytes);
}

void tagMACROINFO::setLoopCount(std::int32_t value) {
    StoreI32(loopCountBytes, value);
}

std::uint16_t tagMACROINFO::stepCount() const {
    return LoadU16(stepCountBytes.data());
}

void tagMACROINFO::setStepCount(std::uint16_t value) {
    StoreU16(stepCountBytes.data(), value);
}

std::size_t tagMACROINFO::usedSteps() const {
    return std::min<std::size_t>(stepCount(), kStepSlots);
}

std::int32_t tagMACROINFO::playRounds() const {
    return loopFlag() != 0 ? std::min(loopCount(), kMaxLoopCount) : 1;
}

std::u16string tagMACROINFO::name() const {
    return LoadUtf16(nameBytes);
}

void tagMACROINFO::setName(std::u16string_view name) {
    StoreUtf16(nameBytes, name);
}

}  // namespace q5
