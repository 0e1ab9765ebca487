#include "platform/sim/SimProcesses.h"

namespace q5::sim {

ProcessSnapshot SimProcesses::CreateProcessSnapshot() {
    if (snapshotFails_) {
        return {};
    }
    const ProcessSnapshot snapshot{nextHandle_};
    nextHandle_ += 4;
    snapshots_.emplace(snapshot.value, Snapshot{running_, 0});
    ++taken_;
    return snapshot;
}

bool SimProcesses::Read(ProcessSnapshot snapshot, std::u16string& exeName) {
    const auto it = snapshots_.find(snapshot.value);
    if (it == snapshots_.end() || it->second.next >= it->second.names.size()) {
        return false;
    }
    exeName = it->second.names[it->second.next++];
    return true;
}

bool SimProcesses::Process32FirstW(ProcessSnapshot snapshot, std::u16string& exeName) {
    const auto it = snapshots_.find(snapshot.value);
    if (firstEntryFails_ || it == snapshots_.end()) {
        return false;
    }
    it->second.next = 0;
    return Read(snapshot, exeName);
}

bool SimProcesses::Process32NextW(ProcessSnapshot snapshot, std::u16string& exeName) {
    return Read(snapshot, exeName);
}

void SimProcesses::CloseSnapshot(ProcessSnapshot snapshot) {
    snapshots_.erase(snapshot.value);
}

}  // namespace q5::sim
