/*
 * The simulated desktop as one object: the call journal and every simulated
 * platform interface, wired together.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/sim/CallJournal.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDebugOutput.h"
#include "platform/sim/SimDeviceNotifications.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimDocumentScript.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMessagePosting.h"
#include "platform/sim/SimModules.h"
#include "platform/sim/SimProcesses.h"
#include "platform/sim/SimReceiver.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimSystemInfo.h"
#include "platform/sim/SimThreads.h"
#include "platform/sim/SimWindowCreation.h"
#include "platform/sim/SimWindowMessages.h"
#include "platform/sim/SimWindowTimers.h"
#include "platform/sim/SimWindows.h"
#include "platform/sim/SimWorkstation.h"

namespace q5::sim {

class SimPlatform {
public:
    SimPlatform() = default;
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Platform platform() { return PlatformOf(*this, *deviceIo_); }

    // Sends the device I/O of every later platform() to `replacement`
    // instead of the simulated receiver.
    void RouteDeviceIo(DeviceIo& replacement) { deviceIo_ = &replacement; }

    CallJournal journal;
    SimInput input{journal};
    SimClock clock{journal};
    SimSystemInfo system;
    SimRegistry registry;
    SimDialogs dialogs{journal};
    SimThreads threads;
    SimReceiver receiver{threads};
    SimMessagePosting posting;
    SimWindowTimers timers;
    SimDeviceNotifications notifications;
    SimWindowCreation windowCreation;
    SimWindows windows{journal};
    SimWindowMessages messages{journal, windows};
    SimProcesses processes;
    SimShell shell{journal};
    SimWorkstation workstation{journal};
    SimDebugOutput debug{journal};
    SimModules modules;
    SimDocumentScript documents{journal};

private:
    DeviceIo* deviceIo_ = &receiver;
};

}  // namespace q5::sim
