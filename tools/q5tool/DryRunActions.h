/*
 * Stand-ins for the executor's collaborators in a dry run: each delegated
 * operation is written to the journal as a comment line naming the call and
 * its arguments. The remembered window of minimise/restore is modelled so
 * that the pair behaves as it does on a desktop.
 */
#pragma once

#include "actions/ActionExecutor.h"
#include "platform/sim/CallJournal.h"

namespace q5::tool {

class DryRunActions final : public ScrollActions,
                            public MediaActions,
                            public SystemActions,
                            public SocialActions,
                            public CombinationPlayer,
                            public MacroPlayer {
  public:
    explicit DryRunActions(sim::CallJournal& journal) : journal_(journal) {}

    ActionCollaborators collaborators() {
        return ActionCollaborators{*this, *this, *this, *this, *this, *this};
    }

    void ScrollHorizontally(int count) override;
    void ZoomIn() override;
    void ZoomOut() override;
    void MediaPlayPause() override;
    void MediaStop() override;
    void MediaPrevious() override;
    void MediaNext() override;
    void LockWorkstationAction() override;
    bool HasRememberedWindow() const override { return rememberedWindow_; }
    void MinimiseForegroundWindow() override;
    void RestoreRememberedWindow() override;
    void OpenWithShell(std::u16string_view target) override;
    void OpenSocialPage(ActionCode code) override;
    void CallSocialEntry(std::string_view name) override;
    void PlayCombination(const Combination& combination) override;
    void PlayMacro(std::uint8_t macroNumber) override;

  private:
    void Delegated(const std::string& call);

    sim::CallJournal& journal_;
    bool rememberedWindow_ = false;
};

}  // namespace q5::tool
