#include "SimulateCommand.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "DryRunActions.h"
#include "ToolArguments.h"
#include "actions/ActionExecutor.h"
#include "actions/CFaceBookFunction.h"
#include "actions/MediaPlayers.h"
#include "actions/SystemFunctions.h"
#include "actions/WindowScroller.h"
#include "i18n/Unicode.h"
#include "model/ButtonSetting.h"
#include "model/ByteImage.h"
#include "model/GestureDispatcher.h"
#include "platform/TextFormat.h"
#include "platform/sim/SimPlatform.h"

namespace q5::tool {
namespace {

constexpr std::uint32_t kDefaultStartTick = 100000;
constexpr unsigned kLatestRelease = 7;

// The simulated screen; the cursor rests in its middle, and every window
// given with --window covers all of it.
constexpr Rect kScreen{0, 0, 1024, 768};
constexpr Point kCursor{512, 384};
constexpr std::uint32_t kWindowStyle = kWsVisible | kWsOverlappedWindow | kWsHScroll;

struct PostedEvent {
    std::uint32_t code = 0;
    std::uint32_t delayMs = 0;  // after the previous event was posted
};

struct SimulateOptions {
    unsigned osRelease = kLatestRelease;
    std::uint32_t startTick = kDefaultStartTick;
    ButtonSetting settings = ButtonSetting::Factory();
    std::vector<PostedEvent> events;
    std::vector<std::u16string> processes;
    std::vector<std::u16string> windowClasses;
};

std::optional<PostedEvent> ParseEvent(std::string_view text) {
    PostedEvent event;
    const auto plus = text.find('+');
    if (plus != std::string_view::npos) {
        const auto delay = ParseNumber(text.substr(plus + 1), UINT32_MAX);
        if (!delay) {
            return std::nullopt;
        }
        event.delayMs = static_cast<std::uint32_t>(*delay);
        text = text.substr(0, plus);
    }
    const auto code = ParseNumber(text, UINT32_MAX);
    if (!code) {
        return std::nullopt;
    }
    event.code = static_cast<std::uint32_t>(*code);
    return event;
}

bool LoadSettingsFile(const std::string& path, ButtonSetting& settings, std::string& error) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        error = "cannot read settings file '" + path + "'";
        return false;
    }
    // A stored value longer than the image is not taken, as the registry read
    // does: the factory assignment stays.
    OverlayStoredValue(std::span(settings.data(), ButtonSetting::kSize), *bytes);
    return true;
}

// Parses the options; returns the exit status to end with, or -1 to go on.
int ParseOptions(std::span<const std::string_view> args, SimulateOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--process" || arg == "--window") {
            if (!hasValue) {
                return UsageError(std::string(arg) + " needs a value");
            }
            const std::string_view value = args[++i];
            if (value.empty()) {
                return UsageError(std::string(arg) + " needs a non-empty name");
            }
            auto& names = arg == "--process" ? options.processes : options.windowClasses;
            names.push_back(Utf8ToUtf16(value));
        } else if (arg == "--os-release" || arg == "--start-tick" || arg == "--settings") {
            if (!hasValue) {
                return UsageError(std::string(arg) + " needs a value");
            }
            const std::string_view value = args[++i];
            if (arg == "--os-release") {
                const auto release = ParseNumber(value, kLatestRelease);
                if (!release) {
                    return UsageError("--os-release takes a number from 0 to 7");
                }
                options.osRelease = static_cast<unsigned>(*release);
            } else if (arg == "--start-tick") {
                const auto tick = ParseNumber(value, UINT32_MAX);
                if (!tick) {
                    return UsageError("--start-tick takes a tick count from 0 to 4294967295");
                }
                options.startTick = static_cast<std::uint32_t>(*tick);
            } else {
                std::string error;
                if (!LoadSettingsFile(std::string(value), options.settings, error)) {
                    return UsageError(error);
                }
            }
        } else if (arg.starts_with("--")) {
            return UsageError("unknown option " + std::string(arg));
        } else {
            const auto event = ParseEvent(arg);
            if (!event) {
                return UsageError("bad event '" + std::string(arg) +
                                  "': expected CODE or CODE+MS (code in hex with 0x or decimal)");
            }
            options.events.push_back(*event);
        }
    }
    if (options.events.empty()) {
        return UsageError("simulate needs at least one event");
    }
    return -1;
}

std::string DescribeEvent(std::uint32_t code, std::uint32_t tick) {
    return StringPrintf("event 0x%08x at tick %u", code, tick);
}

// The running processes and the windows of the options; the first window
// given is the topmost and the foreground window.
void SetUpDesktop(const SimulateOptions& options, sim::SimPlatform& desktop) {
    for (const auto& name : options.processes) {
        desktop.processes.AddProcess(name);
    }
    for (const auto& className : options.windowClasses) {
        const WindowHandle window = desktop.windows.AddWindow({}, className, kScreen, kWindowStyle);
        if (!desktop.windows.GetForegroundWindow()) {
            desktop.windows.SetForeground(window);
        }
    }
    desktop.windows.SetCursor(kCursor);
}

void Replay(const SimulateOptions& options) {
    sim::SimPlatform desktop;
    desktop.clock.SetTick(options.startTick);
    desktop.system.SetVersion(sim::SimSystemInfo::VersionOfRelease(options.osRelease));
    SetUpDesktop(options, desktop);

    DryRunActions delegated(desktop.journal);
    WindowScroller scroller(desktop.platform());
    MediaPlayers media(desktop.platform());
    SystemFunctions system(desktop.platform());
    CFaceBookFunction social(desktop.platform(), system);
    ActionExecutor executor(desktop.platform(), ActionCollaborators{scroller, media, system, social,
                                                                    delegated, delegated});
    GestureDispatcher dispatcher(desktop.clock, options.settings, executor);

    // Times are kept as milliseconds since the start, so that a run crossing
    // the wrap of the tick count keeps its order.
    std::uint64_t postedAt = 0;
    std::uint64_t now = 0;
    for (const auto& event : options.events) {
        postedAt += event.delayMs;
        if (postedAt > now) {
            desktop.clock.Advance(static_cast<std::uint32_t>(postedAt - now));
            now = postedAt;
        }
        const std::uint32_t before = desktop.clock.GetTickCount();
        desktop.journal.Note(DescribeEvent(event.code, before));
        dispatcher.OnDeviceEvent(event.code);
        now += desktop.clock.GetTickCount() - before;
    }
    for (const auto& line : desktop.journal.AllLines()) {
        std::printf("%s\n", line.c_str());
    }
}

}  // namespace

int RunSimulate(std::span<const std::string_view> args) {
    SimulateOptions options;
    if (const int status = ParseOptions(args, options); status >= 0) {
        return status;
    }
    Replay(options);
    return 0;
}

}  // namespace q5::tool
