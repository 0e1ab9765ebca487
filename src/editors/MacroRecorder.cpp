#include "editors/MacroRecorder.h"

namespace q5 {

bool MacroRecorder::Record(tagMACROINFO* macro, std::uintptr_t key, std::intptr_t flags,
                           std::uint32_t now, const RecordingOptions& options,
                           RecordedEvent& event) {
    if (IsRepeat(key, flags) || !macro) {
        return false;
    }
    tagMACROINFO copy = *macro;
    copy.setDelayFlag(options.delay ? 1 : 0);
    copy.setLoopFlag(options.loop ? 1 : 0);
    copy.setLoopCount(options.loopCount);
    const std::size_t steps = copy.stepCount();
    if (steps >= tagMACROINFO::kMaxSteps) {
        return false;
    }
    event = RecordedEvent{};
    if (options.delay && lastTick_ != 0 && steps > 0) {
        // Tick counts wrap; a distance read as negative is no pause.
        const auto distance = static_cast<std::int32_t>(now - lastTick_);
        if (distance > 0) {
            copy.steps[steps - 1].setDelayAfter(distance);
            event.pauseBefore = distance;
        }
    }
    event.step.vk = static_cast<std::uint8_t>(key & 0xFF);
    event.step.keyUp = (flags & kReportReleased) != 0 ? 1 : 0;
    copy.steps[steps] = event.step;
    copy.setStepCount(static_cast<std::uint16_t>(steps + 1));
    *macro = copy;
    lastTick_ = now;
    lastKey_ = key;
    lastFlags_ = flags;
    return true;
}

}  // namespace q5
