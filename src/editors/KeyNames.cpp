#include "editors/KeyNames.h"

#include <optional>
#include <string_view>

namespace q5 {
namespace {

struct NamedKey {
    std::uint8_t code;
    std::u16string_view name;
};

constexpr NamedKey kNames[] = {
    {0x00, u""},
    {0xFF, u""},
    {0x08, u"Backspace"},
    {0x09, u"Tab"},
    {0x0C, u"Clr"},
    {0x0D, u"Enter"},
    {0x2B, u"Enter"},
    {0x10, u"Shift"},
    {0x11, u"Ctrl"},
    {0x12, u"Alt"},
    {0x13, u"Pause"},
    {0x14, u"CapsLock"},
    {0x1B, u"Esc"},
    {0x20, u"Space"},
    {0x21, u"PageUp"},
    {0x22, u"PageDown"},
    {0x23, u"End"},
    {0x24, u"Home"},
    {0x25, u"Left"},
    {0x26, u"Up"},
    {0x27, u"Right"},
    {0x28, u"Down"},
    {0x29, u"Select"},
    {0x2A, u"Print"},
    {0x2C, u"Snapshot"},
    {0x2D, u"Insert"},
    {0x2E, u"Delete"},
    {0x2F, u"Help"},
    {0x5B, u"LWin"},
    {0x5C, u"RWin"},
    {0x5D, u"App"},
    {0x60, u"(0)"},
    {0x61, u"(1)"},
    {0x62, u"(2)"},
    {0x63, u"(3)"},
    {0x64, u"(4)"},
    {0x65, u"(5)"},
    {0x66, u"(6)"},
    {0x67, u"(7)"},
    {0x68, u"(8)"},
    {0x69, u"(9)"},
    {0x6A, u"(*)"},
    {0x6B, u"(+)"},
    {0x6C, u"\\"},
    {0x6D, u"(-)"},
    {0x6E, u"(.)"},
    {0x6F, u"(/)"},
    {0x70, u"F1"},
    {0x71, u"F2"},
    {0x72, u"F3"},
    {0x73, u"F4"},
    {0x74, u"F5"},
    {0x75, u"F6"},
    {0x76, u"F7"},
    {0x77, u"F8"},
    {0x78, u"F9"},
    {0x79, u"F10"},
    {0x7A, u"F11"},
    {0x7B, u"F12"},
    {0x90, u"Numlock"},
    {0x91, u"Scroll Lock"},
    {0xA0, u"LShift"},
    {0xA1, u"RShift"},
    {0xA2, u"LCtrl"},
    {0xA3, u"RCtrl"},
    {0xA4, u"LAlt"},
    {0xA5, u"RAlt"},
    {0xC1, u"LButton"},
    {0xC2, u"RButton"},
    {0xC3, u"MButton"},
};

std::optional<std::u16string_view> TableName(std::uint8_t code) {
    for (const auto& key : kNames) {
        if (key.code == code) {
            return key.name;
        }
    }
    return std::nullopt;
}

// The character the key types with no other key held (a dead key: its
// accent); empty when the layout gives it none.
std::u16string LayoutName(Input& input, std::uint8_t code) {
    const KeyState noKeys{};
    std::uint16_t character = 0;
    const std::uint32_t scan = input.MapVirtualKeyW(code, kMapVkToVsc);
    if (input.ToAscii(code, scan, noKeys, character, 0) == 0) {
        return {};
    }
    auto c = static_cast<char16_t>(character & 0xFF);
    if (c >= u'a' && c <= u'z') {
        c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return std::u16string(1, c);
}

bool HasNoDialogEntry(std::uint8_t code) {
    return code <= 0x07 || code == kKeyCodeLeftButton || code == kKeyCodeRightButton ||
           code == kKeyCodeMiddleButton;
}

using KeyNamer = std::u16string (*)(Input&, std::uint8_t);

std::u16string Compose(Input& input, std::uint8_t mask, std::uint8_t first, std::uint8_t second,
                       KeyNamer name) {
    struct Modifier {
        std::uint8_t bit;
        std::u16string_view name;
    };
    static constexpr Modifier kModifiers[] = {
        {0x01, u"Ctrl"}, {0x04, u"Alt"}, {0x02, u"Shift"}, {0x08, u"Win"}};

    // The separator goes before a part whenever the text so far is not
    // empty, so an empty key name still gets its separator.
    std::u16string text;
    auto append = [&text](std::u16string_view part) {
        if (!text.empty()) {
            text += u'+';
        }
        text += part;
    };
    for (const auto& modifier : kModifiers) {
        if (mask & modifier.bit) {
            append(modifier.name);
        }
    }
    if (first != 0) {
        append(name(input, first));
    }
    if (second != 0) {
        append(name(input, second));
    }
    return text;
}

}  // namespace

std::u16string KeyName(Input& input, std::uint8_t code) {
    if (const auto name = TableName(code)) {
        return std::u16string(*name);
    }
    return LayoutName(input, code);
}

std::u16string ComboKeyName(Input& input, std::uint8_t code) {
    if (HasNoDialogEntry(code)) {
        return LayoutName(input, code);
    }
    return KeyName(input, code);
}

std::u16string CombinationText(Input& input, std::uint8_t mask, std::uint8_t first,
                               std::uint8_t second) {
    return Compose(input, mask, first, second, &KeyName);
}

std::u16string ComboCombinationText(Input& input, std::uint8_t mask, std::uint8_t first,
                                    std::uint8_t second) {
    return Compose(input, mask, first, second, &ComboKeyName);
}

}  // namespace q5
