// q5tour against a stand-in of the demo's main window: plain buttons at the
// layout's slot, function, Apply and page rectangles, a panel that names its
// page, the real function menu of MenuEx.dll, a pop-up for each editor, the
// registry value that Apply writes, and a real Gesture Pad whose gesture
// presses Ctrl+C. The tour runs as its own process,
// as scripts/run starts it, while this thread serves the windows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "ProgramDriver.h"
#include "ToolRunner.h"
#include "app/DemoTour.h"
#include "app/win/CGesturePad.h"
#include "app/win/CQ5ConfigDlg.h"
#include "model/ButtonSetting.h"
#include "model/SettingsStore.h"
#include "platform/win/ProgramLibrary.h"
#include "ui/FunctionMenu.h"
#include "ui/SkinLayout.h"
#include "ui/win/CButton.h"
#include "ui/win/MenuExExports.h"
#include "ui/win/WideText.h"
#include "ui/win/WinUiTestSupport.h"

namespace q5::win {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr UINT kMenuChoice = 0x501;
constexpr UINT kSlotId = 200;
constexpr UINT kFunctionId = 300;
constexpr UINT kApplyId = 301;
constexpr UINT kPageLeftId = 302;
constexpr UINT kPageRightId = 303;
constexpr UINT kPanelId = 304;

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// An editor's stand-in: it keeps the keys and clicks it gets and shows
// their number as its colour, as an editor shows what it caught.
class StandInEditor : public CWnd {
public:
    std::vector<WPARAM> keysDown;
    std::vector<POINT> clicks;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_KEYDOWN:
                keysDown.push_back(wParam);
                ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
                return 0;
            case WM_LBUTTONDOWN:
                clicks.push_back(
                    {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
                ::InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
                return 0;
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT:
                Paint();
                return 0;
            default:
                return CWnd::HandleMessage(msg, wParam, lParam);
        }
    }

private:
    void Paint() {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(GetSafeHwnd(), &paint);
        const auto seen = static_cast<int>(keysDown.size() + clicks.size());
        HBRUSH brush = ::CreateSolidBrush(RGB((seen * 40) % 256, 255 - (seen * 30) % 256, 128));
        ::FillRect(dc, &paint.rcPaint, brush);
        ::DeleteObject(brush);
        ::EndPaint(GetSafeHwnd(), &paint);
    }
};

bool Inside(const POINT& p, const Rect& r) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

class StandInMainWindow : public CWnd {
public:
    StandInMainWindow() {
        const RECT frame{40, 40, 40 + skin::kMainSkinSize.width, 40 + skin::kMainSkinSize.height};
        CreateEx(0, nullptr, L"Korvo Q5 Mouse Driver", WS_POPUP | WS_VISIBLE, frame, nullptr, 0);
        for (std::size_t i = 0; i < skin::kMainSlotButtons.size(); ++i) {
            AddButton(L"slot", ToRECT(skin::kMainSlotButtons[i]), kSlotId + static_cast<UINT>(i),
                      true);
        }
        m_function = AddButton(L"function", ToRECT(skin::kMainFunctionButton), kFunctionId, false);
        AddButton(L"Apply", ToRECT(skin::kMainApplyButton), kApplyId, true);
        AddButton(L"<", ToRECT(skin::kMainPageLeftButton), kPageLeftId, true);
        AddButton(L">", ToRECT(skin::kMainPageRightButton), kPageRightId, true);
        m_panel = AddButton(L"page 1", ToRECT(skin::kMainPanel), kPanelId, true);
        const std::string dir = Q5_BIN_DIR;
        m_menuLibrary = ::LoadLibraryW(
            (std::wstring(dir.begin(), dir.end()) + L"/" + kMenuLibraryFileName).c_str());
    }
    ~StandInMainWindow() override {
        if (m_menuLibrary) {
            LibraryExport<DestroyMenuExFn>(m_menuLibrary, kDestroyMenuExName)();
        }
        DestroyWindow();
        if (m_menuLibrary) {
            ::FreeLibrary(m_menuLibrary);
        }
    }

