// libFuzzer entry point: arbitrary bytes as the stored "MacroSetting" value,
// read at start as the program reads it, then the macro table through the
// editor's LoadMacroList and back, the settings command's report of every
// macro, and playback of macro numbers inside, at the edge of and outside
// the table (counts above 100, step counts above 199, negative and huge
// loop counts and pauses, any key code) on the simulated desktop, whose
// clock never really sleeps.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzedProgram.h"
#include "SettingsCommand.h"
#include "editors/MacroList.h"

namespace {

constexpr std::uint8_t kPlayed[] = {0, 1, 98, 99, 100, 255};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    q5::fuzz::FuzzedProgram run;
    run.Plant(q5::kMacroSettingValue, data, size);
    run.program.LoadStoredSettings();
    const q5::MacroTable& table = run.program.store.macros();
    q5::fuzz::Require(table.count() <= q5::MacroTable::kSlots);

    q5::MacroList list;
    list.LoadMacroList(table);
    q5::fuzz::Require(list.size() == table.count());
    for (int position = -1; position <= static_cast<int>(list.size()); ++position) {
        const bool inside = position >= 0 && position < static_cast<int>(list.size());
        q5::fuzz::Require((list.FindMacro(position) != nullptr) == inside);
    }
    static auto* stored = new q5::MacroTable;
    list.StoreInto(*stored);
    q5::fuzz::Require(stored->count() == std::min(table.count(), q5::MacroTable::kMaxMacros));

    (void)q5::tool::SettingsReport(run.desktop.input, run.program.store);
    for (const std::uint8_t number : kPlayed) {
        run.program.macros.PlayMacro(number);
    }
    return 0;
}
