/*
 * The capture of the combination-key dialog: from the hook library's key
 * reports it collects the held modifiers and up to two other keys while the
 * key that began the capture is held. The dialog window only forwards the
 * reports and draws what this class holds.
 */
#pragma once

#include <array>
#include <cstdint>

namespace q5 {

// Modifier mask bits of a combination.
inline constexpr std::uint8_t kComboCtrl = 0x01;
inline constexpr std::uint8_t kComboShift = 0x02;
inline constexpr std::uint8_t kComboAlt = 0x04;
inline constexpr std::uint8_t kComboWin = 0x08;

class ComboCapture {
public:
    // What one report did.
    struct Outcome {
        // The report was used (the dialog's handler result 1); false for an
        // auto-repeated report and for mouse buttons (result 0).
        bool accepted = false;
        // The combination text area must be repainted.
        bool repaint = false;
    };

    Outcome OnKeyReport(std::uint32_t key, std::uint32_t flags);

    bool Capturing() const { return m_capturing; }
    // Modifier mask, first key, second key.
    std::array<std::uint8_t, 3> Result() const { return {m_mask, m_first, m_second}; }

private:
    void StartCapture(std::uint32_t key);
    void TakePress(std::uint8_t key);

    std::uint8_t m_mask = 0;
    std::uint8_t m_first = 0;
    std::uint8_t m_second = 0;
    std::uint32_t m_lastKey = 0;
    std::uint32_t m_lastFlags = 0;
    std::uint32_t m_startKey = 0;
    bool m_capturing = false;
};

}  // namespace q5