    bool MenuLibraryLoaded() const { return m_menuLibrary != nullptr; }
    const std::vector<std::unique_ptr<StandInEditor>>& editors() const { return m_editors; }

    int selectedSlot = -1;
    WPARAM chosenItem = 0;
    LPARAM chosenTop = 0;
    std::vector<LPARAM> openedEditors;
    std::vector<int> pagesShown;

    // True when an editor that the tour opened is still on the screen.
    bool EditorShown() const {
        for (const auto& editor : m_editors) {
            if (::IsWindow(editor->GetSafeHwnd()) && ::IsWindowVisible(editor->GetSafeHwnd())) {
                return true;
            }
        }
        return false;
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kMenuChoice && OpensEditor(lParam)) {
            OpenEditor(lParam);
            return 0;
        }
        if (msg == kMenuChoice) {
            chosenItem = wParam;
            chosenTop = lParam;
            return 0;
        }
        return CWnd::HandleMessage(msg, wParam, lParam);
    }

    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        const UINT id = LOWORD(wParam);
        if (id >= kSlotId && id < kSlotId + skin::kMainSlotButtons.size()) {
            selectedSlot = static_cast<int>(id - kSlotId);
            m_function->ShowWindow(SW_SHOW);
        } else if (id == kFunctionId) {
            OpenMenu();
        } else if (id == kPageLeftId || id == kPageRightId) {
            const int page = id == kPageLeftId ? 0 : 1;
            pagesShown.push_back(page);
            m_panel->SetWindowTextW(page == 0 ? L"page 1" : L"page 2");
        } else if (id == kApplyId) {
            Store();
        }
        return TRUE;
    }

private:
    // The function menu as the main dialog opens it, below the function
    // button, without images: a hot item is filled with the highlight.
    void OpenMenu() {
        POINT at{skin::kMainFunctionButton.left, skin::kMainFunctionButton.bottom};
        ::ClientToScreen(m_hWnd, &at);
        const MenuItemArray items = BuildFunctionMenuItems(test::SampleTexts());
        LibraryExport<CreateMenuExFn>(m_menuLibrary, kCreateMenuExName)(
            m_hWnd, 0, &at, 0, RGB(0, 0, 0), RGB(0, 120, 215), L"", L"", L"", L"", L"", L"", L"",
            L"", items.data(), static_cast<int>(kFunctionMenuItemCount));
    }

    static bool OpensEditor(LPARAM top) {
        return top == static_cast<LPARAM>(kTourCombinationItem) ||
               top == static_cast<LPARAM>(kTourMacroItem);
    }

    // The editor's stand-in: a pop-up with the editor's title that the
    // default handling of WM_CLOSE destroys, in the editor's size.
    void OpenEditor(LPARAM top) {
        openedEditors.push_back(top);
        const wchar_t* title = top == static_cast<LPARAM>(kTourCombinationItem) ? kComboDialogTitle
                                                                                : kMacroEditorTitle;
        RECT frame{};
        ::GetWindowRect(m_hWnd, &frame);
        m_editors.push_back(std::make_unique<StandInEditor>());
        m_editors.back()->CreateEx(
            0, nullptr, title, WS_POPUP | WS_VISIBLE | WS_BORDER,
            RECT{frame.left + 100, frame.top + 100, frame.left + 460, frame.top + 300}, nullptr, 0);
    }

    CButton* AddButton(const wchar_t* text, const RECT& rect, UINT id, bool visible) {
        auto button = std::make_unique<CButton>();
        button->Create(text, WS_CHILD | (visible ? WS_VISIBLE : 0) | BS_PUSHBUTTON, rect, this, id);
        m_buttons.push_back(std::move(button));
        return m_buttons.back().get();
    }

    void Store() {
        ButtonSetting image = ButtonSetting::Factory();
        image.slot(selectedSlot).setCode(static_cast<ActionCode>(chosenItem));
        HKEY key = nullptr;
        ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(std::u16string(kSettingsKey)), 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr);
        ::RegSetValueExW(key, Wide(std::u16string(kButtonSettingValue)), 0, REG_BINARY,
                         image.data(), static_cast<DWORD>(sizeof image));
        ::RegCloseKey(key);
    }

    std::vector<std::unique_ptr<CButton>> m_buttons;
    CButton* m_function = nullptr;
    CButton* m_panel = nullptr;
    HMODULE m_menuLibrary = nullptr;
    std::vector<std::unique_ptr<StandInEditor>> m_editors;
};

