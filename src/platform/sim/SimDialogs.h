/*
 * Simulated message boxes: each is recorded in the journal and answered at
 * once with the scripted answer (OK unless told otherwise).
 */
#pragma once

#include "platform/Dialogs.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

class SimDialogs final : public Dialogs {
public:
    explicit SimDialogs(CallJournal& journal) : journal_(journal) {}

    int MessageBoxW(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                    std::uint32_t type) override;

    void SetAnswer(int answer) { answer_ = answer; }

private:
    CallJournal& journal_;
    int answer_ = kIdOk;
};

}  // namespace q5::sim
