/*
 * MacroList: the macro editor's working list of macros. Position i is macro
 * number i. It is filled from the macro table when the editor opens and only
 * reaches the table when the user confirms the editor.
 */
#pragma once

#include <cstddef>
#include <vector>

#include "editors/MacroInfo.h"
#include "editors/MacroTable.h"

namespace q5 {

class MacroList {
public:
    // Empties the list, then appends the table's macros in use in order.
    void LoadMacroList(const MacroTable& table);

    // Zero-fills the table, then copies the first entries (at most 99) into
    // its slots and sets its count.
    void StoreInto(MacroTable& table) const;

    // The entry at `position`, or null when the position is negative or not
    // below the list's length.
    tagMACROINFO* FindMacro(int position);
    const tagMACROINFO* FindMacro(int position) const;

    void Append(const tagMACROINFO& macro) { macros_.push_back(macro); }
    // Removes the entry at `position`; later entries move down one place.
    bool Remove(int position);

    std::size_t size() const { return macros_.size(); }
    bool empty() const { return macros_.empty(); }
    bool full() const { return macros_.size() >= MacroTable::kMaxMacros; }

private:
    std::vector<tagMACROINFO> macros_;
};

}  // namespace q5
