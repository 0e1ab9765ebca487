/*
 * Entries of loaded libraries through GetProcAddress.
 */
#pragma once

#include "platform/Modules.h"

namespace q5::win {

class WinModules final : public Modules {
public:
    EntryAddress GetProcAddress(ModuleHandle module, std::string_view name) override;
    void CallWindowEntry(EntryAddress entry, WindowHandle window) override;
};

}  // namespace q5::win
