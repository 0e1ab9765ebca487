/*
 * The running processes, read through a snapshot as CreateToolhelp32Snapshot
 * (TH32CS_SNAPPROCESS), Process32FirstW, Process32NextW and CloseHandle do.
 */
#pragma once

#include <cstdint>
#include <string>

namespace q5 {

// An open process snapshot; 0 is no snapshot.
struct ProcessSnapshot {
    std::uintptr_t value = 0;
    explicit operator bool() const { return value != 0; }
};

class Processes {
public:
    virtual ~Processes() = default;

    // No snapshot when it cannot be taken.
    virtual ProcessSnapshot CreateProcessSnapshot() = 0;
    // The executable name of the first or the next process; false when there
    // is none left or the entry cannot be read.
    virtual bool Process32FirstW(ProcessSnapshot snapshot, std::u16string& exeName) = 0;
    virtual bool Process32NextW(ProcessSnapshot snapshot, std::u16string& exeName) = 0;
    virtual void CloseSnapshot(ProcessSnapshot snapshot) = 0;
};

}  // namespace q5
