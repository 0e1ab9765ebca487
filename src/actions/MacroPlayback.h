/*
 * Playback of a recorded macro from the macro table: its events one by one
 * through the recorded-key player, with the recorded pauses, repeated when
 * the macro loops. Playback stops at once when the window in the foreground
 * carries the title to avoid (the tray icon's tip text), and then lets go of
 * every key and mouse button that it pressed and had not yet released, so no
 * modifier stays stuck.
 */
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "actions/KeyCodePlayer.h"
#include "actions/MacroPlayer.h"
#include "editors/MacroTable.h"
#include "platform/Platform.h"

namespace q5 {

class MacroPlayback final : public MacroPlayer {
public:
    // Playback stops when the foreground window carries `avoidTitle` (the
    // tray tip); the playback keeps its own copy of the text.
    MacroPlayback(Platform platform, KeyCodePlayer& keys, const MacroTable& table,
                  std::u16string avoidTitle)
        : platform_(platform), keys_(keys), table_(table), avoidTitle_(std::move(avoidTitle)) {}

    void PlayMacro(std::uint8_t macroNumber) override;
    // A new tray tip, after a change of language; read at every step.
    void SetAvoidTitle(std::u16string title) { avoidTitle_ = std::move(title); }

private:
    bool ForegroundAllowsPlayback();
    bool PlayOnce(const tagMACROINFO& macro);
    void NoteHeld(std::uint8_t code, bool released);
    void ReleaseHeld();

    Platform platform_;
    KeyCodePlayer& keys_;
    const MacroTable& table_;
    std::u16string avoidTitle_;
    std::vector<std::uint8_t> held_;  // pressed by this playback, not yet released
};

}  // namespace q5
