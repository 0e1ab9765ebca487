/*
 * The real shell (ShellExecuteW).
 */
#pragma once

#include "platform/Shell.h"

namespace q5::win {

class WinShell final : public Shell {
public:
    std::intptr_t ShellExecuteW(WindowHandle owner, std::u16string_view operation,
                                std::u16string_view file, std::u16string_view parameters,
                                std::u16string_view directory, std::int32_t showCommand) override;
};

}  // namespace q5::win
