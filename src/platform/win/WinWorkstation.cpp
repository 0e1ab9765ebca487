#include "platform/win/WinWorkstation.h"

#include <windows.h>

namespace q5::win {
namespace {

using IsWow64ProcessEntry = BOOL(WINAPI*)(HANDLE, PBOOL);
using DisableRedirectionEntry = BOOL(WINAPI*)(PVOID*);
using RevertRedirectionEntry = BOOL(WINAPI*)(PVOID);

template <typename Entry>
Entry KernelEntry(const char* name) {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32");
    if (!kernel) {
        return nullptr;
    }
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(::GetProcAddress(kernel, name)));
}

EntryResult Result(BOOL succeeded) {
    return succeeded ? EntryResult::kSucceeded : EntryResult::kFailed;
}

}  // namespace

bool WinWorkstation::LockWorkStation() {
    return ::LockWorkStation() != FALSE;
}

EntryResult WinWorkstation::IsWow64Process(bool& underWow64) {
    const auto entry = KernelEntry<IsWow64ProcessEntry>("IsWow64Process");
    if (!entry) {
        return EntryResult::kMissing;
    }
    BOOL wow64 = FALSE;
    const BOOL succeeded = entry(::GetCurrentProcess(), &wow64);
    underWow64 = wow64 != FALSE;
    return Result(succeeded);
}

EntryResult WinWorkstation::Wow64DisableWow64FsRedirection(RedirectionState& previous) {
    const auto entry = KernelEntry<DisableRedirectionEntry>("Wow64DisableWow64FsRedirection");
    if (!entry) {
        return EntryResult::kMissing;
    }
    PVOID state = nullptr;
    const BOOL succeeded = entry(&state);
    previous = reinterpret_cast<RedirectionState>(state);
    return Result(succeeded);
}

EntryResult WinWorkstation::Wow64RevertWow64FsRedirection(RedirectionState previous) {
    const auto entry = KernelEntry<RevertRedirectionEntry>("Wow64RevertWow64FsRedirection");
    if (!entry) {
        return EntryResult::kMissing;
    }
    return Result(entry(reinterpret_cast<PVOID>(previous)));
}

}  // namespace q5::win
