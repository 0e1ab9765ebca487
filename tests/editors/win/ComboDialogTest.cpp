#include "editors/win/CComBoDlg.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "editors/ComboDialogLook.h"
#include "ui/ResourceIds.h"
#include "ui/SkinLayout.h"
#include "ui/win/WinUiTestSupport.h"

namespace q5::win {
namespace {

using test::TimerScript;
using Bytes = std::array<std::uint8_t, 3>;
using Step = std::function<bool(CComBoDlg&)>;

constexpr wchar_t kBinDir[] = L"" Q5_BIN_DIR;

TextLookup ComboTexts() {
    static const test::TextMap texts = {
        {"tc_ok", u"OK"},
        {"tc_cancel", u"Cancel"},
        {"tc_combo_tittle", u"Key combination"},
        {"tc_combo_tips", u"Press the keys you want to assign."},
    };
    return test::LookupIn(texts);
}

CComBoDlg* OpenComboDialog() {
    return dynamic_cast<CComBoDlg*>(
        CWnd::FromHandle(::FindWindowW(nullptr, CComBoDlg::kWindowText)));
}

INPUT Key(WORD vk, DWORD flags = 0) {
    return test::KeyInput(vk, flags);
}

INPUT Up(WORD vk) {
    return Key(vk, KEYEVENTF_KEYUP);
}

// A step that presses real keys through the system's input queue.
Step Press(std::vector<INPUT> keys) {
    return [keys](CComBoDlg&) mutable {
        ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
        return true;
    };
}

// A step that waits (up to about three seconds) until the dialog has drawn `text`.
Step ShowsText(std::u16string text) {
    return [text, ticks = 0](CComBoDlg& d) mutable {
        ::UpdateWindow(d.GetSafeHwnd());
        return d.DrawnCombination() == text || ++ticks > 50;
    };
}

Step ClickAt(CGDIBitmapBtn& (CComBoDlg::*button)()) {
    return [button](CComBoDlg& d) {
        test::ClickCentre((d.*button)().GetSafeHwnd());
        return true;
    };
}

struct DialogRun {
    INT_PTR result = -1;
    Bytes bytes{};
    std::u16string drawn;
    bool hookLoaded = false;
};

// Opens the dialog and runs `steps` on it one per timer tick; a step that
// returns false is tried again. Gives up (result -2) if it is still open
// long after the last step.
DialogRun RunDialog(std::vector<Step> steps, std::wstring folder = kBinDir,
                    CWnd* parent = nullptr) {
    ::SetCursorPos(1, 1);  // away from the buttons
    CComBoDlg dialog(ComboTexts(), std::move(folder), parent);
    DialogRun run;
    std::vector<TimerScript::Step> script;
    script.push_back([&] {
        CComBoDlg* open = OpenComboDialog();
        if (!open || !open->IsWindowVisible()) {
            return false;
        }
        // Run.hookLoaded is read while the dialog is open; the library is
        // freed with the window.
        run.hookLoaded = open->HookLoaded();
        ::SetForegroundWindow(open->GetSafeHwnd());
        return true;
    });
    // A few ticks for activation and the first painting, inside the
    // dialog's own loop (so keys take the dialog's pre-translation).
    script.push_back([settling = 0]() mutable { return ++settling > 3; });
    for (auto& step : steps) {
        script.push_back([&dialog, step] { return step(dialog); });
    }
    int ticks = 0;
    script.push_back([&] {
        if (CComBoDlg* open = OpenComboDialog()) {
            if (++ticks < 60) {
                return false;
            }
            open->EndDialog(-2);
        }
        return true;
    });
    TimerScript timer(std::move(script));
    run.result = dialog.DoModal();
    run.bytes = dialog.Result();
    run.drawn = dialog.DrawnCombination();
    return run;
}

TEST(ComboDialog, CtrlAThenOkReturnsTheCombination) {
    const DialogRun run = RunDialog({
        Press({Key(VK_LCONTROL), Key('A'), Up('A'), Up(VK_LCONTROL)}),
        ShowsText(u"Ctrl+A"),
        ClickAt(&CComBoDlg::OkButton),
    });
    EXPECT_EQ(IDOK, run.result);
    EXPECT_EQ(Bytes({0x01, 'A', 0}), run.bytes);
    EXPECT_EQ(u"Ctrl+A", run.drawn);
    EXPECT_TRUE(run.hookLoaded);
}

// Keys pressed, then OK clicked: what the dialog showed and returned.
TEST(ComboDialog, CapturedCombinations) {
    const struct {
        std::vector<INPUT> keys;
        std::u16string text;
        Bytes bytes;
    } cases[] = {
        // Key first, modifier second; the held keys repeat their presses.
        {{Key('B'), Key('B'), Key('B'), Key(VK_RSHIFT), Key(VK_RSHIFT), Up('B'), Up(VK_RSHIFT)},
         u"Shift+B",
         {0x02, 'B', 0}},
        // The third key is dropped.
        {{Key(VK_LCONTROL), Key('A'), Key('B'), Key('C'), Up('C'), Up('B'), Up('A'),
          Up(VK_LCONTROL)},
         u"Ctrl+A+B",
         {0x01, 'A', 'B'}},
        // Esc and Alt+F4 are captured and do not close the dialog.
        {{Key(VK_ESCAPE), Up(VK_ESCAPE)}, u"Esc", {0, VK_ESCAPE, 0}},
        {{Key(VK_LMENU), Key(VK_F4), Up(VK_F4), Up(VK_LMENU)}, u"Alt+F4", {0x04, VK_F4, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        const DialogRun run =
            RunDialog({Press(c.keys), ShowsText(c.text), ClickAt(&CComBoDlg::OkButton)});
        EXPECT_EQ(IDOK, run.result);
        EXPECT_EQ(c.text, run.drawn);
        EXPECT_EQ(c.bytes, run.bytes);
    }
}

TEST(ComboDialog, EnterAndSpaceAreCapturedAndPressNoButton) {
    const DialogRun run = RunDialog({
        // Keyboard focus on OK, where Space or Enter would click it.
        [](CComBoDlg& d) {
            ::SetFocus(d.OkButton().GetSafeHwnd());
            return true;
        },
        Press({Key(VK_RETURN), Key(VK_SPACE), Up(VK_SPACE), Up(VK_RETURN)}),
        ShowsText(u"Enter+Space"),
        ClickAt(&CComBoDlg::CancelButton),
    });
    EXPECT_EQ(IDCANCEL, run.result);
    EXPECT_EQ(u"Enter+Space", run.drawn);
}

TEST(ComboDialog, ANewCaptureReplacesTheShownCombination) {
    const DialogRun run = RunDialog({
        Press({Key(VK_LCONTROL), Key('A'), Up('A'), Up(VK_LCONTROL)}),
        ShowsText(u"Ctrl+A"),
        Press({Key(VK_F5), Up(VK_F5)}),
        ShowsText(u"F5"),
        ClickAt(&CComBoDlg::OkButton),
    });
    EXPECT_EQ(IDOK, run.result);
    EXPECT_EQ(Bytes({0, VK_F5, 0}), run.bytes);
}

TEST(ComboDialog, CancelCrossAndCloseMessageReturnIdcancel) {
    EXPECT_EQ(IDCANCEL, RunDialog({ClickAt(&CComBoDlg::CancelButton)}).result);
    EXPECT_EQ(IDCANCEL, RunDialog({ClickAt(&CComBoDlg::CloseButton)}).result);
    EXPECT_EQ(IDCANCEL, RunDialog({[](CComBoDlg&) {
                            // As the main window closes an open editor.
                            ::PostMessageW(::FindWindowW(nullptr, L"Q5ComboDlg"), WM_CLOSE, 0, 0);
                            return true;
                        }}).result);
}

TEST(ComboDialog, WithoutTheHookLibraryOkReturnsNothing) {
    const DialogRun run = RunDialog(
        {
            Press({Key(VK_LCONTROL), Key('A'), Up('A'), Up(VK_LCONTROL)}),
            [ticks = 0](CComBoDlg&) mutable { return ++ticks > 5; },
            ClickAt(&CComBoDlg::OkButton),
        },
        L"C:\\no hook library here");
    EXPECT_EQ(IDOK, run.result);
    EXPECT_FALSE(run.hookLoaded);
    EXPECT_EQ(Bytes({0, 0, 0}), run.bytes);
    EXPECT_EQ(u"", run.drawn);
}

TEST(ComboDialog, CentresOverTheScreenOrItsParent) {
    RECT alone{};
    RunDialog({[&](CComBoDlg& d) {
        alone = d.GetWindowRect();
        d.EndDialog(IDCANCEL);
        return true;
    }});
    EXPECT_EQ(skin::kComboFaceSize.width, alone.right - alone.left);
    EXPECT_EQ(skin::kComboFaceSize.height, alone.bottom - alone.top);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - skin::kComboFaceSize.width) / 2, alone.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYSCREEN) - skin::kComboFaceSize.height) / 2, alone.top);

    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"combo parent", WS_POPUP | WS_VISIBLE,
                                RECT{40, 30, 541, 330}, nullptr, 0));
    RECT over{};
    RunDialog({[&](CComBoDlg& d) {
                  over = d.GetWindowRect();
                  d.EndDialog(IDCANCEL);
                  return true;
              }},
              kBinDir, &parent);
    const Point expected = combo::CentredOver({40, 30, 541, 330}, 304, 154);
    EXPECT_EQ(expected.x, over.left);
    EXPECT_EQ(expected.y, over.top);
}

