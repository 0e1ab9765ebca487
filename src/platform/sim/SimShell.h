/*
 * The simulated shell: records every request in the journal and reports
 * success.
 */
#pragma once

#include "platform/Shell.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

class SimShell final : public Shell {
public:
    explicit SimShell(CallJournal& journal) : journal_(journal) {}

    std::intptr_t ShellExecuteW(WindowHandle owner, std::u16string_view operation,
                                std::u16string_view file, std::u16string_view parameters,
                                std::u16string_view directory, std::int32_t showCommand) override;

private:
    static constexpr std::intptr_t kOpened = 42;

    CallJournal& journal_;
};

}  // namespace q5::sim
