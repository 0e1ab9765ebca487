/*
 * The simulated running processes: a list of executable names that a
 * snapshot copies when it is taken. Taking a snapshot, or reading its first
 * entry, can be made to fail; open snapshots are counted so that a test can
 * see each one closed.
 */
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/Processes.h"

namespace q5::sim {

class SimProcesses final : public Processes {
public:
    void AddProcess(std::u16string exeName) { running_.push_back(std::move(exeName)); }
    void SetSnapshotFailing(bool failing) { snapshotFails_ = failing; }
    void SetFirstEntryFailing(bool failing) { firstEntryFails_ = failing; }
    std::size_t OpenSnapshots() const { return snapshots_.size(); }
    std::size_t SnapshotsTaken() const { return taken_; }

    ProcessSnapshot CreateProcessSnapshot() override;
    bool Process32FirstW(ProcessSnapshot snapshot, std::u16string& exeName) override;
    bool Process32NextW(ProcessSnapshot snapshot, std::u16string& exeName) override;
    void CloseSnapshot(ProcessSnapshot snapshot) override;

private:
    struct Snapshot {
        std::vector<std::u16string> names;
        std::size_t next = 0;
    };

    bool Read(ProcessSnapshot snapshot, std::u16string& exeName);

    std::vector<std::u16string> running_;
    std::map<std::uintptr_t, Snapshot> snapshots_;
    std::uintptr_t nextHandle_ = 0x100;
    std::size_t taken_ = 0;
    bool snapshotFails_ = false;
    bool firstEntryFails_ = false;
};

}  // namespace q5::sim
