// The program as a user meets it: started (twice), clicked at the layout's
// points, typed at, a function chosen in the menu with the pointer, applied,
// the slot's gesture fired through the demo's pad and seen by a low-level
// hook, and ended from its notification menu, with the real registry as the
// proof of what was saved.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "ProgramDriver.h"
#include "ToolRunner.h"
#include "WinHookRecorder.h"
#include "model/ButtonSetting.h"
#include "model/GestureDispatcher.h"
#include "ui/GesturePanelLayout.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/WinUiTestSupport.h"
#include "ui/win/WindowCapture.h"

namespace q5::win {
namespace {

constexpr wchar_t kTitle[] = L"Korvo Q5 Mouse Driver";
constexpr UINT kMenuChoice = 0x501;
constexpr UINT kTrayMessage = 0x600;

// The program has no receiver under Wine, so Apply cannot push and saves
// nothing; the demo has the simulated one plugged in.
constexpr wchar_t kProgram[] = L"KorvoQ5.exe";
constexpr wchar_t kDemo[] = L"KorvoQ5Demo.exe";

std::optional<std::uint8_t> StoredCode(int slot) {
    std::array<std::uint8_t, ButtonSetting::kSize> image{};
    DWORD size = image.size();
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, test::SettingsKeyPath().c_str(), L"ButtonSetting",
                       RRF_RT_REG_BINARY, nullptr, image.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return image[ButtonSetting::kSlotsOffset + slot * ActionRecord::kSize +
                 ActionRecord::kCodeOffset];
}

void PressKey(WORD vk) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = vk;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
}

class ProgramTest : public ::testing::Test {
protected:
    void Launch(const wchar_t* name) {
        test::ForgetStoredSettings();
        first = test::StartShipped(name);
        ASSERT_NE(first.hProcess, nullptr);
        ASSERT_TRUE(test::WaitUntil([this] { return (window = ::FindWindowW(nullptr, kTitle)); }));
    }
    // A shown top-level window of the program other than the main window
    // and the demo's pad: the information dialog.
    HWND OtherWindow() {
        return test::ShownWindowOf(::GetProcessId(first.hProcess), [this](HWND hwnd) {
            wchar_t title[64]{};
            ::GetWindowTextW(hwnd, title, 64);
            return hwnd != window && std::wstring(title) != L"Gesture Pad";
        });
    }
    // Waits for the information dialog to show and settle; null when it
    // does not.
    HWND WaitForInfoDialog() {
        HWND info = nullptr;
        test::WaitUntil(
            [&] {
                info = OtherWindow();
                return info != nullptr;
            },
            5000);
        ::Sleep(300);
        return info;
    }
    // Opens the notification icon's menu and clicks its exit item (the
    // last of its two).
    void ExitFromTheIcon() {
        ::PostMessageW(window, kTrayMessage, 0, WM_RBUTTONDOWN);
        HWND menu = nullptr;
        ASSERT_TRUE(
            test::WaitUntil([&menu] { return (menu = ::FindWindowW(L"#32768", nullptr)); }, 3000));
        ::Sleep(200);
        RECT items{};
        ::GetWindowRect(menu, &items);
        test::ClickAt((items.left + items.right) / 2,
                      items.top + (items.bottom - items.top) * 3 / 4);
    }
    // Clicks the information dialog's OK button.
    static void ClickInfoOk(HWND info) {
        RECT frame{};
        ::GetWindowRect(info, &frame);
        const Rect& ok = skin::kInfoOkButton;
        test::ClickAt(frame.left + (ok.left + ok.right) / 2, frame.top + (ok.top + ok.bottom) / 2);
    }
    // A shown dialog window of the program other than the main window and
    // the demo's pad.
    HWND ShownDialog() {
        return test::ShownWindowOf(::GetProcessId(first.hProcess), [this](HWND hwnd) {
            wchar_t name[32]{};
            wchar_t title[64]{};
            ::GetClassNameW(hwnd, name, 32);
            ::GetWindowTextW(hwnd, title, 64);
            return hwnd != window && std::wstring(name) == L"#32770" &&
                   std::wstring(title) != L"Gesture Pad";
        });
    }
    void TearDown() override {
        test::EndProcess(first);
        test::ForgetStoredSettings();
    }
    POINT At(const Rect& r) const {
        RECT frame{};
        ::GetWindowRect(window, &frame);
        return {frame.left + (r.left + r.right) / 2, frame.top + (r.top + r.bottom) / 2};
    }
    void Click(const Rect& r) {
        const POINT p = At(r);
        // Wait until the button is really on the screen there.
        ASSERT_TRUE(
            test::WaitUntil([&] { return ::GetParent(::WindowFromPoint(p)) == window; }, 5000));
        test::ClickAt(p.x, p.y);
        test::Settle();
        ::Sleep(150);
    }
    // The gesture picture panel, a child window of the main window.
    HWND Panel() const { return ::FindWindowExW(window, nullptr, L"#32770", nullptr); }
    // Clicks the centre of `r`, a rectangle of the picture panel.
    void ClickInPanel(const Rect& r) {
        const Rect& panel = skin::kMainPanel;
        const POINT p = At(
            {panel.left + r.left, panel.top + r.top, panel.left + r.right, panel.top + r.bottom});
        ASSERT_TRUE(test::WaitUntil(
            [&] { return ::GetParent(::WindowFromPoint(p)) == Panel() && Panel(); }, 5000));
        test::ClickAt(p.x, p.y);
        test::Settle();
        ::Sleep(150);
    }
    std::uint32_t Pixel(int x, int y) { return CaptureWindow(window).at(x, y); }
    bool Running() { return ::WaitForSingleObject(first.hProcess, 0) == WAIT_TIMEOUT; }
    bool MouseShown() {
        return ::IsWindowVisible(::GetDlgItem(window, Q5_IDC_MOUSE_PICTURE)) != FALSE;
    }
    void ShowWindowFromTheIcon() {
        ::PostMessageW(window, kTrayMessage, 0, WM_LBUTTONDBLCLK);
        ASSERT_TRUE(test::WaitUntil([this] { return ::IsWindowVisible(window) != FALSE; }));
        ::SetForegroundWindow(window);
        test::Settle();
        ::Sleep(300);
    }

