#include "actions/MacroPlayback.h"

#include <algorithm>

namespace q5 {

void MacroPlayback::PlayMacro(std::uint8_t macroNumber) {
    const tagMACROINFO* macro = table_.Macro(macroNumber);
    if (!macro) {
        return;
    }
    const std::int32_t repetitions = macro->playRounds();
    held_.clear();
    for (std::int32_t i = 0; i < repetitions; ++i) {
        if (!PlayOnce(*macro)) {
            ReleaseHeld();
            return;
        }
    }
}

bool MacroPlayback::ForegroundAllowsPlayback() {
    const WindowHandle foreground = platform_.windows.GetForegroundWindow();
    return foreground && platform_.windows.GetWindowTextW(foreground) != avoidTitle_;
}

bool MacroPlayback::PlayOnce(const tagMACROINFO& macro) {
    for (std::size_t i = 0; i < macro.usedSteps(); ++i) {
        if (!ForegroundAllowsPlayback()) {
            return false;
        }
        const MacroStep& step = macro.steps[i];
        const bool release = step.keyUp != 0;
        keys_.PressOrReleaseKeyCode(step.vk, release);
        NoteHeld(step.vk, release);
        if (step.delayAfter() > 0) {
            platform_.clock.Sleep(static_cast<std::uint32_t>(step.delayAfter()));
        }
    }
    return true;
}

// Keys are tracked as they reach the system: a left Ctrl pressed and a
// generic Ctrl released are the same key.
void MacroPlayback::NoteHeld(std::uint8_t code, bool released) {
    const std::uint8_t key = FoldSidedModifier(code);
    const auto held = std::find(held_.begin(), held_.end(), key);
    if (released && held != held_.end()) {
        held_.erase(held);
    } else if (!released && held == held_.end()) {
        held_.push_back(key);
    }
}

// In reverse order of pressing, as a person lets go of a chord.
void MacroPlayback::ReleaseHeld() {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
        keys_.PressOrReleaseKeyCode(*it, true);
    }
    held_.clear();
}

}  // namespace q5
