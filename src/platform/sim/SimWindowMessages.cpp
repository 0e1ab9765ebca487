#include "platform/sim/SimWindowMessages.h"

namespace q5::sim {

bool SimWindowMessages::PostMessageW(WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam) {
    journal_.Record(PostCall{window.value, message, wParam, lParam});
    SimWindow* receiver = windows_.Find(window);
    if (!receiver) {
        return false;
    }
    receiver->received.push_back(WindowMessage{message, wParam, lParam});
    return true;
}

std::intptr_t SimWindowMessages::SendMessageW(WindowHandle window, std::uint32_t message,
                                              std::uintptr_t wParam, std::intptr_t lParam) {
    journal_.Record(SendCall{window.value, message, wParam, lParam, false, 0, 0});
    SimWindow* receiver = windows_.Find(window);
    if (!receiver) {
        return 0;
    }
    receiver->received.push_back(WindowMessage{message, wParam, lParam});
    return receiver->reply;
}

bool SimWindowMessages::SendMessageTimeoutW(WindowHandle window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam,
                                            std::uint32_t flags, std::uint32_t timeoutMs,
                                            std::uintptr_t& result) {
    journal_.Record(SendCall{window.value, message, wParam, lParam, true, flags, timeoutMs});
    SimWindow* receiver = windows_.Find(window);
    if (!receiver || receiver->hung) {
        return false;
    }
    receiver->received.push_back(WindowMessage{message, wParam, lParam});
    result = static_cast<std::uintptr_t>(receiver->reply);
    return true;
}

std::uint32_t SimWindowMessages::RegisterWindowMessageW(std::u16string_view name) {
    if (name.empty()) {
        return 0;
    }
    const auto it = registered_.find(name);
    if (it != registered_.end()) {
        return it->second;
    }
    const auto number = static_cast<std::uint32_t>(kFirstRegistered + registered_.size());
    registered_.emplace(std::u16string(name), number);
    return number;
}

}  // namespace q5::sim
