#include "ui/TrayTip.h"

namespace q5 {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

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
