/*
 * Debugger lines through OutputDebugStringW.
 */
#pragma once

#include "platform/DebugOutput.h"

namespace q5::win {

class WinDebugOutput final : public DebugOutput {
public:
    void OutputDebugStringW(std::u16string_view text) override;
};

}  // namespace q5::win