// Ctrl+C as the executor presses it for the copy function.
bool PressCopy(std::uint32_t code) {
    if (code != TourGestureEvent()) {
        return false;
    }
    const std::pair<BYTE, DWORD> keys[] = {
        {VK_CONTROL, 0}, {'C', 0}, {'C', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
    for (const auto& [vk, flags] : keys) {
        ::keybd_event(vk, 0, flags, 0);
    }
    return true;
}

TEST(TourDriver, PlaysEveryStepAgainstTheMainWindowAndReportsTheSynthesisedInput) {
    test::ForgetStoredSettings();
    StandInMainWindow main;
    ASSERT_TRUE(main.MenuLibraryLoaded());
    CGesturePad pad(&PressCopy, test::SampleTexts());
    ASSERT_TRUE(pad.Create(main.GetSafeHwnd()));
    test::Settle();

    const std::string outputDir = q5::test::NativePath(std::string(Q5_SCREENSHOT_DIR) + "/tour");
    const std::string arguments =
        "--tool \"" + q5::test::ToolPath() + "\" --out \"" + outputDir + "\"";
    q5::test::ToolResult result;
    std::atomic<bool> done{false};
    std::thread tour([&] {
        result = q5::test::RunProgram(q5::test::NativePath(Q5TOUR_PATH), arguments);
        done = true;
    });
    MSG msg;
    const DWORD deadline = ::GetTickCount() + 120000;
    while (!done && ::GetTickCount() < deadline) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    tour.join();
    test::ForgetStoredSettings();

    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(main.selectedSlot, kTourSlot);
    EXPECT_EQ(main.chosenItem, static_cast<WPARAM>(kTourFunction));
    EXPECT_EQ(main.chosenTop, static_cast<LPARAM>(kTourMenuHeading));
    EXPECT_THAT(main.openedEditors, ElementsAre(static_cast<LPARAM>(kTourCombinationItem),
                                                static_cast<LPARAM>(kTourMacroItem)));
    EXPECT_FALSE(main.EditorShown());
    // Ctrl+Shift+S typed into the key combination dialog; in the macro
    // editor New, then H and I recorded between two clicks on the record
    // button.
    ASSERT_EQ(main.editors().size(), 2u);
    EXPECT_THAT(main.editors()[0]->keysDown, ElementsAre(VK_CONTROL, VK_SHIFT, 'S'));
    EXPECT_TRUE(main.editors()[0]->clicks.empty());
    EXPECT_THAT(main.editors()[1]->keysDown, ElementsAre('H', 'I'));
    const auto& clicks = main.editors()[1]->clicks;
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_TRUE(Inside(clicks[0], skin::kMacroNewButton));
    EXPECT_TRUE(Inside(clicks[1], skin::kMacroRecordButton));
    EXPECT_TRUE(Inside(clicks[2], skin::kMacroRecordButton));
    EXPECT_THAT(main.pagesShown, ElementsAre(1, 0));
    const auto lines = result.lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_THAT(std::vector(lines.end() - 5, lines.end()),
                ElementsAre("tour: gesture 0x80000008; input seen by a low-level hook:",
                            StartsWith("  key 0x11 Ctrl down"), StartsWith("  key 0x43 C down"),
                            StartsWith("  key 0x43 C up"), StartsWith("  key 0x11 Ctrl up")));
    for (const auto& step : TourSteps()) {
        if (!step.screenshot.empty()) {
            const std::string shot = outputDir + "\\" + std::string(step.screenshot);
            EXPECT_NE(::GetFileAttributesA(shot.c_str()), INVALID_FILE_ATTRIBUTES)
                << step.screenshot;
        }
    }
}

}  // namespace
}  // namespace q5::win
