#include "PushCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "ToolArguments.h"
#include "device/CUSBDriver.h"
#include "device/DevicePresence.h"
#include "model/ButtonSetting.h"
#include "model/ByteImage.h"
#include "platform/sim/SimPlatform.h"

namespace q5::tool {
namespace {

constexpr WindowHandle kToolDialog{0x10};
constexpr int kExitPushFailed = 1;

struct PushOptions {
    std::optional<std::string> settingsPath;
    bool hex = false;
};

// Parses the options; returns the exit status to end with, or -1 to go on.
int ParseOptions(std::span<const std::string_view> args, PushOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--hex") {
            options.hex = true;
        } else if (args[i] == "--settings") {
            if (i + 1 >= args.size()) {
                return UsageError("--settings needs a value");
            }
            options.settingsPath = std::string(args[++i]);
        } else {
            return UsageError("push: unknown argument '" + std::string(args[i]) + "'");
        }
    }
    return -1;
}

void PrintCommands(const sim::SimReceiver& receiver, bool hex) {
    for (const sim::ReceivedCommand& received : receiver.Commands()) {
        std::printf("%s\n", sim::FormatReceivedCommand(received.record).c_str());
        if (hex) {
            std::printf("%s\n", sim::FormatCommandBytes(received.record).c_str());
        }
    }
}

}  // namespace

int RunPush(std::span<const std::string_view> args) {
    PushOptions options;
    if (const int status = ParseOptions(args, options); status >= 0) {
        return status;
    }
    ButtonSetting working = ButtonSetting::Factory();
    if (options.settingsPath) {
        const auto bytes = ReadFileBytes(*options.settingsPath);
        if (!bytes) {
            return UsageError("cannot read settings file '" + *options.settingsPath + "'");
        }
        // A value longer than the image is not taken, as the registry read does.
        OverlayStoredValue(std::span(working.data(), ButtonSetting::kSize), *bytes);
    }

    sim::SimPlatform sim;
    sim.receiver.PlugIn();
    bool pushed = false;
    {
        CUSBDriver driver(sim.platform());
        DevicePresence presence(sim.platform(), driver, kToolDialog, working);
        driver.StartDriverThread(kToolDialog);
        pushed = driver.OpenDevice() && presence.PushConfiguration();
    }
    PrintCommands(sim.receiver, options.hex);
    return pushed ? 0 : kExitPushFailed;
}

}  // namespace q5::tool
