#include "platform/win/WinProcesses.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <tlhelp32.h>

namespace q5::win {
namespace {

static_assert(sizeof(PROCESSENTRY32W) == 568 || sizeof(PROCESSENTRY32W) == 556,
              "the process entry is 556 bytes (568 in a 64-bit program)");

HANDLE ToHandle(ProcessSnapshot snapshot) {
    return reinterpret_cast<HANDLE>(snapshot.value);
}

std::u16string ExeName(const PROCESSENTRY32W& entry) {
    std::size_t length = 0;
    while (length < MAX_PATH && entry.szExeFile[length] != L'\0') {
        ++length;
    }
    return std::u16string(reinterpret_cast<const char16_t*>(entry.szExeFile), length);
}

}  // namespace

ProcessSnapshot WinProcesses::CreateProcessSnapshot() {
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE || snapshot == nullptr) {
        return {};
    }
    return ProcessSnapshot{reinterpret_cast<std::uintptr_t>(snapshot)};
}

bool WinProcesses::Process32FirstW(ProcessSnapshot snapshot, std::u16string& exeName) {
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    if (!::Process32FirstW(ToHandle(snapshot), &entry)) {
        return false;
    }
    exeName = ExeName(entry);
    return true;
}

bool WinProcesses::Process32NextW(ProcessSnapshot snapshot, std::u16string& exeName) {
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    if (!::Process32NextW(ToHandle(snapshot), &entry)) {
        return false;
    }
    exeName = ExeName(entry);
    return true;
}

void WinProcesses::CloseSnapshot(ProcessSnapshot snapshot) {
    ::CloseHandle(ToHandle(snapshot));
}

}  // namespace q5::win
