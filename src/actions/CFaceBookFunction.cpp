#include "actions/CFaceBookFunction.h"

namespace q5 {

void CFaceBookFunction::OpenSocialPage(ActionCode code) {
    const std::u16string address = SocialPageOfCode(code);
    if (!address.empty()) {
        system_.OpenWithShell(address);
    }
}

void CFaceBookFunction::CallSocialEntry(std::string_view name) {
    const WindowHandle foreground = platform_.windows.GetForegroundWindow();
    if (moduleHandle_) {
        cachedEntry_ = platform_.modules.GetProcAddress(moduleHandle_, name);
    }
    if (cachedEntry_) {
        platform_.modules.CallWindowEntry(cachedEntry_, foreground);
    }
}

}  // namespace q5
