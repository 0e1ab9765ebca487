#include "StoredFiles.h"

#include "ToolArguments.h"
#include "i18n/Unicode.h"
#include "model/ActionCodeTable.h"

namespace q5::tool {

bool PlantStoredValue(sim::SimRegistry& registry, std::u16string_view valueName,
                      const std::string& path, std::string& error) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        error = "cannot read '" + path + "'";
        return false;
    }
    registry.SetValue(kSettingsKey, valueName, {kRegBinary, std::move(*bytes)});
    return true;
}

ToolLanguage::ToolLanguage() : files(MakeNativeTextFiles()), table(*files) {}

void ToolLanguage::Load(const std::string& path) {
    if (!path.empty()) {
        table.Load(Utf8ToUtf16(path));
    }
}

std::u16string LabelOfCode(const LanguageTable& language, ActionCode code) {
    const ActionCodeInfo* info = FindActionCode(code);
    if (!info || info->labelKey.empty()) {
        return {};
    }
    return language.Text(info->labelKey);
}

}  // namespace q5::tool
