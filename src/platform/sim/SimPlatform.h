/*
 * The simulated desktop as one object: the call journal and every simulated
 * platform interface, wired together.
 */
#pragma once

#include "platform/Platform.h"
#include "platform/sim/CallJournal.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDialogs.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimSystemInfo.h"

namespace q5::sim {

class SimPlatform {
  public:
    SimPlatform() = default;
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    Platform platform() { return Platform{input, clock, system, registry, dialogs}; }

    CallJournal journal;
    SimInput input{journal};
    SimClock clock{journal};
    SimSystemInfo system;
    SimRegistry registry;
    SimDialogs dialogs{journal};
};

}  // namespace q5::sim
