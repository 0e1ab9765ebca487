#include "ui/TrayTip.h"

#include "i18n/Unicode.h"

namespace q5 {
std::u16string CutTrayTip(std::u16string_view text) {
    if (text.size() <= kTrayTipMaxLength) {
        return std::u16string(text);
    }
    std::size_t length = kTrayTipMaxLength;
    if (IsHighSurrogate(text[length - 1])) {
        --length;
    }
    return std::u16string(text.substr(0, length));
}

}  // namespace q5
