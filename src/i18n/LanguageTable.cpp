#include "i18n/LanguageTable.h"

#include <algorithm>

namespace q5 {
namespace {

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

void LanguageTable::Load(std::u16string_view path) {
    if (reader_.LoadFile(path)) {
        reader_.Parse();
    }
    const std::u16string section(kSection);
    for (const LanguageLookup& lookup : kLanguageLookups) {
        slots_[lookup.slot] = Lookup(section, Widen(lookup.key));
    }
}

std::u16string LanguageTable::Lookup(std::u16string_view section, std::u16string_view key) {
    reader_.Rewind();
    // Each pass enters one level deeper, so the search ends.
    while (reader_.FindNextChild(section)) {
        reader_.StepIntoChild();
        if (reader_.FindNextChild(key)) {
            return reader_.ChildText();
        }
    }
    return {};
}

const std::u16string& LanguageTable::Text(std::string_view slotName) const {
    static const std::u16string kNone;
    const auto found = std::find(kLanguageSlotNames.begin(), kLanguageSlotNames.end(), slotName);
    if (found == kLanguageSlotNames.end()) {
        return kNone;
    }
    return slots_[static_cast<std::size_t>(found - kLanguageSlotNames.begin())];
}

}  // namespace q5
