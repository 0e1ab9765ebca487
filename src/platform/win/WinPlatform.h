/*
 * The real operating system as one object, for the Windows program and the
 * Windows integration tests.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/win/WinClock.h"
#include "platform/win/WinDebugOutput.h"
#include "platform/win/WinDeviceIo.h"
#include "platform/win/WinDeviceNotifications.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WinDocumentScript.h"
#include "platform/win/WinInput.h"
#include "platform/win/WinMessagePosting.h"
#include "platform/win/WinModules.h"
#include "platform/win/WinProcesses.h"
#include "platform/win/WinRegistry.h"
#include "platform/win/WinShell.h"
#include "platform/win/WinSystemInfo.h"
#include "platform/win/WinThreads.h"
#include "platform/win/WinWindowCreation.h"
#include "platform/win/WinWindowMessages.h"
#include "platform/win/WinWindowSystem.h"
#include "platform/win/WinWindowTimers.h"
#include "platform/win/WinWorkstation.h"

namespace q5::win {

class WinPlatform {
public:
    WinPlatform() = default;
    WinPlatform(const WinPlatform&) = delete;
    WinPlatform& operator=(const WinPlatform&) = delete;

    Platform platform() { return PlatformOf(*this, *deviceIo_); }

    // Sends the device I/O of every later platform() to `replacement`.
    void RouteDeviceIo(DeviceIo& replacement) { deviceIo_ = &replacement; }

    WinInput input;
    WinClock clock;
    WinSystemInfo system;
    WinRegistry registry;
    WinDialogs dialogs;
    WinDeviceIo deviceIo;
    WinThreads threads;
    WinMessagePosting posting;
    WinWindowTimers timers;
    WinDeviceNotifications notifications;
    WinWindowCreation windowCreation;
    WinWindowSystem windows;
    WinWindowMessages messages;
    WinProcesses processes;
    WinShell shell;
    WinWorkstation workstation;
    WinDebugOutput debug;
    WinModules modules;
    WinDocumentScript documents{messages};

private:
    DeviceIo* deviceIo_ = &deviceIo;
};

}  // namespace q5::win
