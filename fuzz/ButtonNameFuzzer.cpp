// libFuzzer entry point: arbitrary bytes as the stored "ButtonName" value,
// read at start as the program reads it, then every slot's display name as
// its readers take it: the name itself (no terminator in its 520 bytes,
// lone surrogates), stored again as a new assignment stores it, cut for the
// notification tip, and the settings command's report.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzedProgram.h"
#include "SettingsCommand.h"
#include "i18n/Unicode.h"
#include "ui/TrayTip.h"

namespace {

constexpr std::size_t kNameLimit = q5::ButtonNameEntry::kNameBytes / 2 - 1;

// A name stored again is the longest start of it that fits, never ending in
// half a surrogate pair.
void CheckStoredAgain(q5::ButtonName& names, int slot, const std::u16string& name) {
    names.setName(slot, name);
    const std::u16string again = names.name(slot);
    q5::fuzz::Require(again.size() <= kNameLimit && name.starts_with(again));
    q5::fuzz::Require(again.size() == name.size() || again.empty() ||
                      !q5::IsHighSurrogate(again.back()) ||
                      !q5::IsLowSurrogate(name[again.size()]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    q5::fuzz::FuzzedProgram run;
    run.Plant(q5::kButtonNameValue, data, size);
    run.program.LoadStoredSettings();
    (void)q5::tool::SettingsReport(run.desktop.input, run.program.store);
    q5::ButtonName& names = run.program.store.names();
    for (int slot = 0; slot < q5::kSlotCount; ++slot) {
        const std::u16string name = names.name(slot);
        q5::fuzz::Require(name.size() <= kNameLimit + 1);
        const std::u16string tip = q5::CutTrayTip(name);
        q5::fuzz::Require(tip.size() <= q5::kTrayTipMaxLength && name.starts_with(tip));
        (void)q5::Utf16ToUtf8(name);
        CheckStoredAgain(names, slot, name);
    }
    return 0;
}
