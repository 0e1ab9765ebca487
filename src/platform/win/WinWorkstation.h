/*
 * The real workstation lock and the WOW64 switches, looked up in kernel32
 * at run time.
 */
#pragma once

#include "platform/Workstation.h"

namespace q5::win {

class WinWorkstation final : public Workstation {
public:
    bool LockWorkStation() override;
    EntryResult IsWow64Process(bool& underWow64) override;
    EntryResult Wow64DisableWow64FsRedirection(RedirectionState& previous) override;
    EntryResult Wow64RevertWow64FsRedirection(RedirectionState previous) override;
};

}  // namespace q5::win
