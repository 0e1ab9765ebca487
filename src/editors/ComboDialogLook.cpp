#include "editors/ComboDialogLook.h"

namespace q5::combo {
namespace {

constexpr std::uint32_t kWmKeyDown = 0x0100;
constexpr std::uint32_t kWmKeyUp = 0x0101;
constexpr std::uint32_t kWmSysKeyDown = 0x0104;
constexpr std::uint32_t kWmSysKeyUp = 0x0105;
constexpr std::uintptr_t kEnter = 0x0D;
constexpr std::uintptr_t kEscape = 0x1B;
constexpr std::uintptr_t kSpace = 0x20;
constexpr std::uintptr_t kF4 = 0x73;
// Keyboard message lParam: the Alt key is held.
constexpr std::intptr_t kContextAlt = 1 << 29;

}  // namespace

Point CentredOver(const Rect& parent, int width, int height) {
    const int parentWidth = parent.right - parent.left;
    const int parentHeight = parent.bottom - parent.top;
    return {parent.left - (width - parentWidth) / 2, parent.top - (height - parentHeight) / 2};
}

bool IsSwallowedKeyMessage(std::uint32_t message, std::uintptr_t key, std::intptr_t flags) {
    if (message == kWmKeyDown || message == kWmKeyUp) {
        return key == kEnter || key == kEscape || key == kSpace;
    }
    if (message == kWmSysKeyDown || message == kWmSysKeyUp) {
        return key == kF4 && (flags & kContextAlt) != 0;
    }
    return false;
}

}  // namespace q5::combo
