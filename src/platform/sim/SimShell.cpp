#include "platform/sim/SimShell.h"

namespace q5::sim {

std::intptr_t SimShell::ShellExecuteW(WindowHandle owner, std::u16string_view operation,
                                      std::u16string_view file, std::u16string_view parameters,
                                      std::u16string_view directory, std::int32_t showCommand) {
    journal_.Record(ShellCall{std::u16string(operation), std::u16string(file),
                              std::u16string(parameters), std::u16string(directory), owner.value,
                              showCommand});
    return kOpened;
}

}  // namespace q5::sim
