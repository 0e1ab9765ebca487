// The executor's input on the real Windows input path, observed by
// low-level hooks as other programs would see it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "WinHookRecorder.h"
#include "actions/ActionExecutor.h"
#include "actions/FakeCollaborators.h"
#include "platform/win/WinPlatform.h"

namespace q5 {
namespace {

class RealInputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(hooks.installed()); }

    void Run(ActionCode code) { executor.ExecuteAction(ActionRecord::WithCode(code)); }

    test::WinHookRecorder hooks;
    win::WinPlatform os;
    test::FakeCollaborators with;
    ActionExecutor executor{os.platform(), with.collaborators()};
};

TEST_F(RealInputTest, ChordKeysCarryTheExtendedFlagAndScanCodeZero) {
    Run(ActionCode::Copy);
    hooks.WaitFor(4);
    const auto keys = hooks.keys();
    ASSERT_EQ(keys.size(), 4u);
    const DWORD vks[] = {VK_CONTROL, 'C', 'C', VK_CONTROL};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(keys[i].vk, vks[i]) << i;
        EXPECT_EQ(keys[i].scan, 0u) << i;
        EXPECT_TRUE(keys[i].flags & LLKHF_EXTENDED) << i;
        EXPECT_TRUE(keys[i].flags & LLKHF_INJECTED) << i;
        EXPECT_EQ((keys[i].flags & LLKHF_UP) != 0, i >= 2) << i;
        EXPECT_EQ(keys[i].extraInfo, 0u) << i;
    }
}

TEST_F(RealInputTest, WindowSwitcherTabHasNoExtendedFlag) {
    ::SetLastError(0);
    executor.ExecuteAction(ActionRecord::WithCode(ActionCode::SwitchWindow));
    hooks.WaitFor(6);
    const auto keys = hooks.keys();
    ASSERT_GE(keys.size(), 4u);
    EXPECT_EQ(keys[0].vk, static_cast<DWORD>(VK_LMENU));
    EXPECT_EQ(keys[1].vk, static_cast<DWORD>(VK_TAB));
    EXPECT_FALSE(keys[1].flags & LLKHF_EXTENDED);
    EXPECT_FALSE(keys[1].flags & LLKHF_UP);
    EXPECT_EQ(keys[2].vk, static_cast<DWORD>(VK_TAB));
    EXPECT_FALSE(keys[2].flags & LLKHF_EXTENDED);
    EXPECT_TRUE(keys[2].flags & LLKHF_UP);
    EXPECT_EQ(keys[3].vk, static_cast<DWORD>(VK_LMENU));
    EXPECT_TRUE(keys[3].flags & LLKHF_UP);
}

TEST_F(RealInputTest, ClicksReachTheSystemAsButtonMessages) {
    Run(ActionCode::LeftClick);
    Run(ActionCode::RightClick);
    Run(ActionCode::MiddleClick);
    hooks.WaitFor(6);
    std::vector<WPARAM> messages;
    for (const auto& m : hooks.mice()) {
        messages.push_back(m.message);
    }
    EXPECT_THAT(messages, ::testing::ElementsAre(WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
                                                 WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP));
}

TEST_F(RealInputTest, WheelCarriesOneNotchEachWay) {
    Run(ActionCode::ScrollUp);
    Run(ActionCode::ScrollDown);
    hooks.WaitFor(2);
    const auto mice = hooks.mice();
    ASSERT_EQ(mice.size(), 2u);
    EXPECT_EQ(mice[0].message, static_cast<WPARAM>(WM_MOUSEWHEEL));
    EXPECT_EQ(static_cast<short>(HIWORD(mice[0].mouseData)), 120);
    EXPECT_EQ(static_cast<short>(HIWORD(mice[1].mouseData)), -120);
}

TEST_F(RealInputTest, ForwardAndBackAreXButtonsTwoAndOne) {
    Run(ActionCode::Forward);
    Run(ActionCode::Back);
    hooks.WaitFor(4);
    const auto mice = hooks.mice();
    ASSERT_EQ(mice.size(), 4u);
    EXPECT_EQ(mice[0].message, static_cast<WPARAM>(WM_XBUTTONDOWN));
    EXPECT_EQ(HIWORD(mice[0].mouseData), XBUTTON2);
    EXPECT_EQ(mice[1].message, static_cast<WPARAM>(WM_XBUTTONUP));
    EXPECT_EQ(HIWORD(mice[1].mouseData), XBUTTON2);
    EXPECT_EQ(HIWORD(mice[2].mouseData), XBUTTON1);
    EXPECT_EQ(HIWORD(mice[3].mouseData), XBUTTON1);
}

TEST(RealSystemInfo, OsReleaseMatchesTheReportedVersion) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(::GetVersionExW(&version));
#pragma GCC diagnostic pop
    win::WinSystemInfo system;
    OsVersionInfo seen;
    ASSERT_TRUE(system.GetVersionExW(seen));
    EXPECT_EQ(seen.majorVersion, version.dwMajorVersion);
    EXPECT_EQ(seen.minorVersion, version.dwMinorVersion);
    EXPECT_EQ(seen.platformId, version.dwPlatformId);
    EXPECT_EQ(seen.buildNumber, version.dwBuildNumber);
    // Without a compatibility manifest every NT release from 6.2 on reports 6.2.
    const OsRelease release = GetOsRelease(system);
    if (version.dwMajorVersion == 6 && version.dwMinorVersion <= 2) {
        EXPECT_EQ(release, 5 + version.dwMinorVersion);
    }
    EXPECT_LE(release, 7u);
}

TEST(RealInput, MapVirtualKeyGivesTheLayoutScanCodes) {
    win::WinInput input;
    EXPECT_EQ(input.MapVirtualKeyW('A', kMapVkToVsc), 0x1Eu);
    EXPECT_EQ(input.MapVirtualKeyW(VK_LCONTROL, kMapVkToVsc), 0x1Du);
    EXPECT_EQ(input.MapVirtualKeyW(0x1E, kMapVscToVk), static_cast<UINT>('A'));
}

}  // namespace
}  // namespace q5
