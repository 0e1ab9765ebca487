/*
 * The macro editor's switch of the key reports, backed by the loaded
 * keyboard hook library: available once KBGetKey.dll was loaded.
 */
#pragma once

#include "editors/HookSwitch.h"
#include "editors/win/HookLibrary.h"

namespace q5::win {

class HookLibrarySwitch final : public HookSwitch {
public:
    explicit HookLibrarySwitch(HookLibrary& library) : m_library(library) {}

    bool Available() const override { return m_library.IsLoaded(); }
    void SetStatus(int status) override { m_library.SetStatus(status); }

private:
    HookLibrary& m_library;
};

}  // namespace q5::win
