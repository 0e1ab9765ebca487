#include "model/ByteImage.h"

#include "i18n/Unicode.h"

#include <algorithm>

namespace q5 {
std::u16string LoadUtf16(std::span<const std::uint8_t> field) {
    // The length first, so the text is allocated once.
    std::size_t units = 0;
    while (2 * units + 1 < field.size() && LoadU16(&field[2 * units]) != 0) {
        ++units;
    }
    std::u16string text(units, u'\0');
    for (std::size_t i = 0; i < units; ++i) {
        text[i] = static_cast<char16_t>(LoadU16(&field[2 * i]));
    }
    return text;
}

void StoreUtf16(std::span<std::uint8_t> field, std::u16string_view text) {
    const std::size_t capacity = field.size() / 2;
    if (capacity == 0) {
        return;
    }
    std::size_t length = std::min(text.size(), capacity - 1);
    if (length > 0 && length < text.size() && IsHighSurrogate(text[length - 1])) {
        --length;
    }
    for (std::size_t i = 0; i < length; ++i) {
        StoreU16(&field[2 * i], static_cast<std::uint16_t>(text[i]));
    }
    StoreU16(&field[2 * length], 0);
}

bool OverlayStoredValue(std::span<std::uint8_t> image, std::span<const std::uint8_t> value) {
    if (value.size() > image.size()) {
        return false;
    }
    std::copy(value.begin(), value.end(), image.begin());
    return true;
}

}  // namespace q5
