/*
 * Files that stand in for the stored settings: each is planted in a simulated
 * registry as the value it imitates, so the settings store reads it exactly
 * as it reads the real value (a shorter file fills the leading bytes of the
 * image, a longer one is not read). Also the language file of a dry run.
 */
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "i18n/LanguageTable.h"
#include "model/SettingsStore.h"
#include "platform/TextFiles.h"
#include "platform/sim/SimRegistry.h"

namespace q5::tool {

// Plants the file's bytes as the registry value `valueName`; false (with a
// message in `error`) when the file cannot be read.
bool PlantStoredValue(sim::SimRegistry& registry, std::u16string_view valueName,
                      const std::string& path, std::string& error);

// A language table loaded from `path` (UTF-8), or an empty one for an empty
// path. The table needs its text files for as long as it lives.
struct ToolLanguage {
    ToolLanguage();
    std::unique_ptr<TextFiles> files;
    LanguageTable table;
    void Load(const std::string& path);
};

// The label of a code as the user interface shows it: the language text of
// the code's label key, empty when the code has none.
std::u16string LabelOfCode(const LanguageTable& language, ActionCode code);

}  // namespace q5::tool
