#include "DryRunActions.h"

#include <string>

#include "platform/TextFormat.h"

namespace q5::tool {

void DryRunActions::Delegated(const std::string& call) {
    journal_.Note("delegated " + call);
}

void DryRunActions::PlayCombination(const Combination& combination) {
    Delegated(StringPrintf("PlayCombination(0x%02x, 0x%02x, 0x%02x)",
                           unsigned{combination.modifiers}, unsigned{combination.firstKey},
                           unsigned{combination.secondKey}));
}

void DryRunActions::PlayMacro(std::uint8_t macroNumber) {
    Delegated("PlayMacro(" + std::to_string(macroNumber) + ")");
}

}  // namespace q5::tool
