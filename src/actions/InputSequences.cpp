#include "actions/InputSequences.h"

#include "platform/VirtualKeys.h"

namespace q5 {
namespace {

constexpr std::uint32_t kPressFlags = kKeyEventExtendedKey;
constexpr std::uint32_t kReleaseFlags = kKeyEventExtendedKey | kKeyEventKeyUp;
constexpr std::uint32_t kSwitcherHoldMs = 100;
constexpr OsRelease kVista = 5;

}  // namespace

void PressKey(Input& input, std::uint8_t vk) {
    input.KeybdEvent(vk, 0, kPressFlags, 0);
}

void ReleaseKey(Input& input, std::uint8_t vk) {
    input.KeybdEvent(vk, 0, kReleaseFlags, 0);
}

void TapKey(Input& input, std::uint8_t vk) {
    PressKey(input, vk);
    ReleaseKey(input, vk);
}

void PressChord(Input& input, std::span<const std::uint8_t> keys) {
    for (std::uint8_t key : keys) {
        PressKey(input, key);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        ReleaseKey(input, *it);
    }
}

void PressChord(Input& input, std::initializer_list<std::uint8_t> keys) {
    PressChord(input, std::span(keys.begin(), keys.size()));
}

void SendMouse(Input& input, std::uint32_t flags, std::int32_t data) {
    input.MouseEvent(flags, 0, 0, data, static_cast<std::uintptr_t>(input.GetMessageExtraInfo()));
}

void PlayWindowSwitcher(Platform& platform, OsRelease release) {
    Input& input = platform.input;
    PressKey(input, vk::kLMenu);
    input.KeybdEvent(vk::kTab, 0, 0, 0);
    platform.clock.Sleep(kSwitcherHoldMs);
    input.KeybdEvent(vk::kTab, 0, kKeyEventKeyUp, 0);
    ReleaseKey(input, vk::kLMenu);
    if (release >= kVista) {
        platform.clock.Sleep(kSwitcherHoldMs);
        TapKey(input, vk::kLMenu);
    }
}

}  // namespace q5
