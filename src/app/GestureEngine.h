/*
 * Everything that turns a driver event into a performed function, wired
 * once for the main window: the dispatcher on the active copy of the
 * assignment and the executor with its collaborators.
 */
#pragma once

#include <cstdint>
#include <string>

#include "actions/ActionExecutor.h"
#include "actions/CFaceBookFunction.h"
#include "actions/KeyCodePlayer.h"
#include "actions/MacroPlayback.h"
#include "actions/MediaPlayers.h"
#include "actions/SystemFunctions.h"
#include "actions/WindowScroller.h"
#include "model/GestureDispatcher.h"
#include "model/SettingsStore.h"

namespace q5 {

class GestureEngine {
public:
    // `avoidTitle` is the title of the window macros never type into (the
    // notification icon's tip).
    GestureEngine(Platform platform, SettingsStore& store, std::u16string avoidTitle);
    GestureEngine(const GestureEngine&) = delete;
    GestureEngine& operator=(const GestureEngine&) = delete;

    void OnDeviceEvent(std::uint32_t eventCode) { dispatcher_.OnDeviceEvent(eventCode); }
    std::uint32_t timeMark() const { return dispatcher_.timeMark(); }

private:
    std::u16string avoidTitle_;
    KeyCodePlayer keys_;
    MacroPlayback macros_;
    WindowScroller scroller_;
    MediaPlayers media_;
    SystemFunctions system_;
    CFaceBookFunction social_;
    ActionExecutor executor_;
    GestureDispatcher dispatcher_;
};

}  // namespace q5
