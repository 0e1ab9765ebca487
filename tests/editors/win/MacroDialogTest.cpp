// The macro editor window under Wine: real clicks and key presses, key
// reports posted as the hook library posts them, the real registry, and
// screenshots with pixel probes of what the window chose to draw.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../EditorTexts.h"
#include "EditorWinTestSupport.h"
#include "editors/KeyNames.h"
#include "editors/win/CDlgMacro.h"
#include "platform/win/WinPlatform.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/GdiPlus.h"
#include "ui/win/WinUiTestSupport.h"
#include "ui/win/WindowCapture.h"

namespace q5::win {
namespace {

using test::TimerScript;

const wchar_t kKey[] = L"Software\\Korvo\\Fingrel\\Q5";

class FakeHook final : public HookSwitch {
public:
    bool Available() const override { return true; }
    void SetStatus(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

// 0x00BBGGRR as the 0xRRGGBB of a captured picture.
std::uint32_t Rgb(COLORREF color) {
    return (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

void Click(CWnd& control) {
    const RECT r = control.GetWindowRect();
    test::ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void PressKeys(const std::vector<WORD>& keys) {
    for (WORD key : keys) {
        INPUT press[2]{};
        press[0].type = press[1].type = INPUT_KEYBOARD;
        press[0].ki.wVk = press[1].ki.wVk = key;
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, press, sizeof(INPUT));
        test::Pump();
    }
}

// `key` pressed and released while `modifier` is held.
void PressChord(WORD modifier, WORD key) {
    INPUT keys[4]{};
    const WORD order[4] = {modifier, key, key, modifier};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(4, keys, sizeof(INPUT));
    test::Pump();
}

std::wstring TextOf(HWND hwnd) {
    wchar_t buffer[256]{};
    ::GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

CDlgMacro* OpenEditor() {
    return dynamic_cast<CDlgMacro*>(CWnd::FromHandle(::FindWindowW(nullptr, L"Q5MacroDlg")));
}

RECT ItemRect(CListBoxEx& list, int index) {
    RECT r{};
    list.SendMessageW(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// A pixel of a control's client area in a capture of the editor window.
std::uint32_t PixelOf(const RgbImage& shot, HWND window, HWND control, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(control, &p);
    const RECT frame = [&] {
        RECT r{};
        ::GetWindowRect(window, &r);
        return r;
    }();
    return shot.at(p.x - frame.left, p.y - frame.top);
}

class MacroDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&s_gdiplus, &input, nullptr);
    }
    static void TearDownTestSuite() { Gdiplus::GdiplusShutdown(s_gdiplus); }

    void SetUp() override {
        ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey);
        store.macros().macros[0].setName(u"Greeting");
        store.macros().macros[1].setName(u"Sign-off");
        store.macros().setCount(2);
        ASSERT_TRUE(store.SaveSettings());
        store.LoadSettings();
    }
    void TearDown() override { ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kKey); }

    // Runs the editor while `act` is applied to it once it shows.
    INT_PTR Run(CDlgMacro& dialog, const std::function<void(CDlgMacro&)>& act,
                bool withLibrary = false) {
        ::SetCursorPos(1, 1);
        int ticks = 0;
        TimerScript script({
            [&] {
                CDlgMacro* open = OpenEditor();
                if (!open || !open->IsWindowVisible()) {
                    return false;
                }
                ::SetForegroundWindow(open->GetSafeHwnd());
                test::Pump();
                act(*open);
                return true;
            },
            [&] {
                if (++ticks < 200) {
                    return false;
                }
                if (CDlgMacro* open = OpenEditor()) {
                    open->EndDialog(-2);
                }
                return true;
            },
        });
        if (!withLibrary) {
            dialog.UseHookSwitch(hook);
        }
        return dialog.DoModal();
    }

    MacroTable StoredTable() {
        MacroTable table;
        HKEY key = nullptr;
        if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return table;
        }
        DWORD size = MacroTable::kSize;
        DWORD type = 0;
        ::RegQueryValueExW(key, L"MacroSetting", nullptr, &type, table.data(), &size);
        ::RegCloseKey(key);
        EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
        EXPECT_EQ(size, MacroTable::kSize);
        return table;
    }

    static inline ULONG_PTR s_gdiplus = 0;
    WinPlatform os;
    SettingsStore store{os.registry, os.dialogs};
    FakeHook hook;
    std::wstring folder = L"" Q5_ARTWORK_DIR;
};

TEST_F(MacroDialogTest, RecordsReportsShowsThemAndOkStoresTheTable) {
    CDlgMacro dialog(q5::test::EditorTexts(), folder, 1, nullptr, store);
    RgbImage shot;
    std::vector<LRESULT> kinds;
    std::vector<std::wstring> texts;
    int selection = -2;
    std::uint32_t selectedFill = 0, otherFill = 0, selectedIcon = 0, otherIcon = 0, nameFill = 0;
    std::uint32_t recordPixel = 0;
    const INT_PTR result = Run(dialog, [&](CDlgMacro& d) {
        Click(d.RecordButton());
        HWND self = d.GetSafeHwnd();
        const std::pair<WPARAM, LPARAM> reports[] = {
            {'A', 0x01}, {'A', 0x01}, {'A', 0x81}, {VK_F5, 0x01}, {VK_F5, 0x81}};
        for (const auto& [key, flags] : reports) {
            ::PostMessageW(self, CDlgMacro::kKeyReport, key, flags);
        }
        test::Pump();
        CListBoxEx& events = d.EventList();
        for (int i = 0; i < events.GetCount(); ++i) {
            kinds.push_back(events.GetItemData(i));
            texts.push_back(events.ItemText(i));
        }
        selection = events.GetCurSel();
        ::UpdateWindow(self);
        test::Pump();
        shot = CaptureWindow(self);
        const RECT last = ItemRect(events, 3);
        const RECT first = ItemRect(events, 0);
        HWND list = events.GetSafeHwnd();
        selectedFill = PixelOf(shot, self, list, last.right - 3, last.top + 2);
        otherFill = PixelOf(shot, self, list, first.right - 3, first.top + 2);
        // Inside the icon's frame, beside its arrow.
        selectedIcon = PixelOf(shot, self, list, last.left + 5 + 3, last.top + 1 + 8);
        otherIcon = PixelOf(shot, self, list, first.left + 5 + 3, first.top + 1 + 8);
        const RECT name = ItemRect(d.NameList(), 1);
        nameFill = PixelOf(shot, self, d.NameList().GetSafeHwnd(), name.right - 3, name.top + 2);
        recordPixel = PixelOf(shot, self, d.RecordButton().GetSafeHwnd(), 2, 2);
        Click(d.OkButton());
    });
    test::SaveShot(shot, "macro-editor-recording.png");

    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(dialog.ChosenMacro(), 1);
    // Off when opened, on for the recording, off when OK ends it and when
    // the window goes.
    EXPECT_EQ(hook.statuses, (std::vector<int>{0, 1, 0, 0}));
    // The held key's repeat is dropped.
    EXPECT_EQ(kinds, (std::vector<LRESULT>{3, 2, 3, 2}));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"A", L"A", L"F5", L"F5"}));
    EXPECT_EQ(selection, 3);
    EXPECT_EQ(selectedFill, Rgb(0xB0B0AF));
    EXPECT_EQ(otherFill, Rgb(0xC4C4C3));
    EXPECT_EQ(nameFill, Rgb(0xB0B0AF));
    EXPECT_EQ(selectedIcon, 0xE8782Fu);  // the orange "down_select.png"
    EXPECT_EQ(otherIcon, 0x5B636Eu);     // the slate "down_normal.png"
    // While recording the Record button shows the pressed face.
    const Rect record = skin::kMacroRecordButton;
    EXPECT_EQ(recordPixel,
              test::ResourcePixel(Q5_IDB_MACRO_PRESSED, record.left + 2, record.top + 2));

