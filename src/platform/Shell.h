/*
 * The shell: opening a file, folder, application name or web address with
 * the program registered for it (ShellExecuteW).
 */
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/PlatformTypes.h"

namespace q5 {

inline constexpr std::int32_t kSwShowNormal = 1;

class Shell {
public:
    virtual ~Shell() = default;

    // An empty `parameters` or `directory` is passed as none. Returns the
    // shell's result: above 32 on success.
    virtual std::intptr_t ShellExecuteW(WindowHandle owner, std::u16string_view operation,
                                        std::u16string_view file, std::u16string_view parameters,
                                        std::u16string_view directory,
                                        std::int32_t showCommand) = 0;
};

}  // namespace q5
