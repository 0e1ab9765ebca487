/*
 * Actions on the system rather than the input stream: locking, minimising
 * and restoring a window, opening a target through the shell.
 */
#pragma once

#include <string_view>

namespace q5 {

class SystemActions {
public:
    virtual ~SystemActions() = default;

    virtual void LockWorkstationAction() = 0;
    // The window that the last minimise remembered, if any is remembered.
    virtual bool HasRememberedWindow() const = 0;
    virtual void MinimiseForegroundWindow() = 0;
    virtual void RestoreRememberedWindow() = 0;
    // Opens a path, an application name or a web address.
    virtual void OpenWithShell(std::u16string_view target) = 0;
};

}  // namespace q5