    const MacroTable stored = StoredTable();
    EXPECT_EQ(stored.storedCount(), 2u);
    EXPECT_EQ(stored.macros[0].name(), u"Greeting");
    const tagMACROINFO& recorded = stored.macros[1];
    EXPECT_EQ(recorded.name(), u"Sign-off");
    ASSERT_EQ(recorded.stepCount(), 4);
    EXPECT_EQ(recorded.steps[0].vk, 'A');
    EXPECT_EQ(recorded.steps[1].keyUp, 1);
    EXPECT_EQ(recorded.steps[2].vk, VK_F5);
    EXPECT_EQ(recorded.steps[3].keyUp, 1);
    EXPECT_EQ(stored, store.macros());
}

TEST_F(MacroDialogTest, RecordsRealKeysThroughTheHookLibrary) {
    CDlgMacro dialog(q5::test::EditorTexts(), L"" Q5_BIN_DIR, 0, nullptr, store);
    std::vector<LRESULT> kinds;
    std::vector<std::wstring> texts;
    bool recording = false;
    const INT_PTR result = Run(
        dialog,
        [&](CDlgMacro& d) {
            Click(d.RecordButton());
            recording = d.Editor()->recording();
            PressKeys({'Q', VK_F7});
            for (int round = 0; round < 10 && d.EventList().GetCount() < 4; ++round) {
                test::Pump();
            }
            for (int i = 0; i < d.EventList().GetCount(); ++i) {
                kinds.push_back(d.EventList().GetItemData(i));
                texts.push_back(d.EventList().ItemText(i));
            }
            Click(d.OkButton());
        },
        true);

    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(recording);
    EXPECT_EQ(kinds, (std::vector<LRESULT>{3, 2, 3, 2}));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Q", L"Q", L"F7", L"F7"}));
    const tagMACROINFO stored = StoredTable().macros[0];
    EXPECT_EQ(stored.name(), u"Greeting");
    EXPECT_EQ(stored.steps[0].vk, 'Q');
    EXPECT_EQ(stored.steps[0].keyUp, 0);
    EXPECT_EQ(stored.steps[3].vk, VK_F7);
    EXPECT_EQ(stored.steps[3].keyUp, 1);
    // The click on OK that ends the recording is on the editor itself: the
    // library does not report it, so the macro ends with the keys.
    EXPECT_EQ(stored.stepCount(), 4);
}

