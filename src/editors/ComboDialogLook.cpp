#include "editors/ComboDialogLook.h"

#include "ui/DialogKeys.h"

namespace q5::combo {

Point CentredOver(const Rect& parent, int width, int height) {
    const int parentWidth = parent.right - parent.left;
    const int parentHeight = parent.bottom - parent.top;
    return {parent.left - (width - parentWidth) / 2, parent.top - (height - parentHeight) / 2};
}

bool IsSwallowedKeyMessage(std::uint32_t message, std::uintptr_t key, std::intptr_t flags) {
    return IsDialogCommandKey(message, key) || IsAltF4(message, key, flags);
}

}  // namespace q5::combo
