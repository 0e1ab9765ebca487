/*
 * The operating system as the portable code sees it: one reference per
 * interface, handed to the classes that need them. The Windows build
 * fills it with the real calls (win/), tests and the dry-run tool with
 * the simulated desktop (sim/).
 */
#pragma once

#include "platform/Clock.h"
#include "platform/DebugOutput.h"
#include "platform/DeviceIo.h"
#include "platform/DeviceNotifications.h"
#include "platform/Dialogs.h"
#include "platform/DocumentScript.h"
#include "platform/Input.h"
#include "platform/MessagePosting.h"
#include "platform/Modules.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/Threads.h"
#include "platform/WindowCreation.h"
#include "platform/WindowMessages.h"
#include "platform/WindowSystem.h"
#include "platform/WindowTimers.h"
#include "platform/Workstation.h"

namespace q5 {

struct Platform {
    Input& input;
    Clock& clock;
    SystemInfo& system;
    Registry& registry;
    Dialogs& dialogs;
    DeviceIo& deviceIo;
    Threads& threads;
    MessagePosting& posting;
    WindowTimers& timers;
    DeviceNotifications& notifications;
    WindowCreation& windowCreation;
    WindowSystem& windows;
    WindowMessages& messages;
    Processes& processes;
    Shell& shell;
    Workstation& workstation;
    DebugOutput& debug;
    Modules& modules;
    DocumentScript& documents;
};

// The aggregate of an object whose members are the interfaces under the
// names above, with the device I/O given apart (it may be routed elsewhere).
template <typename Os>
Platform PlatformOf(Os& os, DeviceIo& deviceIo) {
    return Platform{
        .input = os.input,
        .clock = os.clock,
        .system = os.system,
        .registry = os.registry,
        .dialogs = os.dialogs,
        .deviceIo = deviceIo,
        .threads = os.threads,
        .posting = os.posting,
        .timers = os.timers,
        .notifications = os.notifications,
        .windowCreation = os.windowCreation,
        .windows = os.windows,
        .messages = os.messages,
        .processes = os.processes,
        .shell = os.shell,
        .workstation = os.workstation,
        .debug = os.debug,
        .modules = os.modules,
        .documents = os.documents,
    };
}

}  // namespace q5
