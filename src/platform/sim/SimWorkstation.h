/*
 * The simulated workstation lock and WOW64 switches. By default the process
 * runs natively (IsWow64Process reports false); a test can make it a 32-bit
 * process on 64-bit Windows and take entries away, as older releases lack
 * them. Locks and redirection switches are recorded in the journal.
 */
#pragma once

#include "platform/Workstation.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

class SimWorkstation final : public Workstation {
public:
    static constexpr RedirectionState kRedirectionOn = 0x5A5A;

    explicit SimWorkstation(CallJournal& journal) : journal_(journal) {}

    void SetUnderWow64(bool underWow64) { underWow64_ = underWow64; }
    void SetIsWow64Entry(EntryResult result) { isWow64Entry_ = result; }
    void SetDisableEntry(EntryResult result) { disableEntry_ = result; }
    void SetRevertEntry(EntryResult result) { revertEntry_ = result; }
    // Whether file-system redirection is switched off now.
    bool RedirectionOff() const { return redirectionOff_; }

    bool LockWorkStation() override;
    EntryResult IsWow64Process(bool& underWow64) override;
    EntryResult Wow64DisableWow64FsRedirection(RedirectionState& previous) override;
    EntryResult Wow64RevertWow64FsRedirection(RedirectionState previous) override;

private:
    CallJournal& journal_;
    bool underWow64_ = false;
    bool redirectionOff_ = false;
    EntryResult isWow64Entry_ = EntryResult::kSucceeded;
    EntryResult disableEntry_ = EntryResult::kSucceeded;
    EntryResult revertEntry_ = EntryResult::kSucceeded;
};

}  // namespace q5::sim
