#include "ui/DialogKeys.h"

#include "platform/WindowMessages.h"

namespace q5 {
namespace {

constexpr std::uintptr_t kEnter = 0x0D;
constexpr std::uintptr_t kEscape = 0x1B;
constexpr std::uintptr_t kSpace = 0x20;
constexpr std::uintptr_t kF4 = 0x73;
// Keyboard message lParam: the Alt key is held.
constexpr std::intptr_t kContextAlt = 1 << 29;

}  // namespace

bool IsDialogCommandKey(std::uint32_t message, std::uintptr_t key) {
    if (message != kWmKeyDown && message != kWmKeyUp) {
        return false;
    }
    return key == kEnter || key == kEscape || key == kSpace;
}

bool IsAltF4(std::uint32_t message, std::uintptr_t key, std::intptr_t flags) {
    return (message == kWmSysKeyDown || message == kWmSysKeyUp) && key == kF4 &&
           (flags & kContextAlt) != 0;
}

bool IsKeyboardMessage(std::uint32_t message) {
    return message >= kWmKeyDown && message <= kWmKeyLast;
}

}  // namespace q5
