#include "platform/sim/SimWindowCreation.h"

namespace q5::sim {
namespace {

constexpr std::uintptr_t kFirstWindow = 0x70000;
constexpr std::uintptr_t kWindowStep = 2;

}  // namespace

bool SimWindowCreation::RegisterClassW(std::u16string_view className) {
    if (className.empty()) {
        return false;
    }
    classes_.emplace(className);
    return true;
}

WindowHandle SimWindowCreation::CreateWindowExW(std::uint32_t exStyle,
                                                std::u16string_view className,
                                                std::u16string_view windowName, std::uint32_t style,
                                                Point position, std::int32_t width,
                                                std::int32_t height) {
    if (!IsRegistered(className)) {
        return {};
    }
    const WindowHandle handle{kFirstWindow + kWindowStep * windows_.size()};
    windows_.push_back({handle, exStyle, std::u16string(className), std::u16string(windowName),
                        style, position, width, height, false});
    return handle;
}

bool SimWindowCreation::DestroyWindow(WindowHandle window) {
    for (CreatedWindow& created : windows_) {
        if (created.handle == window && !created.destroyed) {
            created.destroyed = true;
            return true;
        }
    }
    return false;
}

bool SimWindowCreation::IsRegistered(std::u16string_view className) const {
    return classes_.find(className) != classes_.end();
}

}  // namespace q5::sim
