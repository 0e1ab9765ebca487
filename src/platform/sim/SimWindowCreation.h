/*
 * Window creation for the simulated platform: the registered classes and
 * every window created, with its parameters and whether it was destroyed.
 */
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/WindowCreation.h"

namespace q5::sim {

struct CreatedWindow {
    WindowHandle handle;
    std::uint32_t exStyle = 0;
    std::u16string className;
    std::u16string windowName;
    std::uint32_t style = 0;
    Point position;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool destroyed = false;
};

class SimWindowCreation final : public WindowCreation {
public:
    bool RegisterClassW(std::u16string_view className) override;
    WindowHandle CreateWindowExW(std::uint32_t exStyle, std::u16string_view className,
                                 std::u16string_view windowName, std::uint32_t style,
                                 Point position, std::int32_t width, std::int32_t height) override;
    bool DestroyWindow(WindowHandle window) override;

    bool IsRegistered(std::u16string_view className) const;
    const std::vector<CreatedWindow>& Windows() const { return windows_; }

private:
    std::set<std::u16string, std::less<>> classes_;
    std::vector<CreatedWindow> windows_;
};

}  // namespace q5::sim
