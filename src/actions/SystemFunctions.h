/*
 * The system, window and application actions: locking the workstation,
 * minimising the foreground window and restoring it later, and opening a
 * target through the shell.
 *
 * Minimise and restore form a pair through the remembered window: a
 * minimise remembers the foreground window (even when it cannot be
 * minimised), a restore restores it if it can and forgets it. The executor
 * minimises only while no window is remembered and restores only while one
 * is.
 */
#pragma once

#include "actions/SystemActions.h"
#include "platform/Platform.h"

namespace q5 {

class SystemFunctions final : public SystemActions {
public:
    // WM_SYSCOMMAND deliveries give up on a hung window after this long.
    static constexpr std::uint32_t kSendTimeoutMs = 1000;

    explicit SystemFunctions(Platform platform) : platform_(platform) {}

    void LockWorkstationAction() override;
    bool HasRememberedWindow() const override { return static_cast<bool>(rememberedWindow_); }
    void MinimiseForegroundWindow() override;
    void RestoreRememberedWindow() override;
    void OpenWithShell(std::u16string_view target) override;

    WindowHandle RememberedWindow() const { return rememberedWindow_; }

private:
    // Sends the command when the window has the style's box and is not the
    // desktop window.
    void SendSystemCommand(WindowHandle window, std::uint32_t requiredStyle,
                           std::uintptr_t command);

    Platform platform_;
    WindowHandle rememberedWindow_;
};

}  // namespace q5
