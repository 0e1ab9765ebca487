#include "device/DevicePresence.h"

#include <array>
#include <string>

#include "device/DeviceBroadcast.h"
#include "model/GestureSlots.h"

namespace q5 {
namespace {

struct MaskBit {
    std::uint32_t bit = 0;
    int slot = 0;
};

// Pushed before the key list: the click and single-finger vertical scroll
// slots.
constexpr std::array<MaskBit, 5> kLeadingMaskBits = {
    {{0x01, 0}, {0x02, 1}, {0x04, 2}, {0x20, 3}, {0x40, 4}}};
// Added after the key list: the two-finger horizontal scroll slots.
constexpr std::array<MaskBit, 2> kTrailingMaskBits = {{{0x08, 11}, {0x10, 12}}};

struct KeySlot {
    int slot = 0;
    std::uint8_t virtualKey = 0;
    std::uint8_t modifiers = 0;
};

// The gestures that the driver reports as key combinations, in push order.
constexpr std::array<KeySlot, 6> kKeySlots = {{
    {5, 0x86, 0x0C},   // F23 with left Alt and Win
    {6, 0x08, 0x09},   // Backspace with left Ctrl and Win
    {7, 0x4D, 0x08},   // M with Win
    {8, 0x4D, 0x0A},   // M with left Shift and Win
    {9, 0x00, 0x08},   // Win alone
    {10, 0x44, 0x08},  // D with Win
}};

char16_t FoldCase(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
    std::u16string folded(text);
    std::u16string foldedPart(part);
    for (char16_t& unit : folded) {
        unit = FoldCase(unit);
    }
    for (char16_t& unit : foldedPart) {
        unit = FoldCase(unit);
    }
    return folded.find(foldedPart) != std::u16string::npos;
}

bool DiffersFromFactory(const ButtonSetting& working, int slot) {
    return working.slot(slot).codeByte() != kFactoryTable[static_cast<std::size_t>(slot)];
}

template <std::size_t N>
std::uint32_t MaskOf(const ButtonSetting& working, const std::array<MaskBit, N>& bits) {
    std::uint32_t mask = 0;
    for (const MaskBit& entry : bits) {
        if (DiffersFromFactory(working, entry.slot)) {
            mask |= entry.bit;
        }
    }
    return mask;
}

}  // namespace

bool IsReceiverArrival(std::uintptr_t eventType, std::span<const std::uint8_t> broadcast) {
    if (eventType != kDbtDeviceArrival) {
        return false;
    }
    const auto name = InterfaceNameOfBroadcast(broadcast);
    return name && ContainsIgnoringCase(*name, kReceiverIdentity);
}

void DevicePresence::Connect() {
    if (driver_.OpenDevice()) {
        // An arrival may connect while the retry timer still runs.
        StopRetrying();
        PushConfiguration();
    } else {
        platform_.timers.SetTimer(dialog_, kRetryTimerId, kRetryPeriodMs);
        retrying_ = true;
    }
}

void DevicePresence::StopRetrying() {
    if (retrying_) {
        platform_.timers.KillTimer(dialog_, kRetryTimerId);
        retrying_ = false;
    }
}

bool DevicePresence::PushConfiguration() {
    if (!driver_.IsDeviceOpen() || !driver_.SendButtonMask(0)) {
        return false;
    }
    std::uint32_t mask = kButtonMaskBase | MaskOf(working_, kLeadingMaskBits);
    for (const KeySlot& key : kKeySlots) {
        driver_.UpdateKeyList(key.virtualKey, key.modifiers,
                              DiffersFromFactory(working_, key.slot));
    }
    mask |= MaskOf(working_, kTrailingMaskBits);
    if (driver_.IsDeviceOpen()) {
        driver_.SendButtonMask(mask);
    }
    return true;
}

bool DevicePresence::RegisterForArrival() {
    const auto filter = UsbDeviceInterfaceFilter();
    notification_ = platform_.notifications.RegisterDeviceNotificationW(dialog_, filter,
                                                                        kDeviceNotifyWindowHandle);
    return static_cast<bool>(notification_);
}

std::intptr_t DevicePresence::OnDeviceChange(std::uintptr_t eventType,
                                             std::span<const std::uint8_t> broadcast) {
    if (IsReceiverArrival(eventType, broadcast)) {
        platform_.clock.Sleep(kArrivalSettleMs);
        Connect();
    }
    return 0;
}

void DevicePresence::OnTimer(std::uintptr_t timerId) {
    if (timerId == kRetryTimerId && driver_.OpenDevice()) {
        platform_.timers.KillTimer(dialog_, kRetryTimerId);
        retrying_ = false;
        PushConfiguration();
    }
}

}  // namespace q5
