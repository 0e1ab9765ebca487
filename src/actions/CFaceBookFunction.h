/*
 * The social-network functions: fixed pages of the network's web site,
 * opened in the default browser through the shell, and the named entries
 * of a social-network plug-in library, called with the foreground window.
 *
 * No plug-in library is loaded yet, so the entries have no effect; a
 * library attached with UsePlugin is asked for the entry afresh on every
 * call.
 */
#pragma once

#include "actions/SocialActions.h"
#include "actions/SystemActions.h"
#include "platform/Platform.h"

namespace q5 {

class CFaceBookFunction final : public SocialActions {
public:
    CFaceBookFunction(Platform platform, SystemActions& system)
        : platform_(platform), system_(system) {}

    void OpenSocialPage(ActionCode code) override;
    void CallSocialEntry(std::string_view name) override;

    // The library that supplies the entries (none by default).
    void UsePlugin(ModuleHandle module) { moduleHandle_ = module; }

private:
    Platform platform_;
    SystemActions& system_;
    ModuleHandle moduleHandle_;
    EntryAddress cachedEntry_;
};

}  // namespace q5
