/*
 * Process snapshots through the tool-help functions of kernel32.
 */
#pragma once

#include "platform/Processes.h"

namespace q5::win {

class WinProcesses final : public Processes {
public:
    ProcessSnapshot CreateProcessSnapshot() override;
    bool Process32FirstW(ProcessSnapshot snapshot, std::u16string& exeName) override;
    bool Process32NextW(ProcessSnapshot snapshot, std::u16string& exeName) override;
    void CloseSnapshot(ProcessSnapshot snapshot) override;
};

}  // namespace q5::win
