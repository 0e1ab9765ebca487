#include "actions/SystemFunctions.h"

namespace q5 {

// A 32-bit process on 64-bit Windows locks with file-system redirection
// switched off for the duration of the call.
void SystemFunctions::LockWorkstationAction() {
    Workstation& workstation = platform_.workstation;
    bool underWow64 = false;
    if (workstation.IsWow64Process(underWow64) != EntryResult::kSucceeded) {
        underWow64 = false;
    }
    if (!underWow64) {
        workstation.LockWorkStation();
        return;
    }
    RedirectionState previous = 0;
    if (workstation.Wow64DisableWow64FsRedirection(previous) == EntryResult::kMissing) {
        return;
    }
    workstation.LockWorkStation();
    workstation.Wow64RevertWow64FsRedirection(previous);
}

void SystemFunctions::MinimiseForegroundWindow() {
    rememberedWindow_ = platform_.windows.GetForegroundWindow();
    SendSystemCommand(rememberedWindow_, kWsMinimizeBox, kScMinimize);
}

void SystemFunctions::RestoreRememberedWindow() {
    SendSystemCommand(rememberedWindow_, kWsMaximizeBox, kScRestore);
    rememberedWindow_ = {};
}

void SystemFunctions::SendSystemCommand(WindowHandle window, std::uint32_t requiredStyle,
                                        std::uintptr_t command) {
    const auto style =
        static_cast<std::uint32_t>(platform_.windows.GetWindowLongW(window, kGwlStyle));
    if ((style & requiredStyle) == 0 || window == platform_.windows.GetDesktopWindow()) {
        return;
    }
    std::uintptr_t result = 0;
    platform_.messages.SendMessageTimeoutW(window, kWmSysCommand, command, 0, kSmtoAbortIfHung,
                                           kSendTimeoutMs, result);
}

void SystemFunctions::OpenWithShell(std::u16string_view target) {
    platform_.shell.ShellExecuteW({}, u"open", target, {}, {}, kSwShowNormal);
}

}  // namespace q5
