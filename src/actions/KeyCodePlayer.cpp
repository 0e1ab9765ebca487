#include "actions/KeyCodePlayer.h"

#include "editors/KeyNames.h"
#include "platform/VirtualKeys.h"

namespace q5 {
namespace {

struct MouseButtonCode {
    std::uint8_t code;
    std::uint32_t press;
    std::uint32_t release;
};

constexpr MouseButtonCode kMouseButtons[] = {
    {kKeyCodeLeftButton, kMouseEventLeftDown, kMouseEventLeftUp},
    {kKeyCodeRightButton, kMouseEventRightDown, kMouseEventRightUp},
    {kKeyCodeMiddleButton, kMouseEventMiddleDown, kMouseEventMiddleUp},
};

// Each modifier is selected by either of two bits of the mask; they are
// pressed, and released, in this order.
struct ModifierBits {
    std::uint8_t bits;
    std::uint8_t vk;
};

constexpr ModifierBits kModifiers[] = {
    {0x01 | 0x10, vk::kControl},
    {0x02 | 0x20, vk::kShift},
    {0x04 | 0x40, vk::kMenu},
    {0x08 | 0x80, vk::kLWin},
};

}  // namespace

std::uint8_t FoldSidedModifier(std::uint8_t code) {
    switch (code) {
        case vk::kLShift:
        case vk::kRShift:
            return vk::kShift;
        case vk::kLControl:
        case vk::kRControl:
            return vk::kControl;
        case vk::kLMenu:
        case vk::kRMenu:
            return vk::kMenu;
        default:
            return code;
    }
}

void KeyCodePlayer::SendKey(std::uint8_t vk, bool release) {
    const auto scan = static_cast<std::uint8_t>(input_.MapVirtualKeyW(vk, kMapVkToVsc));
    input_.KeybdEvent(vk, scan, release ? kKeyEventKeyUp : 0, 0);
    clock_.Sleep(kKeyEventPauseMs);
}

void KeyCodePlayer::PressOrReleaseKeyCode(std::uint8_t code, bool release) {
    for (const auto& button : kMouseButtons) {
        if (button.code == code) {
            const auto extra = static_cast<std::uintptr_t>(input_.GetMessageExtraInfo());
            input_.MouseEvent(release ? button.release : button.press, 0, 0, 0, extra);
            return;
        }
    }
    SendKey(FoldSidedModifier(code), release);
}

void KeyCodePlayer::PlayCombination(const Combination& combination) {
    for (const auto& modifier : kModifiers) {
        if (combination.modifiers & modifier.bits) {
            SendKey(modifier.vk, false);
        }
    }
    for (std::uint8_t key : {combination.firstKey, combination.secondKey}) {
        if (key != 0) {
            PressOrReleaseKeyCode(key, false);
            PressOrReleaseKeyCode(key, true);
        }
    }
    for (const auto& modifier : kModifiers) {
        if (combination.modifiers & modifier.bits) {
            SendKey(modifier.vk, true);
        }
    }
}

}  // namespace q5
