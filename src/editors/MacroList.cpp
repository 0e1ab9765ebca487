#include "editors/MacroList.h"

#include <algorithm>

namespace q5 {

void MacroList::LoadMacroList(const MacroTable& table) {
    macros_.assign(table.macros.begin(),
                   table.macros.begin() + static_cast<std::ptrdiff_t>(table.count()));
}

void MacroList::StoreInto(MacroTable& table) const {
    for (auto& macro : table.macros) {
        macro = tagMACROINFO{};
    }
    const std::size_t n = std::min(macros_.size(), MacroTable::kMaxMacros);
    std::copy_n(macros_.begin(), n, table.macros.begin());
    table.setCount(static_cast<std::uint32_t>(n));
}

tagMACROINFO* MacroList::FindMacro(int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= macros_.size()) {
        return nullptr;
    }
    return &macros_[static_cast<std::size_t>(position)];
}

const tagMACROINFO* MacroList::FindMacro(int position) const {
    return const_cast<MacroList*>(this)->FindMacro(position);
}

bool MacroList::Remove(int position) {
    if (!FindMacro(position)) {
        return false;
    }
    macros_.erase(macros_.begin() + position);
    return true;
}

}  // namespace q5