    PROCESS_INFORMATION first{};
    HWND window = nullptr;
};

TEST_F(ProgramTest, SecondStartShowsTheFirstAndEnds) {
    Launch(kProgram);
    EXPECT_FALSE(::IsWindowVisible(window));
    PROCESS_INFORMATION second = test::StartShipped(kProgram);
    ASSERT_NE(second.hProcess, nullptr);
    EXPECT_EQ(::WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0);
    ::CloseHandle(second.hThread);
    ::CloseHandle(second.hProcess);
    EXPECT_TRUE(test::WaitUntil([this] { return ::IsWindowVisible(window) != FALSE; }));
    EXPECT_TRUE(Running());
    // Centred on the screen in the face's size.
    RECT frame{};
    ::GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, skin::kMainSkinSize.width);
    EXPECT_EQ(frame.bottom - frame.top, skin::kMainSkinSize.height);
    EXPECT_EQ(frame.left, (::GetSystemMetrics(SM_CXSCREEN) - skin::kMainSkinSize.width) / 2);
    EXPECT_EQ(frame.top, (::GetSystemMetrics(SM_CYSCREEN) - skin::kMainSkinSize.height) / 2);
}

TEST_F(ProgramTest, AssignApplyKeysAndCloseFromTheMenu) {
    Launch(kDemo);
    ShowWindowFromTheIcon();
    EXPECT_TRUE(test::WaitUntil([this] { return MouseShown(); }, 3000));

    // Select slot 3: it latches (orange) and the mouse picture gives way.
    Click(skin::kMainSlotButtons[3]);
    ::SetCursorPos(1, 1);
    ::Sleep(200);
    const Rect& slot3 = skin::kMainSlotButtons[3];
    const Rect& slot4 = skin::kMainSlotButtons[4];
    EXPECT_EQ(Pixel(slot3.left + 2, slot3.top + 2),
              test::ResourcePixel(Q5_IDB_MAIN_HIGHLIGHT, slot3.left + 2, slot3.top + 2));
    EXPECT_EQ(Pixel(slot4.left + 2, slot4.top + 2),
              test::ResourcePixel(Q5_IDB_MAIN_NORMAL, slot4.left + 2, slot4.top + 2));
    EXPECT_FALSE(MouseShown());
    test::SaveShot(CaptureWindow(window), "program-slot3-selected.png");

    // Enter, Escape and Space do nothing.
    for (WORD vk : {VK_RETURN, VK_ESCAPE, VK_SPACE}) {
        PressKey(vk);
        test::Settle();
    }
    ::Sleep(500);
    EXPECT_TRUE(Running());
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(Pixel(slot3.left + 2, slot3.top + 2),
              test::ResourcePixel(Q5_IDB_MAIN_HIGHLIGHT, slot3.left + 2, slot3.top + 2));

    // Copy from the basic functions, chosen in the menu by the pointer; Apply.
    Click(skin::kMainFunctionButton);
    test::ChooseFromFunctionMenu(window, ::GetProcessId(first.hProcess), 65);
    EXPECT_FALSE(StoredCode(3).has_value());
    Click(skin::kMainApplyButton);
    ASSERT_TRUE(test::WaitUntil([] { return StoredCode(3).has_value(); }, 3000));
    EXPECT_EQ(StoredCode(3), 65);
    EXPECT_EQ(StoredCode(0), 1);

    // Slot 3's gesture, handed to the demo's Gesture Pad, types Ctrl+C as a
    // program on the desktop sees it (the recorder swallows the keys).
    {
        q5::test::WinHookRecorder hooks;
        ASSERT_TRUE(hooks.installed());
        const auto event = EventOfSlot(3);
        ASSERT_TRUE(event.has_value());
        char code[16]{};
        std::snprintf(code, sizeof code, "0x%X", static_cast<unsigned>(*event));
        const auto result = q5::test::RunTool(std::string("gesture ") + code);
        EXPECT_EQ(result.status, 0) << result.output;
        hooks.WaitFor(4);
        const auto keys = hooks.keys();
        ASSERT_EQ(keys.size(), 4u);
        const DWORD vks[] = {VK_CONTROL, 'C', 'C', VK_CONTROL};
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(keys[i].vk, vks[i]) << i;
            EXPECT_EQ((keys[i].flags & LLKHF_UP) != 0, i >= 2) << i;
            EXPECT_TRUE(keys[i].flags & LLKHF_INJECTED) << i;
        }
        EXPECT_TRUE(hooks.mice().empty());
    }

    // Another choice, not applied, then the notification menu's exit item.
    ::PostMessageW(window, kMenuChoice, 66, 23);
    ASSERT_NO_FATAL_FAILURE(ExitFromTheIcon());
    EXPECT_EQ(::WaitForSingleObject(first.hProcess, 10000), WAIT_OBJECT_0);
    // Nothing saved on closing.
    EXPECT_EQ(StoredCode(3), 65);
}

