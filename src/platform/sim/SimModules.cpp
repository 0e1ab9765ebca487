#include "platform/sim/SimModules.h"

namespace q5::sim {

ModuleHandle SimModules::AddModule(std::set<std::string, std::less<>> exports) {
    const ModuleHandle module{nextModule_};
    nextModule_ += 0x10000;
    modules_.emplace(module.value, std::move(exports));
    return module;
}

EntryAddress SimModules::GetProcAddress(ModuleHandle module, std::string_view name) {
    lookups_.emplace_back(name);
    const auto it = modules_.find(module.value);
    if (it == modules_.end() || !it->second.contains(name)) {
        return {};
    }
    const EntryAddress entry{nextEntry_};
    nextEntry_ += 0x10;
    entries_.emplace(entry.value, std::string(name));
    return entry;
}

void SimModules::CallWindowEntry(EntryAddress entry, WindowHandle window) {
    const auto it = entries_.find(entry.value);
    calls_.push_back(EntryCallRecord{it == entries_.end() ? std::string() : it->second, window});
}

}  // namespace q5::sim
