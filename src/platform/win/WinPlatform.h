/*
 * The real operating system as one object, for the Windows program and the
 * Windows integration tests.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/win/WinClock.h"
#include "platform/win/WinDebugOutput.h"
#include "platform/win/WinDocumentScript.h"
#include "platform/win/WinInput.h"
#include "platform/win/WinModules.h"
#include "platform/win/WinProcesses.h"
#include "platform/win/WinShell.h"
#include "platform/win/WinSystemInfo.h"
#include "platform/win/WinWindowMessages.h"
#include "platform/win/WinWindowSystem.h"
#include "platform/win/WinWorkstation.h"

namespace q5::win {

class WinPlatform {
public:
    WinPlatform() = default;
    WinPlatform(const WinPlatform&) = delete;
    WinPlatform& operator=(const WinPlatform&) = delete;

    Platform platform() {
        return Platform{input,    clock,       system, windows, messages, processes,
                        shell,    workstation, debug,  modules, documents};
    }

    WinInput input;
    WinClock clock;
    WinSystemInfo system;
    WinWindowSystem windows;
    WinWindowMessages messages;
    WinProcesses processes;
    WinShell shell;
    WinWorkstation workstation;
    WinDebugOutput debug;
    WinModules modules;
    WinDocumentScript documents{messages};
};

}  // namespace q5::win
