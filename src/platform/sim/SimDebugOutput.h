/*
 * Debugger lines of the simulated desktop, recorded in the journal.
 */
#pragma once

#include "platform/DebugOutput.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

class SimDebugOutput final : public DebugOutput {
public:
    explicit SimDebugOutput(CallJournal& journal) : journal_(journal) {}

    void OutputDebugStringW(std::u16string_view text) override {
        journal_.Record(DebugCall{std::u16string(text)});
    }

private:
    CallJournal& journal_;
};

}  // namespace q5::sim
