/*
 * The simulated desktop as one object: the call journal and every simulated
 * platform interface, wired together.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/sim/CallJournal.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDebugOutput.h"
#include "platform/sim/SimDocumentScript.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimModules.h"
#include "platform/sim/SimProcesses.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSystemInfo.h"
#include "platform/sim/SimWindowMessages.h"
#include "platform/sim/SimWindows.h"
#include "platform/sim/SimWorkstation.h"

namespace q5::sim {

class SimPlatform {
public:
    SimPlatform() = default;
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Platform platform() {
        return Platform{input, clock,       system, windows, messages, processes,
                        shell, workstation, debug,  modules, documents};
    }

    CallJournal journal;
    SimInput input{journal};
    SimClock clock{journal};
    SimSystemInfo system;
    SimWindows windows{journal};
    SimWindowMessages messages{journal, windows};
    SimProcesses processes;
    SimShell shell{journal};
    SimWorkstation workstation{journal};
    SimDebugOutput debug{journal};
    SimModules modules;
    SimDocumentScript documents{journal};
};

}  // namespace q5::sim
