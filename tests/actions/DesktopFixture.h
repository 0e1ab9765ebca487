/*
 * A simulated desktop for the action tests, with helpers that build window
 * trees and write the journal lines the tests expect.
 */
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TextFormat.h"
#include "platform/sim/SimPlatform.h"

namespace q5 {

class DesktopFixture : public ::testing::Test {
protected:
    static constexpr Rect kScreen{0, 0, 1280, 1024};

    WindowHandle TopLevel(std::u16string className, Rect rect = kScreen,
                          std::uint32_t style = kWsVisible) {
        return desk.windows.AddWindow({}, std::move(className), rect, style);
    }
    WindowHandle Child(WindowHandle parent, std::u16string className, Rect rect,
                       std::uint32_t style = kWsVisible | kWsChild) {
        return desk.windows.AddWindow(parent, std::move(className), rect, style);
    }
    void PutCursor(std::int32_t x, std::int32_t y) { desk.windows.SetCursor(Point{x, y}); }
    std::vector<std::string> Lines() const { return desk.journal.Lines(); }

    static std::string Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::uintptr_t lParam) {
        return StringPrintf("post 0x%llx 0x%x 0x%llx 0x%llx",
                            static_cast<unsigned long long>(window.value), message,
                            static_cast<unsigned long long>(wParam),
                            static_cast<unsigned long long>(lParam));
    }
    static std::string Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::uintptr_t lParam) {
        return StringPrintf("send 0x%llx 0x%x 0x%llx 0x%llx",
                            static_cast<unsigned long long>(window.value), message,
                            static_cast<unsigned long long>(wParam),
                            static_cast<unsigned long long>(lParam));
    }
    static std::string Key(std::uint8_t vk, std::uint32_t flags) {
        return StringPrintf("key 0x%02x 0x00 %u", unsigned{vk}, flags);
    }
    // A press and release with the extended-key flag.
    static std::vector<std::string> Tap(std::uint8_t vk) { return {Key(vk, 1), Key(vk, 3)}; }

    static void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
        lines.insert(lines.end(), more.begin(), more.end());
    }

    sim::SimPlatform desk;
};

}  // namespace q5
