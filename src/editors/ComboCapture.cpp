#include "editors/ComboCapture.h"

#include "editors/KeyNames.h"
#include "editors/KeyReport.h"

namespace q5 {
namespace {

struct ModifierKey {
    std::uint8_t key;
    std::uint8_t bit;
};

// Side-neutral and left/right codes alike set the modifier's bit.
constexpr ModifierKey kModifierKeys[] = {
    {0x10, kComboShift}, {0xA0, kComboShift}, {0xA1, kComboShift}, {0x11, kComboCtrl},
    {0xA2, kComboCtrl},  {0xA3, kComboCtrl},  {0x12, kComboAlt},   {0xA4, kComboAlt},
    {0xA5, kComboAlt},   {0x5B, kComboWin},   {0x5C, kComboWin},
};

std::uint8_t ModifierBit(std::uint8_t key) {
    for (const auto& modifier : kModifierKeys) {
        if (modifier.key == key) {
            return modifier.bit;
        }
    }
    return 0;
}

bool IsMouseButton(std::uint8_t key) {
    return key == kKeyCodeLeftButton || key == kKeyCodeRightButton || key == kKeyCodeMiddleButton;
}

}  // namespace

ComboCapture::Outcome ComboCapture::OnKeyReport(std::uint32_t key, std::uint32_t flags) {
    const auto code = static_cast<std::uint8_t>(key & 0xFF);
    // A combination is pressed on the keyboard; the clicks that reach OK or
    // Cancel must not start a new capture and wipe it.
    if (IsMouseButton(code)) {
        return {};
    }
    if (key == m_lastKey && flags == m_lastFlags) {
        return {};  // auto-repeat of a held key
    }
    const bool released = (flags & kKeyReportReleased) != 0;
    Outcome outcome{true, false};
    if (!m_capturing && !released) {
        StartCapture(key);
    }
    if (m_capturing && released && key == m_startKey) {
        m_capturing = false;
    }
    if (m_capturing && !released) {
        TakePress(code);
        outcome.repaint = true;
    }
    m_lastKey = key;
    m_lastFlags = flags;
    return outcome;
}

void ComboCapture::StartCapture(std::uint32_t key) {
    m_startKey = key;
    m_capturing = true;
    m_mask = 0;
    m_first = 0;
    m_second = 0;
}

void ComboCapture::TakePress(std::uint8_t key) {
    if (const std::uint8_t bit = ModifierBit(key)) {
        m_mask |= bit;
    } else if (m_first == 0 || m_first == key) {
        m_first = key;
    } else if (m_second == 0) {
        m_second = key;
    }
}

}  // namespace q5
