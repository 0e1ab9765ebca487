/*
 * The performing half of the program on a simulated desktop: the settings
 * store reading the simulated registry (kept by the caller, so that a run
 * of many inputs allocates its images once), every action collaborator, the
 * executor and the dispatcher, wired as the main dialog wires them. The
 * simulate command replays events through it; the fuzzers feed it stored
 * images and driver events.
 */
#pragma once

#include <string>

#include "actions/ActionExecutor.h"
#include "actions/CFaceBookFunction.h"
#include "actions/KeyCodePlayer.h"
#include "actions/MacroPlayback.h"
#include "actions/MediaPlayers.h"
#include "actions/SystemFunctions.h"
#include "actions/WindowScroller.h"
#include "i18n/LanguageTable.h"
#include "model/GestureDispatcher.h"
#include "model/SettingsStore.h"
#include "platform/sim/SimPlatform.h"

namespace q5::tool {

class SimulatedProgram {
public:
    // `settings` reads the desktop's registry and outlives the program.
    SimulatedProgram(sim::SimPlatform& desktop, const LanguageTable& texts,
                     SettingsStore& settings);
    SimulatedProgram(const SimulatedProgram&) = delete;
    SimulatedProgram& operator=(const SimulatedProgram&) = delete;

    // As at start-up: the factory assignment with its labels, then the
    // values stored in the simulated registry, then the working copy made
    // active.
    void LoadStoredSettings();

    const LanguageTable& language;
    SettingsStore& store;
    const std::u16string avoidTitle;
    KeyCodePlayer keys;
    MacroPlayback macros;
    WindowScroller scroller;
    MediaPlayers media;
    SystemFunctions system;
    CFaceBookFunction social;
    ActionExecutor executor;
    GestureDispatcher dispatcher;
};

}  // namespace q5::tool
