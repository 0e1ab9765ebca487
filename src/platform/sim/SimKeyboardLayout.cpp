#include "platform/sim/SimKeyboardLayout.h"

#include <array>

#include "platform/Input.h"

namespace q5::sim {
namespace {

struct KeyEntry {
    std::uint8_t vk;
    std::uint8_t scan;
    char character;
};

// Ordered so that the first entry with a scan code is the key that
// MAPVK_VSC_TO_VK reports for it (the side-neutral modifier, the main
// block before the keypad).
constexpr KeyEntry kKeys[] = {
    {0x1B, 0x01, 0x1B},
    {'1', 0x02, '1'},
    {'2', 0x03, '2'},
    {'3', 0x04, '3'},
    {'4', 0x05, '4'},
    {'5', 0x06, '5'},
    {'6', 0x07, '6'},
    {'7', 0x08, '7'},
    {'8', 0x09, '8'},
    {'9', 0x0A, '9'},
    {'0', 0x0B, '0'},
    {0xBD, 0x0C, '-'},
    {0xBB, 0x0D, '='},
    {0x08, 0x0E, 0x08},
    {0x09, 0x0F, 0x09},
    {'Q', 0x10, 'Q'},
    {'W', 0x11, 'W'},
    {'E', 0x12, 'E'},
    {'R', 0x13, 'R'},
    {'T', 0x14, 'T'},
    {'Y', 0x15, 'Y'},
    {'U', 0x16, 'U'},
    {'I', 0x17, 'I'},
    {'O', 0x18, 'O'},
    {'P', 0x19, 'P'},
    {0xDB, 0x1A, '['},
    {0xDD, 0x1B, ']'},
    {0x0D, 0x1C, 0x0D},
    {0x11, 0x1D, 0},
    {0xA2, 0x1D, 0},
    {0xA3, 0x1D, 0},
    {'A', 0x1E, 'A'},
    {'S', 0x1F, 'S'},
    {'D', 0x20, 'D'},
    {'F', 0x21, 'F'},
    {'G', 0x22, 'G'},
    {'H', 0x23, 'H'},
    {'J', 0x24, 'J'},
    {'K', 0x25, 'K'},
    {'L', 0x26, 'L'},
    {0xBA, 0x27, ';'},
    {0xDE, 0x28, '\''},
    {0xC0, 0x29, '`'},
    {0x10, 0x2A, 0},
    {0xA0, 0x2A, 0},
    {0xDC, 0x2B, '\\'},
    {'Z', 0x2C, 'Z'},
    {'X', 0x2D, 'X'},
    {'C', 0x2E, 'C'},
    {'V', 0x2F, 'V'},
    {'B', 0x30, 'B'},
    {'N', 0x31, 'N'},
    {'M', 0x32, 'M'},
    {0xBC, 0x33, ','},
    {0xBE, 0x34, '.'},
    {0xBF, 0x35, '/'},
    {0xA1, 0x36, 0},
    {0x6A, 0x37, '*'},
    {0x12, 0x38, 0},
    {0xA4, 0x38, 0},
    {0xA5, 0x38, 0},
    {0x20, 0x39, ' '},
    {0x14, 0x3A, 0},
    {0x70, 0x3B, 0},
    {0x71, 0x3C, 0},
    {0x72, 0x3D, 0},
    {0x73, 0x3E, 0},
    {0x74, 0x3F, 0},
    {0x75, 0x40, 0},
    {0x76, 0x41, 0},
    {0x77, 0x42, 0},
    {0x78, 0x43, 0},
    {0x79, 0x44, 0},
    {0x90, 0x45, 0},
    {0x91, 0x46, 0},
    {0x67, 0x47, 0},
    {0x68, 0x48, 0},
    {0x69, 0x49, 0},
    {0x6D, 0x4A, '-'},
    {0x64, 0x4B, 0},
    {0x65, 0x4C, 0},
    {0x66, 0x4D, 0},
    {0x6B, 0x4E, '+'},
    {0x61, 0x4F, 0},
    {0x62, 0x50, 0},
    {0x63, 0x51, 0},
    {0x60, 0x52, 0},
    {0x6E, 0x53, '.'},
    {0x2C, 0x54, 0},
    {0xE2, 0x56, '\\'},
    {0x7A, 0x57, 0},
    {0x7B, 0x58, 0},
    {0x7C, 0x64, 0},
    {0x7D, 0x65, 0},
    {0x7E, 0x66, 0},
    {0x7F, 0x67, 0},
    {0x80, 0x68, 0},
    {0x81, 0x69, 0},
    {0x82, 0x6A, 0},
    {0x83, 0x6B, 0},
    {0x84, 0x6C, 0},
    {0x85, 0x6D, 0},
    {0x86, 0x6E, 0},
    {0x87, 0x76, 0},
    // Extended keys: the same scan codes as their keypad twins.
    {0x24, 0x47, 0},
    {0x26, 0x48, 0},
    {0x21, 0x49, 0},
    {0x25, 0x4B, 0},
    {0x0C, 0x4C, 0},
    {0x27, 0x4D, 0},
    {0x23, 0x4F, 0},
    {0x28, 0x50, 0},
    {0x22, 0x51, 0},
    {0x2D, 0x52, 0},
    {0x2E, 0x53, 0},
    {0x6F, 0x35, '/'},
    {0x13, 0x45, 0},
    {0x5B, 0x5B, 0},
    {0x5C, 0x5C, 0},
    {0x5D, 0x5D, 0},
    {0xAD, 0x20, 0},
    {0xAE, 0x2E, 0},
    {0xAF, 0x30, 0},
    {0xB0, 0x19, 0},
    {0xB1, 0x10, 0},
    {0xB2, 0x24, 0},
    {0xB3, 0x22, 0},
};

// The first entry of every key code, indexed by the code: a macro played
// back looks up every key it sends.
const KeyEntry* FindByVk(std::uint8_t vk) {
    static const std::array<const KeyEntry*, 256> byVk = [] {
        std::array<const KeyEntry*, 256> index{};
        for (const auto& key : kKeys) {
            if (!index[key.vk]) {
                index[key.vk] = &key;
            }
        }
        return index;
    }();
    return byVk[vk];
}

}  // namespace

bool SimKeyboardLayout::IsDeadKey(SimLayoutVariant variant, std::uint8_t vk) {
    constexpr std::uint8_t kApostropheKey = 0xDE;
    constexpr std::uint8_t kGraveKey = 0xC0;
    return variant == SimLayoutVariant::UnitedStatesInternational &&
           (vk == kApostropheKey || vk == kGraveKey);
}

std::uint8_t SimKeyboardLayout::ScanCode(std::uint8_t vk) {
    const KeyEntry* key = FindByVk(vk);
    return key ? key->scan : 0;
}

std::uint8_t SimKeyboardLayout::VirtualKey(std::uint8_t scan) {
    for (const auto& key : kKeys) {
        if (key.scan == scan) {
            return key.vk;
        }
    }
    return 0;
}

char SimKeyboardLayout::Character(std::uint8_t vk) {
    const KeyEntry* key = FindByVk(vk);
    return key ? key->character : '\0';
}

char SimKeyboardLayout::Character(std::uint8_t vk, const std::array<std::uint8_t, 256>& keyState) {
    constexpr std::uint8_t kDown = 0x80;
    constexpr std::uint8_t kToggled = 0x01;
    if ((keyState[0x11] & kDown) || (keyState[0x12] & kDown)) {
        return '\0';
    }
    const char c = Character(vk);
    if (c >= 'A' && c <= 'Z' && vk >= 'A' && vk <= 'Z') {
        const bool upper = ((keyState[0x10] & kDown) != 0) != ((keyState[0x14] & kToggled) != 0);
        return upper ? c : static_cast<char>(c - 'A' + 'a');
    }
    return c;
}

std::uint32_t SimKeyboardLayout::Map(std::uint32_t code, std::uint32_t mapType) {
    if (code > 0xFF) {
        return 0;
    }
    const auto byte = static_cast<std::uint8_t>(code);
    switch (mapType) {
        case kMapVkToVsc:
            return ScanCode(byte);
        case kMapVscToVk:
            return VirtualKey(byte);
        case kMapVkToChar:
            return static_cast<unsigned char>(Character(byte));
        default:
            return 0;
    }
}

}  // namespace q5::sim
