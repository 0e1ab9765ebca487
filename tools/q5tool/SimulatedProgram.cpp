#include "SimulatedProgram.h"

#include "StoredFiles.h"

namespace q5::tool {

SimulatedProgram::SimulatedProgram(sim::SimPlatform& desktop, const LanguageTable& texts,
                                   SettingsStore& settings)
    : language(texts),
      store(settings),
      avoidTitle(texts.Text("tc_mouse_title")),
      keys(desktop.platform()),
      macros(desktop.platform(), keys, store.macros(), avoidTitle),
      scroller(desktop.platform()),
      media(desktop.platform()),
      system(desktop.platform()),
      social(desktop.platform(), system),
      executor(desktop.platform(),
               ActionCollaborators{scroller, media, system, social, keys, macros}),
      dispatcher(desktop.clock, store.active(), executor) {}

void SimulatedProgram::LoadStoredSettings() {
    store.ResetToFactory([this](ActionCode code) { return LabelOfCode(language, code); });
    store.LoadSettings();
    store.Activate();
}

}  // namespace q5::tool
