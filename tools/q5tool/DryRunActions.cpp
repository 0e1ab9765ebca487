#include "DryRunActions.h"

#include <string>

#include "i18n/Unicode.h"
#include "platform/TextFormat.h"

namespace q5::tool {

void DryRunActions::Delegated(const std::string& call) {
    journal_.Note("delegated " + call);
}

void DryRunActions::ScrollHorizontally(int count) {
    Delegated("ScrollHorizontally(" + std::to_string(count) + ")");
}

void DryRunActions::ZoomIn() {
    Delegated("ZoomIn()");
}

void DryRunActions::ZoomOut() {
    Delegated("ZoomOut()");
}

void DryRunActions::MediaPlayPause() {
    Delegated("MediaPlayPause()");
}

void DryRunActions::MediaStop() {
    Delegated("MediaStop()");
}

void DryRunActions::MediaPrevious() {
    Delegated("MediaPrevious()");
}

void DryRunActions::MediaNext() {
    Delegated("MediaNext()");
}

void DryRunActions::LockWorkstationAction() {
    Delegated("LockWorkstationAction()");
}

void DryRunActions::MinimiseForegroundWindow() {
    rememberedWindow_ = true;
    Delegated("MinimiseForegroundWindow()");
}

void DryRunActions::RestoreRememberedWindow() {
    rememberedWindow_ = false;
    Delegated("RestoreRememberedWindow()");
}

void DryRunActions::OpenWithShell(std::u16string_view target) {
    Delegated("OpenWithShell(\"" + Utf16ToUtf8(target) + "\")");
}

void DryRunActions::OpenSocialPage(ActionCode code) {
    Delegated("OpenSocialPage(" + std::to_string(ToByte(code)) + ")");
}

void DryRunActions::CallSocialEntry(std::string_view name) {
    Delegated("CallSocialEntry(\"" + std::string(name) + "\")");
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
