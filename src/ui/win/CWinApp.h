/*
 * The application object: the main window, and the message loop that runs
 * the framework's pre-translation before dispatch. Modal dialogs run the
 * same pumping in their own loops.
 */
#pragma once

#include <windows.h>

namespace q5::win {

class CWnd;

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The one application object, or null.
    static CWinApp* Current();

    CWnd* m_pMainWnd = nullptr;

    // Initialises the common controls (version 6 through the manifest).
    static void InitCommonControls();

    // Runs until WM_QUIT; returns its exit code.
    int Run();

    // Offers the message to the framework objects from its window up to its
    // top-level window; true when one consumed it.
    static BOOL PreTranslate(MSG* msg);
    // Gets, pre-translates and dispatches one message; false on WM_QUIT
    // (which is posted again so outer loops see it too).
    static bool PumpMessage();
};

}  // namespace q5::win