// The user records with the editor in front: the keys of the macro go to the
// editor too, where Alt+F4 would cancel it and the arrows would move the
// focus into the name list and switch macros.
TEST_F(MacroDialogTest, KeysRecordedWithTheEditorInFrontDoNotOperateIt) {
    CDlgMacro dialog(q5::test::EditorTexts(), L"" Q5_BIN_DIR, 0, nullptr, store);
    bool stillRecording = false;
    int selection = -1;
    const INT_PTR result = Run(
        dialog,
        [&](CDlgMacro& d) {
            Click(d.RecordButton());
            PressChord(VK_MENU, VK_F4);
            PressKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});
            for (int round = 0; round < 10 && d.EventList().GetCount() < 12; ++round) {
                test::Pump();
            }
            stillRecording = d.Editor()->recording();
            selection = d.NameList().GetCurSel();
            Click(d.OkButton());
        },
        true);

    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(stillRecording);
    EXPECT_EQ(selection, 0);
    const tagMACROINFO stored = StoredTable().macros[0];
    ASSERT_EQ(stored.stepCount(), 12);
    EXPECT_EQ(stored.steps[1].vk, VK_F4);
    EXPECT_EQ(stored.steps[3].keyUp, 1);
    EXPECT_EQ(stored.steps[4].vk, VK_DOWN);
    EXPECT_EQ(stored.steps[11].vk, VK_DOWN);
    EXPECT_EQ(stored.steps[11].keyUp, 1);
}

