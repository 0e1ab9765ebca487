/*
 * Carries out the demo's tour (app/DemoTour) against a running demo with
 * real input: clicks by SendInput at the main window's layout points, the
 * gesture through q5tool gesture, and a low-level hook watching what the
 * program synthesises. Every step waits for its visible effect, with a time
 * limit, and the tour stops at the first step that does not show it.
 */
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/DemoTour.h"
#include "ui/PngWriter.h"

namespace q5::tour {

struct TourOptions {
    std::wstring toolPath;   // q5tool.exe
    std::wstring outputDir;  // screenshots
    bool closeDemo = true;   // WM_CLOSE to the main window at the end
};

class TourDriver {
public:
    explicit TourDriver(TourOptions options) : m_options(std::move(options)) {}

    // Runs every step; false after the first that failed, with the reason
    // printed on standard error.
    bool Run();

private:
    bool RunStep(const TourStepInfo& step);
    void CloseDemo();
    bool ShowMainWindow();
    bool SelectSlot();
    bool OpenFunctionMenu();
    bool OpenSubMenu();
    bool ChooseFunction();
    bool Apply();
    bool OpenEditor(ActionCode item, const wchar_t* title);
    bool CatchCombination();
    bool RecordMacro();
    bool CloseEditor();
    bool ShowSecondPanelPage();
    bool RestoreFirstPanelPage();
    bool FireGesture();

    bool ClickAt(HWND window, Point client);
    bool MoveTo(HWND window, Point client);
    bool PressKeys(std::initializer_list<WORD> keys);
    HWND NewMenuWindow(const std::vector<HWND>& known) const;
    bool ChangesArea(HWND window, const Rect& area, const std::function<bool()>& act);
    static RgbImage CaptureArea(HWND window, const Rect& client);
    bool Screenshot(std::string_view name);
    static RgbImage CaptureSettled(const RECT& area);
    HWND FindVisibleChildAt(const Rect& clientRect) const;
    bool Fail(const std::string& why);

    TourOptions m_options;
    HWND m_main = nullptr;
    HWND m_menu = nullptr;
    HWND m_subMenu = nullptr;
    HWND m_editor = nullptr;         // the open editor dialog, shown in the screenshot
    bool m_secondPageShown = false;  // the panel's first page is shown again after the picture
};

}  // namespace q5::tour
