#include "SimulateCommand.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "StoredFiles.h"
#include "ToolArguments.h"
#include "actions/ActionExecutor.h"
#include "actions/CFaceBookFunction.h"
#include "actions/KeyCodePlayer.h"
#include "actions/MacroPlayback.h"
#include "actions/MediaPlayers.h"
#include "actions/SystemFunctions.h"
#include "actions/WindowScroller.h"
#include "i18n/Unicode.h"
#include "model/ButtonSetting.h"
#include "model/GestureDispatcher.h"
#include "model/SettingsStore.h"
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

// The title of the foreground window from a moment on; no window for none.
struct ForegroundChange {
    std::optional<std::u16string> title;
    std::uint64_t fromMs = 0;
};

// The foreground window of a dry run unless told otherwise.
constexpr char16_t kDefaultForegroundTitle[] = u"Untitled - Notepad";

struct StoredFile {
    std::u16string valueName;
    std::string path;
};

struct SimulateOptions {
    unsigned osRelease = kLatestRelease;
    std::uint32_t startTick = kDefaultStartTick;
    std::vector<StoredFile> storedFiles;
    std::string languagePath;
    std::vector<ForegroundChange> foreground;
    std::vector<TimedEvent> events;
    std::vector<std::u16string> processes;
    std::vector<std::u16string> windowClasses;
};

std::optional<ForegroundChange> ParseForeground(std::string_view text) {
    ForegroundChange change;
    const auto at = text.rfind('@');
    if (at != std::string_view::npos) {
        const auto ms = ParseNumber(text.substr(at + 1), UINT32_MAX);
        if (!ms) {
            return std::nullopt;
        }
        change.fromMs = *ms;
        text = text.substr(0, at);
    }
    if (text != "-") {
        change.title = Utf8ToUtf16(text);
    }
    return change;
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
        } else if (arg == "--settings" || arg == "--macros" || arg == "--language") {
            if (!hasValue) {
                return UsageError(std::string(arg) + " needs a value");
            }
            const std::string path(args[++i]);
            if (!ReadFileBytes(path)) {
                return UsageError("cannot read '" + path + "'");
            }
            if (arg == "--language") {
                options.languagePath = path;
            } else {
                options.storedFiles.push_back(
                    {std::u16string(arg == "--settings" ? kButtonSettingValue : kMacroSettingValue),
                     path});
            }
        } else if (arg == "--foreground") {
            if (!hasValue) {
                return UsageError("--foreground needs a value");
            }
            const auto change = ParseForeground(args[++i]);
            if (!change) {
                return UsageError("bad foreground '" + std::string(args[i]) +
                                  "': expected TEXT, TEXT@MS, - or -@MS");
            }
            options.foreground.push_back(*change);
        } else if (arg == "--os-release" || arg == "--start-tick") {
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
            }
        } else if (arg.starts_with("--")) {
            return UsageError("unknown option " + std::string(arg));
        } else {
            const auto event = ParseTimedEvent(arg);
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

void ApplyForeground(sim::SimPlatform& desktop, WindowHandle window,
                     const ForegroundChange& change) {
    if (!change.title) {
        desktop.windows.SetForeground({});
        return;
    }
    desktop.windows.Find(window)->title = *change.title;
    desktop.windows.SetForeground(window);
}

// The running processes and the windows of the options; the first window
// given is the topmost and the foreground window. Without windows, the
// foreground window is a Notepad that lies nowhere under the cursor.
void SetUpDesktop(const SimulateOptions& options, sim::SimPlatform& desktop) {
    for (const auto& name : options.processes) {
        desktop.processes.AddProcess(name);
    }
    for (const auto& className : options.windowClasses) {
        desktop.windows.AddWindow({}, className, kScreen, kWindowStyle);
    }
    const WindowHandle foreground =
        options.windowClasses.empty()
            ? desktop.windows.AddWindow({}, u"Notepad", Rect{}, kWsVisible)
            : desktop.windows.FindWindowW(options.windowClasses.front().c_str(), nullptr);
    ApplyForeground(desktop, foreground, {kDefaultForegroundTitle, 0});
    for (const auto& change : options.foreground) {
        if (change.fromMs == 0) {
            ApplyForeground(desktop, foreground, change);
        } else {
            desktop.clock.After(change.fromMs, [&desktop, foreground, change] {
                ApplyForeground(desktop, foreground, change);
            });
        }
    }
    desktop.windows.SetCursor(kCursor);
}

void LoadStoredSettings(const SimulateOptions& options, sim::SimPlatform& desktop,
                        SettingsStore& store, const LanguageTable& language) {
    std::string error;
    for (const auto& file : options.storedFiles) {
        PlantStoredValue(desktop.registry, file.valueName, file.path, error);
    }
    store.ResetToFactory([&language](ActionCode code) { return LabelOfCode(language, code); });
    store.LoadSettings();
    store.Activate();
}

void Replay(const SimulateOptions& options) {
    sim::SimPlatform desktop;
    desktop.clock.SetTick(options.startTick);
    desktop.system.SetVersion(sim::SimSystemInfo::VersionOfRelease(options.osRelease));
    SetUpDesktop(options, desktop);
    ToolLanguage language;
    language.Load(options.languagePath);
    SettingsStore store(desktop.registry, desktop.dialogs);
    LoadStoredSettings(options, desktop, store, language.table);
    const std::u16string avoidTitle = language.table.Text("tc_mouse_title");

    KeyCodePlayer keys(desktop.platform());
    MacroPlayback macros(desktop.platform(), keys, store.macros(), avoidTitle);
    WindowScroller scroller(desktop.platform());
    MediaPlayers media(desktop.platform());
    SystemFunctions system(desktop.platform());
    CFaceBookFunction social(desktop.platform(), system);
    ActionExecutor executor(desktop.platform(),
                            ActionCollaborators{scroller, media, system, social, keys, macros});
    GestureDispatcher dispatcher(desktop.clock, store.active(), executor);

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
