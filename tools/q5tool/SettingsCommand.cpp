#include "SettingsCommand.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "BackupCommand.h"
#include "StoredFiles.h"
#include "ToolArguments.h"
#include "editors/KeyNames.h"
#include "i18n/Unicode.h"
#include "model/ActionCodeTable.h"
#include "model/SettingsStore.h"
#include "platform/TextFormat.h"
#include "platform/sim/SimPlatform.h"

namespace q5::tool {
namespace {

struct SettingsOptions {
    std::vector<std::pair<std::u16string, std::string>> storedFiles;
    std::string languagePath;
    BackupOptions backup;
};

bool HasImport(std::span<const std::string_view> args) {
    return std::find(args.begin(), args.end(), "--import") != args.end();
}

int ParseOptions(std::span<const std::string_view> args, SettingsOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::u16string valueName;
        if (arg == "--settings") {
            valueName = kButtonSettingValue;
        } else if (arg == "--names") {
            valueName = kButtonNameValue;
        } else if (arg == "--macros") {
            valueName = kMacroSettingValue;
        } else if (arg == "--export" || arg == "--import") {
            if (i + 1 >= args.size()) {
                return UsageError(std::string(arg) + " needs a file");
            }
            (arg == "--export" ? options.backup.exportPath : options.backup.importPath) =
                std::string(args[++i]);
            continue;
        } else if (arg != "--language") {
            return UsageError("unknown argument '" + std::string(arg) + "'");
        }
        if (i + 1 >= args.size()) {
            return UsageError(std::string(arg) + " needs a file");
        }
        const std::string path(args[++i]);
        if (!valueName.empty()) {
            options.backup.storedFiles.emplace_back(Utf16ToUtf8(valueName), path);
        }
        if (!options.backup.importPath.empty() || HasImport(args)) {
            continue;  // an import writes these files: they need not exist yet
        }
        if (!ReadFileBytes(path)) {
            return UsageError("cannot read '" + path + "'");
        }
        if (valueName.empty()) {
            options.languagePath = path;
        } else {
            options.storedFiles.emplace_back(valueName, path);
        }
    }
    return -1;
}

// What the record holds for its code: the bytes that code reads.
std::string RecordDetail(Input& input, const ActionRecord& record, const MacroTable& macros) {
    switch (record.code()) {
        case ActionCode::CombinationKeys: {
            const Combination c = record.combination();
            return StringPrintf(
                "keys 0x%02x 0x%02x 0x%02x (%s)", unsigned{c.modifiers}, unsigned{c.firstKey},
                unsigned{c.secondKey},
                Utf16ToUtf8(CombinationText(input, c.modifiers, c.firstKey, c.secondKey)).c_str());
        }
        case ActionCode::Macro: {
            const tagMACROINFO* macro = macros.Macro(record.macroNumber());
            const bool stored = macro && record.macroNumber() < macros.count();
            return StringPrintf(
                "macro %u (%s)", unsigned{record.macroNumber()},
                stored ? ("\"" + Utf16ToUtf8(macro->name()) + "\"").c_str() : "no such macro");
        }
        case ActionCode::RunProgram:
            return "path \"" + Utf16ToUtf8(record.path()) + "\"";
        default:
            return FindActionCode(record.codeByte()) ? "" : "unknown code";
    }
}

void AppendRecord(std::string& report, const std::string& label, Input& input,
                  const ActionRecord& record, const std::u16string& name,
                  const MacroTable& macros) {
    const std::string detail = RecordDetail(input, record, macros);
    report += label + StringPrintf(" code %3u \"", unsigned{record.codeByte()}) +
              Utf16ToUtf8(name) + "\"" + (detail.empty() ? "" : "  ") + detail + "\n";
}

// Key names, looked up once per report: a table of a hundred macros can hold
// twenty thousand steps.
class StepKeyNames {
public:
    explicit StepKeyNames(Input& input) : input_(input) {}

    const std::string& Of(std::uint8_t code) {
        std::optional<std::string>& name = names_[code];
        if (!name) {
            name = Utf16ToUtf8(KeyName(input_, code));
        }
        return *name;
    }

private:
    Input& input_;
    std::array<std::optional<std::string>, 256> names_;
};

void AppendStep(std::string& report, std::size_t number, const MacroStep& step,
                StepKeyNames& names) {
    StringAppendF(report, "  %3u ", static_cast<unsigned>(number));
    report += names.Of(step.vk);
    StringAppendF(report, " (0x%02x) %s", unsigned{step.vk}, step.keyUp ? "up" : "down");
    if (step.delayAfter() != 0) {
        StringAppendF(report, ", then %d ms", step.delayAfter());
    }
    report += '\n';
}

void AppendMacros(std::string& report, Input& input, const MacroTable& table) {
    StringAppendF(report, "macros: %u in use (stored count %u)\n",
                  static_cast<unsigned>(table.count()), table.storedCount());
    StepKeyNames names(input);
    for (std::size_t n = 0; n < table.count(); ++n) {
        const tagMACROINFO& macro = table.macros[n];
        StringAppendF(report, "macro %2u \"", static_cast<unsigned>(n));
        report += Utf16ToUtf8(macro.name());
        StringAppendF(report, "\" delay=%d loop=%d count=%d steps=%u\n", macro.delayFlag(),
                      macro.loopFlag(), macro.loopCount(), unsigned{macro.stepCount()});
        for (std::size_t i = 0; i < macro.usedSteps(); ++i) {
            AppendStep(report, i + 1, macro.steps[i], names);
        }
    }
}

}  // namespace

std::string SettingsReport(Input& input, SettingsStore& store) {
    std::string report = "slots:\n";
    const ButtonSetting& working = store.working();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        AppendRecord(
            report,
            StringPrintf("slot %2d %-26s", slot, std::string(GestureLabelKey(slot)).c_str()), input,
            working.slot(slot), store.names().name(slot), store.macros());
    }
    report += StringPrintf("extra records: %u in use (stored count %u)\n",
                           static_cast<unsigned>(working.extraCount()), working.storedExtraCount());
    for (std::size_t j = 0; j < working.extraCount(); ++j) {
        AppendRecord(report, StringPrintf("extra %2u", static_cast<unsigned>(j)), input,
                     working.extra[j], {}, store.macros());
    }
    AppendMacros(report, input, store.macros());
    return report;
}

int RunSettings(std::span<const std::string_view> args) {
    SettingsOptions options;
    if (const int status = ParseOptions(args, options); status >= 0) {
        return status;
    }
    if (!options.backup.exportPath.empty() || !options.backup.importPath.empty()) {
        return RunBackup(options.backup);
    }
    sim::SimPlatform desktop;
    std::string error;
    for (const auto& [valueName, path] : options.storedFiles) {
        PlantStoredValue(desktop.registry, valueName, path, error);
    }
    ToolLanguage language;
    language.Load(options.languagePath);
    SettingsStore store(desktop.registry, desktop.dialogs);
    store.ResetToFactory([&](ActionCode code) { return LabelOfCode(language.table, code); });
    store.LoadSettings();
    std::fputs(SettingsReport(desktop.input, store).c_str(), stdout);
    return 0;
}

}  // namespace q5::tool
