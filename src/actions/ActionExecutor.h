/*
 * The action executor: performs one ActionRecord on the desktop. Clicks,
 * wheel notches and fixed key chords are synthesised here; scrolling and
 * zoom, media players, system actions, social-network functions, key
 * combinations and macros are handed to their collaborators. The executor
 * keeps no state between calls and tests no result.
 */
#pragma once

#include "actions/CombinationPlayer.h"
#include "actions/MacroPlayer.h"
#include "actions/MediaActions.h"
#include "actions/OsRelease.h"
#include "actions/ScrollActions.h"
#include "actions/SocialActions.h"
#include "actions/SystemActions.h"
#include "model/ActionPerformer.h"
#include "platform/Platform.h"

namespace q5 {

struct ActionCollaborators {
    ScrollActions& scroll;
    MediaActions& media;
    SystemActions& system;
    SocialActions& social;
    CombinationPlayer& combination;
    MacroPlayer& macro;
};

class ActionExecutor final : public ActionPerformer {
public:
    ActionExecutor(Platform platform, ActionCollaborators collaborators)
        : platform_(platform), with_(collaborators) {}

    void ExecuteAction(const ActionRecord& record) override;

private:
    bool PerformInput(ActionCode code);
    bool PerformKeyChord(ActionCode code);
    bool PerformWindows8(ActionCode code);
    bool PerformDelegated(const ActionRecord& record);
    bool PerformSocial(ActionCode code);
    OsRelease Release() { return GetOsRelease(platform_.system); }

    Platform platform_;
    ActionCollaborators with_;
};

}  // namespace q5
