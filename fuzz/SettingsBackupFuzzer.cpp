// libFuzzer entry point: arbitrary bytes as a settings backup file. Whatever
// the parser accepts must encode back into a file that parses to the same
// values, and a refusal must come with a reason and no values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/SettingsBackup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const q5::BackupParseResult parsed = q5::SettingsBackup::Parse(text);
    if (!parsed.ok()) {
        if (!parsed.values.empty() || q5::SettingsBackup::Describe(parsed).empty()) {
            std::abort();
        }
        return 0;
    }
    for (const q5::BackupValue& value : parsed.values) {
        if (value.bytes.size() != q5::SettingsBackup::ImageSize(value.name)) {
            std::abort();
        }
    }
    const q5::BackupParseResult again =
        q5::SettingsBackup::Parse(q5::SettingsBackup::Encode(parsed.values));
    if (!again.ok() || again.values != parsed.values) {
        std::abort();
    }
    return 0;
}
