/*
 * Lines for an attached debugger (OutputDebugStringW); invisible otherwise.
 */
#pragma once

#include <string_view>

namespace q5 {

class DebugOutput {
public:
    virtual ~DebugOutput() = default;

    virtual void OutputDebugStringW(std::u16string_view text) = 0;
};

}  // namespace q5
