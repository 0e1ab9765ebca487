// libFuzzer entry point: arbitrary bytes as the stored "ButtonSetting" value
// (read at start as the program reads it: a value longer than the image is
// not taken), made active, then every driver event code performed through
// the dispatcher and the executor on the simulated desktop, and the settings
// command's report of the image. Paths without a terminator, codes outside
// the table, macro numbers outside the macro table, extra-record counts
// above 20 all come from here.
#include <cstddef>
#include <cstdint>

#include "FuzzedProgram.h"
#include "SettingsCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    q5::fuzz::FuzzedProgram run;
    run.PlantThreeMacros();
    run.Plant(q5::kButtonSettingValue, data, size);
    run.program.LoadStoredSettings();
    run.PerformEveryEvent();
    const q5::ButtonSetting& active = run.program.store.active();
    q5::fuzz::Require(active.extraCount() <= q5::ButtonSetting::kExtraRecordLimit);
    (void)q5::tool::SettingsReport(run.desktop.input, run.program.store);
    return 0;
}
