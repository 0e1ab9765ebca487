/*
 * Start-up of the program: common controls and GDI+, the program folder,
 * the language table, the single-instance test, and the main dialog run
 * modally for the whole life of the process.
 */
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/win/CQ5ConfigDlg.h"
#include "i18n/LanguageTable.h"
#include "platform/win/WinPlatform.h"
#include "platform/win/WinTextFiles.h"
#include "ui/win/CWinApp.h"

namespace q5::win {

// Message and mouse message that a second start posts to the running one:
// its notification icon's double click.
inline constexpr UINT kShowInstanceMessage = 0x600;
inline constexpr LPARAM kShowInstanceClick = WM_LBUTTONDBLCLK;

class CQ5ConfigApp : public CWinApp {
public:
    // What the demo changes: the platform before the main dialog is made,
    // and the dialog before it runs.
    struct Variant {
        std::function<void(WinPlatform&)> beforeDialog;
        std::function<void(CQ5ConfigDlg&)> configureDialog;
    };

    CQ5ConfigApp();
    ~CQ5ConfigApp() override;

    // The start-up sequence; false in every case, so the process ends when
    // it returns.
    BOOL InitInstance();
    int ExitInstance();

    void SetVariant(Variant variant) { m_variant = std::move(variant); }
    const std::wstring& ProgramFolder() const { return m_programFolder; }

private:
    bool FindProgramFolder();
    void LoadLanguage();
    static bool ShowRunningInstance();
    void RunMainDialog();

    std::wstring m_programFolder;
    ULONG_PTR m_gdiplusToken = 0;
    WinPlatform m_platform;
    WinTextFiles m_files;
    LanguageTable m_language{m_files};
    Variant m_variant;
};

// Runs the program: start-up, then the process's exit code.
int RunProgram(CQ5ConfigApp& app);

}  // namespace q5::win
