// q5tool: the command-line companion of the Korvo Q5 mouse program.
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GestureCommand.h"
#include "LangCommand.h"
#include "PushCommand.h"
#include "SettingsCommand.h"
#include "SimulateCommand.h"
#include "ToolArguments.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(std::span<const std::string_view>);
    std::string_view usage;
};

constexpr Command kCommands[] = {
    {"simulate", q5::tool::RunSimulate,
     "simulate [--os-release N] [--settings FILE] [--start-tick T] [--process NAME]...\n"
     "                  [--window CLASS]... [--macros FILE] [--language FILE]\n"
     "                  [--foreground TEXT[@MS]]... EVENT..."},
    {"push", q5::tool::RunPush, "push [--settings FILE] [--hex]"},
    {"lang", q5::tool::RunLang, "lang FILE"},
    {"settings", q5::tool::RunSettings,
     "settings [--settings FILE] [--names FILE] [--macros FILE] [--language FILE]\n"
     "  q5tool settings --export FILE | --import FILE   (Windows registry; elsewhere with\n"
     "                  --settings/--names/--macros files)"},
    {"gesture", q5::tool::RunGesture, "gesture EVENT...   (Windows: to the demo's Gesture Pad)"},
};

int PrintUsage() {
    std::printf("usage:\n");
    for (const auto& command : kCommands) {
        std::printf("  q5tool %.*s\n", static_cast<int>(command.usage.size()),
                    command.usage.data());
    }
    return 0;
}

std::string CommandNames() {
    std::string names;
    for (const auto& command : kCommands) {
        names += (names.empty() ? "" : ", ") + std::string(command.name);
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        return q5::tool::UsageError("no command given (commands: " + CommandNames() +
                                    "; q5tool --help shows their arguments)");
    }
    if (args[0] == "--help" || args[0] == "help") {
        return PrintUsage();
    }
    for (const auto& command : kCommands) {
        if (args[0] == command.name) {
            return command.run(std::span(args).subspan(1));
        }
    }
    return q5::tool::UsageError("unknown command '" + std::string(args[0]) +
                                "' (commands: " + CommandNames() + ")");
}
