/*
 * The texts of the user interface: the slots that hold them and the lookups
 * that fill them from the language file, in the order they are made.
 *
 * A slot is named by the key that fills it. `tc_reset`, `tc_kbmedia_pre` and
 * `tc_kbmedia_next` fill two slots each (the second named with "#2"), read
 * by different screens. `tc_kbmedia_back` and `tc_kbmedia_forword` have no
 * slot of their own: they are read last into the slots of `tc_back` and
 * `tc_forward`. `tc_office_word` and `tc_office_excel` are read twice into
 * their own slot.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace q5 {

inline constexpr std::size_t kLanguageSlotCount = 169;
inline constexpr std::size_t kLanguageLookupCount = 173;
inline constexpr std::size_t kLanguageKeyCount = 168;

struct LanguageLookup {
    std::string_view key;
    std::uint8_t slot;  // index into kLanguageSlotNames
};

// In the order the lookups first write them.
extern const std::array<std::string_view, kLanguageSlotCount> kLanguageSlotNames;
extern const std::array<LanguageLookup, kLanguageLookupCount> kLanguageLookups;

}  // namespace q5
