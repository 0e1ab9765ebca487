/*
 * The real operating system as one object, for the Windows program and the
 * Windows integration tests.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/win/WinClock.h"
#include "platform/win/WinDialogs.h"
#include "platform/win/WinInput.h"
#include "platform/win/WinRegistry.h"
#include "platform/win/WinSystemInfo.h"

namespace q5::win {

class WinPlatform {
  public:
    Platform platform() { return Platform{input, clock, system, registry, dialogs}; }

    WinInput input;
    WinClock clock;
    WinSystemInfo system;
    WinRegistry registry;
    WinDialogs dialogs;
};

}  // namespace q5::win
