#include "platform/sim/SimWorkstation.h"

namespace q5::sim {

bool SimWorkstation::LockWorkStation() {
    journal_.Record(LockCall{});
    return true;
}

EntryResult SimWorkstation::IsWow64Process(bool& underWow64) {
    if (isWow64Entry_ == EntryResult::kSucceeded) {
        underWow64 = underWow64_;
    }
    return isWow64Entry_;
}

EntryResult SimWorkstation::Wow64DisableWow64FsRedirection(RedirectionState& previous) {
    if (disableEntry_ == EntryResult::kMissing) {
        return disableEntry_;
    }
    journal_.Record(RedirectionCall{true, 0});
    if (disableEntry_ == EntryResult::kSucceeded) {
        previous = kRedirectionOn;
        redirectionOff_ = true;
    }
    return disableEntry_;
}

EntryResult SimWorkstation::Wow64RevertWow64FsRedirection(RedirectionState previous) {
    if (revertEntry_ == EntryResult::kMissing) {
        return revertEntry_;
    }
    journal_.Record(RedirectionCall{false, previous});
    if (revertEntry_ == EntryResult::kSucceeded && previous == kRedirectionOn) {
        redirectionOff_ = false;
    }
    return revertEntry_;
}

}  // namespace q5::sim