// A plain window of the test's own, away from the centred editor.
class OutsideWindow {
public:
    OutsideWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"Q5MacroOutside";
        ::RegisterClassW(&wc);
        m_hwnd = ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"outside",
                                   WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 80, 80, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        test::Pump();
    }
    ~OutsideWindow() { ::DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

TEST_F(MacroDialogTest, ClicksElsewhereAreRecordedAndTheEditorsOwnAreNot) {
    OutsideWindow outside;
    ASSERT_NE(outside.hwnd(), nullptr);
    CDlgMacro dialog(q5::test::EditorTexts(), L"" Q5_BIN_DIR, 0, nullptr, store);
    bool recording = false;
    bool stopped = false;
    const INT_PTR result = Run(
        dialog,
        [&](CDlgMacro& d) {
            Click(d.RecordButton());
            recording = d.Editor()->recording();
            test::ClickCentre(outside.hwnd());
            test::Pump();
            ::Sleep(200);
            test::Pump();
            // Record again stops the recording, with a click on the editor.
            Click(d.RecordButton());
            test::Pump();
            stopped = !d.Editor()->recording();
            ::Sleep(200);
            test::Pump();
            Click(d.OkButton());
        },
        true);

    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(recording);
    EXPECT_TRUE(stopped);
    const tagMACROINFO stored = StoredTable().macros[0];
    // Only the click on the other window: press and release.
    ASSERT_EQ(stored.stepCount(), 2);
    EXPECT_EQ(stored.steps[0].vk, kKeyCodeLeftButton);
    EXPECT_EQ(stored.steps[0].keyUp, 0);
    EXPECT_EQ(stored.steps[1].vk, kKeyCodeLeftButton);
    EXPECT_EQ(stored.steps[1].keyUp, 1);
}

TEST_F(MacroDialogTest, WithoutTheHookLibraryRecordDoesNothing) {
    CDlgMacro dialog(q5::test::EditorTexts(), folder, 0, nullptr, store);
    bool recording = true;
    const INT_PTR result = Run(
        dialog,
        [&](CDlgMacro& d) {
            Click(d.RecordButton());
            recording = d.Editor()->recording();
            Click(d.CancelButton());
        },
        true);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_FALSE(recording);
}

TEST_F(MacroDialogTest, NamesAreEditedInPlaceWithRealTyping) {
    CDlgMacro dialog(q5::test::EditorTexts(), folder, 0, nullptr, store);
    bool editOpened = false;
    std::wstring limited;
    std::wstring afterEnter;
    std::wstring afterEscape;
    bool secondEditRefused = false;
    RgbImage shot;
    const INT_PTR result = Run(dialog, [&](CDlgMacro& d) {
        CListBoxEx& names = d.NameList();
        const POINT centre = test::ItemCentre(names.GetSafeHwnd(), 1);
        test::ClickAt(centre, 2);
        editOpened = names.EditWindow() != nullptr;
        if (!editOpened) {
            return;
        }
        // Eleven letters: the eleventh is refused.
        PressKeys({'S', 'H', 'O', 'R', 'T', 'C', 'U', 'T', 'K', 'E', 'Y'});
        limited = TextOf(names.EditWindow());
        shot = CaptureWindow(d.GetSafeHwnd());
        // A double-click while the edit is open opens no second one.
        HWND edit = names.EditWindow();
        d.SendMessageW(WM_COMMAND, MAKEWPARAM(CDlgMacro::kNameListId, LBN_DBLCLK),
                       reinterpret_cast<LPARAM>(names.GetSafeHwnd()));
        secondEditRefused = names.EditWindow() == edit;
        PressKeys({VK_RETURN});
        afterEnter = names.ItemText(1);

        test::ClickAt(centre, 2);
        PressKeys({'X', VK_ESCAPE});
        afterEscape = names.ItemText(1);
        // Enter and Esc with the focus on a button press nothing.
        ::SetFocus(d.NewButton().GetSafeHwnd());
        PressKeys({VK_RETURN, VK_ESCAPE, VK_SPACE});
        Click(d.OkButton());
    });
    test::SaveShot(shot, "macro-editor-rename.png");

    ASSERT_TRUE(editOpened);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(limited, L"shortcutke");
    EXPECT_TRUE(secondEditRefused);
    EXPECT_EQ(afterEnter, L"shortcutke");
    EXPECT_EQ(afterEscape, L"shortcutke");
    // Clicking the name selected its macro.
    EXPECT_EQ(dialog.ChosenMacro(), 1);
    ASSERT_NE(dialog.Editor(), nullptr);
    EXPECT_EQ(dialog.Editor()->names().size(), 2u);
    EXPECT_EQ(StoredTable().macros[1].name(), u"shortcutke");
}

// Clicking another name ends an open edit and selects that name.
TEST_F(MacroDialogTest, ClickingAnotherNameEndsTheEditAndSelectsIt) {
    CDlgMacro dialog(q5::test::EditorTexts(), folder, 0, nullptr, store);
    int selection = -1;
    int editorSelection = -1;
    const INT_PTR result = Run(dialog, [&](CDlgMacro& d) {
        CListBoxEx& names = d.NameList();
        test::ClickAt(test::ItemCentre(names.GetSafeHwnd(), 1), 2);
        PressKeys({'X'});
        test::ClickAt(test::ItemCentre(names.GetSafeHwnd(), 0));
        for (int round = 0; round < 5; ++round) {
            test::Pump();
        }
        selection = names.GetCurSel();
        editorSelection = d.Editor()->nameSelection();
        Click(d.OkButton());
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(editorSelection, 0);
    EXPECT_EQ(dialog.ChosenMacro(), 0);
    EXPECT_EQ(StoredTable().macros[1].name(), u"x");
}

TEST_F(MacroDialogTest, TheLoopBoxEnablesTheColouredCountFieldAndItsTimerRestoresOne) {
    CDlgMacro dialog(q5::test::EditorTexts(), folder, 0, nullptr, store);
    bool enabledAfterClick = false;
    std::uint32_t fieldBackground = 0;
    std::int32_t typedCount = 0;
    std::vector<int> statusesWhileTyping;
    std::wstring emptied;
    std::wstring later;
    RgbImage shot;
    const INT_PTR result = Run(dialog, [&](CDlgMacro& d) {
        Click(d.RecordButton());
        Click(d.LoopBox());
        enabledAfterClick = ::IsWindowEnabled(d.CountField().GetSafeHwnd()) != FALSE;
        // Typing the count during a recording switches the reports off.
        Click(d.CountField());
        d.CountField().SetSel(0, -1);
        PressKeys({'4', '2', 'X'});
        typedCount = d.Editor()->macros().FindMacro(0)->loopCount();
        Click(d.EventList());
        statusesWhileTyping = hook.statuses;
        ::UpdateWindow(d.GetSafeHwnd());
        test::Pump();
        shot = CaptureWindow(d.GetSafeHwnd());
        const RECT field = d.CountField().GetClientRect();
        fieldBackground = PixelOf(shot, d.GetSafeHwnd(), d.CountField().GetSafeHwnd(),
                                  field.right - 2, field.bottom - 2);
        d.CountField().SetWindowTextW(L"");
        emptied = TextOf(d.CountField().GetSafeHwnd());
        const DWORD start = ::GetTickCount();
        while (::GetTickCount() - start < 1500) {
            test::Pump();
        }
        later = TextOf(d.CountField().GetSafeHwnd());
        d.PostMessageW(WM_CLOSE);
    });
    test::SaveShot(shot, "macro-editor-loop.png");

    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(enabledAfterClick);
    EXPECT_EQ(typedCount, 42);
    EXPECT_EQ(statusesWhileTyping, (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(fieldBackground, Rgb(0xC3C3C4));
    EXPECT_EQ(emptied, L"");
    EXPECT_EQ(later, L"1");
}

TEST_F(MacroDialogTest, CloseCountsAsCancelAndKeepsTheStoredMacros) {
    const MacroTable before = StoredTable();
    CDlgMacro dialog(q5::test::EditorTexts(), folder, 0, nullptr, store);
    const INT_PTR result = Run(dialog, [&](CDlgMacro& d) {
        Click(d.NewButton());
        Click(d.NewButton());
        d.PostMessageW(WM_CLOSE);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(dialog.ChosenMacro(), 3);
    EXPECT_EQ(StoredTable(), before);
}

}  // namespace
}  // namespace q5::win
