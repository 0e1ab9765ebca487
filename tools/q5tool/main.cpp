// q5tool: the command-line companion of the Korvo Q5 mouse program.
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

#include "LangCommand.h"
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
     "simulate [--os-release N] [--settings FILE] [--start-tick T] EVENT..."},
    {"lang", q5::tool::RunLang, "lang FILE"},
};

void PrintUsage() {
    std::fprintf(stderr, "usage:\n");
    for (const auto& command : kCommands) {
        std::fprintf(stderr, "  q5tool %.*s\n", static_cast<int>(command.usage.size()),
                     command.usage.data());
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage();
        return q5::tool::kExitUsage;
    }
    for (const auto& command : kCommands) {
        if (args[0] == command.name) {
            return command.run(std::span(args).subspan(1));
        }
    }
    q5::tool::UsageError("unknown command '" + std::string(args[0]) + "'");
    PrintUsage();
    return q5::tool::kExitUsage;
}