TEST(ComboDialog, DraggedByItsFace) {
    RECT before{};
    RECT after{};
    auto mouse = [](DWORD flags, LONG dx = 0, LONG dy = 0) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        input.mi.dx = dx;
        input.mi.dy = dy;
        ::SendInput(1, &input, sizeof(INPUT));
    };
    RunDialog({
        [&](CComBoDlg& d) {
            before = d.GetWindowRect();
            // A point of the face away from the buttons and texts.
            ::SetCursorPos(before.left + 30, before.top + 110);
            mouse(MOUSEEVENTF_LEFTDOWN);
            return true;
        },
        [&](CComBoDlg&) {
            ::SetCursorPos(before.left + 70, before.top + 135);
            mouse(MOUSEEVENTF_MOVE);
            return true;
        },
        [&](CComBoDlg&) {
            mouse(MOUSEEVENTF_LEFTUP);
            return true;
        },
        [&, ticks = 0](CComBoDlg& d) mutable {
            after = d.GetWindowRect();
            if (after.left == before.left && ++ticks < 30) {
                return false;
            }
            d.EndDialog(IDCANCEL);
            return true;
        },
    });
    EXPECT_EQ(before.left + 40, after.left);
    EXPECT_EQ(before.top + 25, after.top);
}

TEST(ComboDialog, FaceAndCombinationShowAsDrawn) {
    RgbImage shot;
    const DialogRun run = RunDialog({
        Press({Key(VK_LCONTROL), Key(VK_LMENU), Key(VK_DELETE), Up(VK_DELETE), Up(VK_LMENU),
               Up(VK_LCONTROL)}),
        ShowsText(u"Ctrl+Alt+Delete"),
        [&](CComBoDlg& d) {
            ::UpdateWindow(d.GetSafeHwnd());
            shot = CaptureWindow(d.GetSafeHwnd());
            d.CancelButton().SendMessageW(BM_CLICK);
            return true;
        },
    });
    EXPECT_EQ(IDCANCEL, run.result);
    test::SaveShot(shot, "combo-dialog.png");
    ASSERT_EQ(skin::kComboFaceSize.width, shot.width);
    ASSERT_EQ(skin::kComboFaceSize.height, shot.height);
    // The client area starts inside the one-pixel border.
    constexpr int kBorder = 1;
    auto at = [&](int x, int y) { return shot.at(x + kBorder, y + kBorder); };
    // The face where no text goes: below the combination, left of the buttons.
    EXPECT_EQ(test::ResourcePixel(Q5_IDB_COMBO_NORMAL, 30, 110), at(30, 110));
    const Rect ok = skin::kComboOkButton;
    EXPECT_EQ(test::ResourcePixel(Q5_IDB_COMBO_NORMAL, ok.left + 2, ok.top + 2),
              at(ok.left + 2, ok.top + 2));
    // The combination is written in the text colour inside its area: every
    // pixel it touches blends the face toward that colour, whatever the font;
    // the band below it keeps the face.
    const Rect keys = skin::kComboKeysText;
    const RECT inShot{keys.left + kBorder, keys.top + kBorder, keys.right + kBorder,
                      keys.bottom + kBorder};
    const std::uint32_t ink = (combo::kTextColor & 0xFF) << 16 | (combo::kTextColor & 0xFF00) |
                              (combo::kTextColor >> 16 & 0xFF);
    const test::CaptionInk drawn =
        test::InkOver(shot, Q5_IDB_COMBO_NORMAL, inShot, ink, -kBorder, -kBorder);
    EXPECT_GT(drawn.touched, 0);
    EXPECT_EQ(0, drawn.offColour);
    int changed = 0;
    for (int y = keys.bottom + 2; y < ok.top - 2; ++y) {
        for (int x = keys.left; x < keys.right; x += 7) {
            changed += at(x, y) != test::ResourcePixel(Q5_IDB_COMBO_NORMAL, x, y);
        }
    }
    EXPECT_EQ(0, changed);
}

}  // namespace
}  // namespace q5::win
