/*
 * Simulated libraries: a test adds a library with the names it exports and
 * hands its module handle to the code under test; every lookup and every
 * entry called is kept in order.
 */
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Modules.h"

namespace q5::sim {

struct EntryCallRecord {
    std::string entry;
    WindowHandle window;
    bool operator==(const EntryCallRecord&) const = default;
};

class SimModules final : public Modules {
public:
    ModuleHandle AddModule(std::set<std::string, std::less<>> exports);

    const std::vector<std::string>& Lookups() const { return lookups_; }
    const std::vector<EntryCallRecord>& EntryCalls() const { return calls_; }

    EntryAddress GetProcAddress(ModuleHandle module, std::string_view name) override;
    void CallWindowEntry(EntryAddress entry, WindowHandle window) override;

private:
    std::map<std::uintptr_t, std::set<std::string, std::less<>>> modules_;
    std::map<std::uintptr_t, std::string> entries_;
    std::vector<std::string> lookups_;
    std::vector<EntryCallRecord> calls_;
    std::uintptr_t nextModule_ = 0x10000000;
    std::uintptr_t nextEntry_ = 0x10001000;
};

}  // namespace q5::sim
