/*
 * Locking the workstation, and the WOW64 switches that a 32-bit process on
 * 64-bit Windows needs around it (LockWorkStation, IsWow64Process,
 * Wow64DisableWow64FsRedirection, Wow64RevertWow64FsRedirection). The WOW64
 * entries are looked up in kernel32 at run time, since older releases lack
 * them; a missing entry is told apart from a failed call.
 */
#pragma once

#include <cstdint>

namespace q5 {

enum class EntryResult {
    kMissing,  // this Windows does not have the entry
    kFailed,
    kSucceeded,
};

// The redirection state that disabling returns and reverting takes back.
using RedirectionState = std::uintptr_t;

class Workstation {
public:
    virtual ~Workstation() = default;

    virtual bool LockWorkStation() = 0;
    virtual EntryResult IsWow64Process(bool& underWow64) = 0;
    virtual EntryResult Wow64DisableWow64FsRedirection(RedirectionState& previous) = 0;
    virtual EntryResult Wow64RevertWow64FsRedirection(RedirectionState previous) = 0;
};

}  // namespace q5
