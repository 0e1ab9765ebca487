/*
 * The real operating system as one object, for the Windows program and the
 * Windows integration tests.
 *
 * The device I/O can be routed elsewhere, for example to the simulated
 * receiver when no real receiver is present; everything else stays real.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/win/WinClock.h"
#include "platform/win/WinDeviceIo.h"
#include "platform/win/WinDeviceNotifications.h"
#include "platform/win/WinInput.h"
#include "platform/win/WinMessagePosting.h"
#include "platform/win/WinSystemInfo.h"
#include "platform/win/WinThreads.h"
#include "platform/win/WinWindowCreation.h"
#include "platform/win/WinWindowTimers.h"

namespace q5::win {

class WinPlatform {
public:
    Platform platform() {
        return Platform{input,   clock,  system,        *deviceIo_, threads,
                        posting, timers, notifications, windows};
    }

    // Sends the device I/O of every later platform() to `replacement`.
    void RouteDeviceIo(DeviceIo& replacement) { deviceIo_ = &replacement; }

    WinInput input;
    WinClock clock;
    WinSystemInfo system;
    WinDeviceIo deviceIo;
    WinThreads threads;
    WinMessagePosting posting;
    WinWindowTimers timers;
    WinDeviceNotifications notifications;
    WinWindowCreation windows;

private:
    DeviceIo* deviceIo_ = &deviceIo;
};

}  // namespace q5::win
