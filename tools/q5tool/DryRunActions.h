/*
 * Stand-ins for the executor's collaborators that the dry run does not
 * simulate yet (key combinations and macros): each delegated operation is
 * written to the journal as a comment line naming the call and its
 * arguments.
 */
#pragma once

#include "actions/ActionExecutor.h"
#include "platform/sim/CallJournal.h"

namespace q5::tool {

class DryRunActions final : public CombinationPlayer, public MacroPlayer {
public:
    explicit DryRunActions(sim::CallJournal& journal) : journal_(journal) {}

    void PlayCombination(const Combination& combination) override;
    void PlayMacro(std::uint8_t macroNumber) override;

  private:
    void Delegated(const std::string& call);

    sim::CallJournal& journal_;
};

}  // namespace q5::tool
