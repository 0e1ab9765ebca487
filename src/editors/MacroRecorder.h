/*
 * How one key report of the hook library becomes a step of the macro being
 * recorded: auto-repeated presses are dropped, a macro holds at most 199
 * steps, and with the delay option on the time since the previous event
 * becomes the pause after that event. The first event after the delay
 * option was switched gets no pause before it.
 */
#pragma once

#include <cstdint>

#include "editors/MacroInfo.h"

namespace q5 {

// Bit of a report's flags that marks a release.
inline constexpr std::intptr_t kReportReleased = 0x80;

// What the editor's controls say while an event is recorded.
struct RecordingOptions {
    bool delay = false;
    bool loop = false;
    std::int32_t loopCount = 0;
};

// One recorded report: the pause stored after the previous step (0: none)
// and the appended step.
struct RecordedEvent {
    std::int32_t pauseBefore = 0;
    MacroStep step;
};

class MacroRecorder {
public:
    // A report that repeats the previous one (a held key).
    bool IsRepeat(std::uintptr_t key, std::intptr_t flags) const {
        return key == lastKey_ && flags == lastFlags_;
    }

    // Records the report into `macro` (null: no macro selected) at tick
    // `now`. False when the report was ignored and nothing changed.
    bool Record(tagMACROINFO* macro, std::uintptr_t key, std::intptr_t flags, std::uint32_t now,
                const RecordingOptions& options, RecordedEvent& event);

    // After the delay option is switched the next event measures no pause.
    void ForgetLastTick() { lastTick_ = 0; }
    std::uint32_t lastTick() const { return lastTick_; }

private:
    std::uintptr_t lastKey_ = 0;
    std::intptr_t lastFlags_ = 0;
    std::uint32_t lastTick_ = 0;
};

}  // namespace q5
