#include "app/GestureEngine.h"

namespace q5 {

GestureEngine::GestureEngine(Platform platform, SettingsStore& store, std::u16string avoidTitle)
    : avoidTitle_(std::move(avoidTitle)),
      keys_(platform),
      macros_(platform, keys_, store.macros(), avoidTitle_),
      scroller_(platform),
      media_(platform),
      system_(platform),
      social_(platform, system_),
      executor_(platform, ActionCollaborators{scroller_, media_, system_, social_, keys_, macros_}),
      dispatcher_(platform.clock, store.active(), executor_) {}

}  // namespace q5
