#include "GestureCommand.h"

#include <cstdio>
#include <string>
#include <vector>

#include "ToolArguments.h"
#include "app/GestureScript.h"
#include "platform/TextFormat.h"

#if defined(_WIN32)
#include "app/win/GesturePadRemote.h"
#endif

namespace q5::tool {
namespace {

// The events of the arguments, or the exit status of a usage error.
int ParseEvents(std::span<const std::string_view> args, std::vector<TimedEvent>& events) {
    for (const std::string_view arg : args) {
        const auto event = ParseTimedEvent(arg);
        if (!event) {
            return UsageError("bad event '" + std::string(arg) +
                              "': expected CODE or CODE+MS (code in hex with 0x or decimal)");
        }
        events.push_back(*event);
    }
    if (events.empty()) {
        return UsageError("gesture needs at least one event");
    }
    if (!IsSendableScript(events)) {
        return UsageError(StringPrintf("gesture takes at most %u events, each at most %u ms "
                                       "after the previous one",
                                       static_cast<unsigned>(kMaxScriptEvents),
                                       static_cast<unsigned>(kMaxScriptDelayMs)));
    }
    return 0;
}

}  // namespace

int RunGesture(std::span<const std::string_view> args) {
    std::vector<TimedEvent> events;
    if (const int status = ParseEvents(args, events); status != 0) {
        return status;
    }
#if defined(_WIN32)
    constexpr int kExitNotDelivered = 1;
    switch (win::SendToGesturePad(events)) {
        case win::PadDelivery::Delivered:
            return 0;
        case win::PadDelivery::NoPad:
            std::fprintf(stderr, "q5tool: no Gesture Pad found: is the demo running?\n");
            return kExitNotDelivered;
        case win::PadDelivery::Refused:
            break;
    }
    std::fprintf(stderr, "q5tool: the Gesture Pad did not take the events\n");
    return kExitNotDelivered;
#else
    return UsageError("gesture needs Windows: it talks to the demo's Gesture Pad");
#endif
}

}  // namespace q5::tool
