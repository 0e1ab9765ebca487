#include "BackupCommand.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "ToolArguments.h"
#include "i18n/Unicode.h"
#include "model/SettingsBackup.h"
#include "model/SettingsStore.h"
#include "platform/sim/SimRegistry.h"

#if defined(_WIN32)
#include "platform/win/WinRegistry.h"
#endif

namespace q5::tool {
namespace {

constexpr int kExitFailed = 1;
constexpr std::string_view kValueNames[] = {"ButtonSetting", "ButtonName", "MacroSetting"};

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "q5tool: %s\n", message.c_str());
    return kExitFailed;
}

// The value's bytes when it is stored with exactly its image's size.
std::optional<std::vector<std::uint8_t>> ReadStoredValue(Registry& registry, RegistryKey key,
                                                         std::string_view name) {
    const std::size_t expected = SettingsBackup::ImageSize(name);
    std::vector<std::uint8_t> buffer(expected + 1);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const long status = registry.RegQueryValueExW(key, Utf8ToUtf16(name), type, buffer, size);
    if (status == kErrorFileNotFound) {
        std::printf("%.*s: not stored, left out\n", static_cast<int>(name.size()), name.data());
        return std::nullopt;
    }
    if (status != kErrorSuccess || type != kRegBinary || size != expected) {
        std::printf("%.*s: stored with %u bytes, not %u, left out\n", static_cast<int>(name.size()),
                    name.data(), size, static_cast<unsigned>(expected));
        return std::nullopt;
    }
    buffer.resize(expected);
    return buffer;
}

int Export(Registry& registry, const std::string& path) {
    RegistryKey key;
    std::vector<BackupValue> values;
    if (registry.RegOpenKeyExW(kHkeyLocalMachine, kSettingsKey, kKeyRead, key) == kErrorSuccess) {
        for (std::string_view name : kValueNames) {
            if (auto bytes = ReadStoredValue(registry, key, name)) {
                values.push_back({std::string(name), std::move(*bytes)});
            }
        }
        registry.RegCloseKey(key);
    }
    if (values.empty()) {
        return Failure("no settings are stored: nothing to export");
    }
    if (!WriteFileBytes(path, SettingsBackup::Encode(values))) {
        return Failure("cannot write '" + path + "'");
    }
    std::printf("exported %u value(s) to %s\n", static_cast<unsigned>(values.size()), path.c_str());
    return 0;
}

// Checks the whole file; the values when it is a sound backup.
std::optional<std::vector<BackupValue>> ReadBackup(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        Failure("cannot read '" + path + "'");
        return std::nullopt;
    }
    BackupParseResult parsed = SettingsBackup::Parse(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!parsed.ok()) {
        Failure(path + " is " + SettingsBackup::Describe(parsed) + "; nothing was written");
        return std::nullopt;
    }
    return std::move(parsed.values);
}

int Import(Registry& registry, const std::vector<BackupValue>& values) {
    RegistryKey key;
    if (const long status =
            registry.RegCreateKeyExW(kHkeyLocalMachine, kSettingsKey, kSettingsAccess, key);
        status != kErrorSuccess) {
        return Failure("cannot open the settings key (error " + std::to_string(status) +
                       "; importing needs administrator rights)");
    }
    int result = 0;
    for (const BackupValue& value : values) {
        const long status =
            registry.RegSetValueExW(key, Utf8ToUtf16(value.name), kRegBinary, value.bytes);
        if (status != kErrorSuccess) {
            result =
                Failure("cannot write " + value.name + " (error " + std::to_string(status) + ")");
        } else {
            std::printf("%s: imported, %u bytes\n", value.name.c_str(),
                        static_cast<unsigned>(value.bytes.size()));
        }
    }
    registry.RegCloseKey(key);
    return result;
}

// The file mode: the given files stand in for the registry values.
int RunOnFiles(const BackupOptions& options) {
    sim::SimRegistry registry;
    for (const auto& [name, path] : options.storedFiles) {
        if (const auto bytes = ReadFileBytes(path)) {
            registry.SetValue(kSettingsKey, Utf8ToUtf16(name), {kRegBinary, *bytes});
        } else if (!options.exportPath.empty()) {
            return UsageError("cannot read '" + path + "'");
        }
    }
    if (!options.exportPath.empty()) {
        return Export(registry, options.exportPath);
    }
    const auto values = ReadBackup(options.importPath);
    if (!values) {
        return kExitFailed;
    }
    if (const int status = Import(registry, *values); status != 0) {
        return status;
    }
    // Each given file receives its value as the registry now holds it.
    int result = 0;
    for (const auto& file : options.storedFiles) {
        const auto& [name, path] = file;
        const auto stored = registry.Value(kSettingsKey, Utf8ToUtf16(name));
        const bool inBackup =
            std::any_of(values->begin(), values->end(),
                        [&](const BackupValue& v) { return v.name == file.first; });
        if (!inBackup || !stored) {
            std::printf("%s: not in the backup, %s left alone\n", name.c_str(), path.c_str());
        } else if (!WriteFileBytes(
                       path, std::string_view(reinterpret_cast<const char*>(stored->data.data()),
                                              stored->data.size()))) {
            result = Failure("cannot write '" + path + "'");
        }
    }
    return result;
}

}  // namespace

int RunBackup(const BackupOptions& options) {
    if (!options.exportPath.empty() && !options.importPath.empty()) {
        return UsageError("settings: --export and --import exclude each other");
    }
    if (!options.storedFiles.empty()) {
        return RunOnFiles(options);
    }
#if defined(_WIN32)
    win::WinRegistry registry;
    if (!options.exportPath.empty()) {
        return Export(registry, options.exportPath);
    }
    const auto values = ReadBackup(options.importPath);
    return values ? Import(registry, *values) : kExitFailed;
#else
    return UsageError(
        "settings --export/--import use the Windows registry; elsewhere give the values as "
        "--settings/--names/--macros files");
#endif
}

}  // namespace q5::tool