TEST_F(ProgramTest, KeysOnAGesturePictureDoNothing) {
    Launch(kDemo);
    ShowWindowFromTheIcon();
    EXPECT_TRUE(test::WaitUntil([this] { return MouseShown(); }, 3000));
    const HWND panel = Panel();
    ASSERT_NE(panel, nullptr);

    // The picture of slot 2 takes the focus and selects its slot.
    const Rect picture = PanelSlotLayoutOf(2).picture;
    ClickInPanel(picture);
    ASSERT_TRUE(test::WaitUntil([this] { return !MouseShown(); }, 3000));
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &gui));
    EXPECT_TRUE(::IsChild(panel, gui.hwndFocus)) << gui.hwndFocus;

    // Escape, Enter and Space there are treated as in the main window: they
    // do nothing. The panel stays, the slot stays selected, nothing opens.
    for (WORD vk : {VK_ESCAPE, VK_RETURN, VK_SPACE}) {
        PressKey(vk);
        test::Settle();
    }
    ::Sleep(500);
    test::Settle();
    EXPECT_TRUE(Running());
    ASSERT_TRUE(::IsWindow(panel));
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_EQ(Panel(), panel);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_FALSE(MouseShown());
    // No dialog opened (the picture's tooltip may show).
    EXPECT_EQ(ShownDialog(), nullptr);
    EXPECT_EQ(test::ShownMenuWindow(::GetProcessId(first.hProcess), 0), nullptr);
    EXPECT_EQ(::FindWindowW(L"#32768", nullptr), nullptr);
    const Rect& slot2 = skin::kMainSlotButtons[2];
    EXPECT_EQ(Pixel(slot2.left + 2, slot2.top + 2),
              test::ResourcePixel(Q5_IDB_MAIN_HIGHLIGHT, slot2.left + 2, slot2.top + 2));
    EXPECT_FALSE(StoredCode(2).has_value());

    // The pictures still answer: a second click deselects the slot.
    ClickInPanel(picture);
    EXPECT_TRUE(test::WaitUntil([this] { return MouseShown(); }, 3000));
    EXPECT_FALSE(StoredCode(2).has_value());
}

TEST_F(ProgramTest, ExitFromTheIconDuringTheResetQuestionSavesNothing) {
    Launch(kDemo);
    ShowWindowFromTheIcon();
    Click(skin::kMainResetButton);
    const HWND info = WaitForInfoDialog();
    ASSERT_NE(info, nullptr);

    // The notification menu's exit item while the question is open.
    ASSERT_NO_FATAL_FAILURE(ExitFromTheIcon());

    // The question goes with the program, as if cancelled.
    const bool endedAlone = ::WaitForSingleObject(first.hProcess, 15000) == WAIT_OBJECT_0;
    EXPECT_TRUE(endedAlone);
    if (!endedAlone && ::IsWindow(info)) {
        // Still asking: OK there must not reset and save either.
        ClickInfoOk(info);
        EXPECT_EQ(::WaitForSingleObject(first.hProcess, 10000), WAIT_OBJECT_0);
    }
    // Nothing saved on closing.
    EXPECT_FALSE(StoredCode(0).has_value());
    EXPECT_FALSE(StoredCode(3).has_value());
}

TEST_F(ProgramTest, TheOnlyLeftClickIsKept) {
    Launch(kDemo);
    ShowWindowFromTheIcon();
    Click(skin::kMainSlotButtons[0]);
    ::PostMessageW(window, kMenuChoice, 65, 23);
    // The information dialog tells why; its OK closes it.
    const HWND info = WaitForInfoDialog();
    ASSERT_NE(info, nullptr);
    test::SaveShot(CaptureWindow(info), "program-left-click-refused.png");
    ClickInfoOk(info);
    ASSERT_TRUE(test::WaitUntil([this] { return ::IsWindowEnabled(window) != FALSE; }, 3000));
    Click(skin::kMainApplyButton);
    ASSERT_TRUE(test::WaitUntil([] { return StoredCode(0).has_value(); }, 3000));
    EXPECT_EQ(StoredCode(0), 1);
}

}  // namespace
}  // namespace q5::win
