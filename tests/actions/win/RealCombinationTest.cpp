// Recorded combinations on the real input path: scan codes from the real
// layout, never the extended flag.
#include <gtest/gtest.h>

#include "WinHookRecorder.h"
#include "actions/KeyCodePlayer.h"
#include "platform/win/WinPlatform.h"

namespace q5 {
namespace {

TEST(RealCombination, CtrlShiftDeleteCarriesRealScanCodes) {
    test::WinHookRecorder hooks;
    ASSERT_TRUE(hooks.installed());
    win::WinPlatform os;
    KeyCodePlayer player(os.platform());
    player.PlayCombination({0x03, VK_DELETE, 0});
    hooks.WaitFor(6);

    const auto keys = hooks.keys();
    ASSERT_EQ(keys.size(), 6u);
    const DWORD vks[] = {VK_CONTROL, VK_SHIFT, VK_DELETE, VK_DELETE, VK_CONTROL, VK_SHIFT};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].vk, vks[i]) << i;
        EXPECT_EQ(keys[i].scan, MapVirtualKeyW(vks[i], MAPVK_VK_TO_VSC)) << i;
        EXPECT_NE(keys[i].scan, 0u) << i;
        EXPECT_FALSE(keys[i].flags & LLKHF_EXTENDED) << i;
        EXPECT_EQ((keys[i].flags & LLKHF_UP) != 0, i == 3 || i >= 4) << i;
    }
}

TEST(RealCombination, MouseButtonCodesClick) {
    test::WinHookRecorder hooks;
    ASSERT_TRUE(hooks.installed());
    win::WinPlatform os;
    KeyCodePlayer player(os.platform());
    player.PlayCombination({0, 0xC2, 0});
    hooks.WaitFor(2);
    const auto mice = hooks.mice();
    ASSERT_EQ(mice.size(), 2u);
    EXPECT_EQ(mice[0].message, static_cast<WPARAM>(WM_RBUTTONDOWN));
    EXPECT_EQ(mice[1].message, static_cast<WPARAM>(WM_RBUTTONUP));
}

}  // namespace
}  // namespace q5
