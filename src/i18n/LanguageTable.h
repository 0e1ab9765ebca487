/*
 * Every text the user interface shows, read once at start-up from
 * language.xml beside the executable: one slot per key of the `config`
 * section. There is no built-in language; a key the file lacks leaves its
 * slot empty. Read-only after Load.
 */
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "i18n/LanguageKeys.h"
#include "i18n/XmlReader.h"
#include "platform/TextFiles.h"

namespace q5 {

class LanguageTable {
public:
    static constexpr std::u16string_view kFileName = u"language.xml";
    static constexpr std::u16string_view kSection = u"config";

    explicit LanguageTable(TextFiles& files) : reader_(files) {}

    // Fills every slot from the file at `path`; failures are silent and
    // leave the slots the file does not fill empty.
    void Load(std::u16string_view path);

    // The text of `key` in the first `section` under the root (or in a
    // section nested in it, searched downwards); empty when absent.
    std::u16string Lookup(std::u16string_view section, std::u16string_view key);

    // The slot named `slotName` ("tc_ok", "tc_reset#2"); empty for a name
    // that is no slot.
    const std::u16string& Text(std::string_view slotName) const;
    const std::u16string& Slot(std::size_t index) const { return slots_[index]; }

    const XmlReader& Reader() const { return reader_; }

private:
    XmlReader reader_;
    std::array<std::u16string, kLanguageSlotCount> slots_;
};

}  // namespace q5
