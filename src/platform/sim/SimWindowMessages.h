/*
 * Messages to the simulated windows: every post and send is recorded in the
 * journal and, when the window exists, in the window's list of received
 * messages. A hung window receives nothing from a send with abort-if-hung.
 * Registered messages are numbered from 0xC000 in order of registration.
 */
#pragma once

#include <map>
#include <string>

#include "platform/WindowMessages.h"
#include "platform/sim/CallJournal.h"
#include "platform/sim/SimWindows.h"

namespace q5::sim {

class SimWindowMessages final : public WindowMessages {
public:
    SimWindowMessages(CallJournal& journal, SimWindows& windows)
        : journal_(journal), windows_(windows) {}

    bool PostMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) override;
    std::intptr_t SendMessageW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool SendMessageTimeoutW(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                             std::uintptr_t& result) override;
    std::uint32_t RegisterWindowMessageW(std::u16string_view name) override;

private:
    static constexpr std::uint32_t kFirstRegistered = 0xC000;

    CallJournal& journal_;
    SimWindows& windows_;
    std::map<std::u16string, std::uint32_t, std::less<>> registered_;
};

}  // namespace q5::sim
