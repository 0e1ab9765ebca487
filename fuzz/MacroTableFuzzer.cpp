// libFuzzer entry point: arbitrary bytes as the stored "MacroSetting" value,
// read at start as the program reads it, then the macro table through the
// editor's LoadMacroList and back, the settings command's report of every
// macro, and playback of macro numbers inside, at the edge of and outside
// the table (counts above 100, step counts above 199, negative and huge
// loop counts and pauses, any key code) on the simulated desktop, whose
// clock never really sleeps.
//
// The user stops each macro by bringing the program's window to the front
// (its title is the tray tip), after a number of events that the input
// chooses within the first three rounds: playback then lets go of every key
// it holds. A round after the third would repeat the same steps in the same
// state, at up to 200 steps a round and 99 rounds a macro.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzedProgram.h"
#include "SettingsCommand.h"
#include "editors/MacroList.h"

namespace {

constexpr std::uint8_t kPlayed[] = {0, 1, 98, 99, 100, 255};
constexpr std::uint64_t kRoundsBeforeStop = 3;

// The events a macro sends when nobody stops it: one a step, every round.
std::uint64_t EventsOfWholeMacro(const q5::tagMACROINFO& macro) {
    const std::int32_t rounds = macro.playRounds();
    return rounds > 0 ? macro.usedSteps() * static_cast<std::uint64_t>(rounds) : 0;
}

// The stop comes after 1 to three rounds' worth of events (never after the
// last), as the macro's delay-option field says: playback reads only the
// pauses of its steps, so the field's bits are free to choose.
void PlayUntilStopped(q5::fuzz::FuzzedProgram& run, std::uint8_t number, q5::WindowHandle program) {
    bool stopsEarly = false;
    if (const q5::tagMACROINFO* macro = run.program.store.macros().Macro(number)) {
        const std::uint64_t events = EventsOfWholeMacro(*macro);
        const std::uint64_t span = std::min(events, kRoundsBeforeStop * macro->usedSteps());
        if (span > 0) {
            const std::uint64_t stopAfter =
                1 + static_cast<std::uint32_t>(macro->delayFlag()) % span;
            stopsEarly = stopAfter < events;
            run.desktop.input.AfterEvents(
                stopAfter, [&run, program] { run.desktop.windows.SetForeground(program); });
        }
    }
    // A macro that ends keeps down what it pressed and did not release; a
    // stopped one lets go of everything it pressed.
    const bool nothingDown = !run.desktop.input.AnythingDown();
    run.program.macros.PlayMacro(number);
    q5::fuzz::Require(!(stopsEarly && nothingDown) || !run.desktop.input.AnythingDown());
    run.desktop.input.AfterEvents(0, nullptr);
    run.desktop.windows.SetForeground(run.notepad);
}

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
    const q5::WindowHandle program =
        run.desktop.windows.AddWindow({}, u"#32770", {}, q5::kWsVisible, run.program.avoidTitle);
    for (const std::uint8_t number : kPlayed) {
        PlayUntilStopped(run, number, program);
    }
    return 0;
}
