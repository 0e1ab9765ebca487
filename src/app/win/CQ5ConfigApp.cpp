#include "app/win/CQ5ConfigApp.h"

// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <array>

#include "app/ProgramFolder.h"

namespace q5::win {

CQ5ConfigApp::CQ5ConfigApp() = default;

CQ5ConfigApp::~CQ5ConfigApp() = default;

BOOL CQ5ConfigApp::InitInstance() {
    InitCommonControls();
    Gdiplus::GdiplusStartupInput gdiplus;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplus, nullptr);
    if (!FindProgramFolder()) {
        return FALSE;
    }
    LoadLanguage();
    if (ShowRunningInstance()) {
        return FALSE;
    }
    RunMainDialog();
    return FALSE;
}

int CQ5ConfigApp::ExitInstance() {
    if (m_gdiplusToken) {
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
    return 0;
}

bool CQ5ConfigApp::FindProgramFolder() {
    std::array<wchar_t, kProgramFolderUnits> path{};
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), path.size());
    if (length == 0) {
        return false;
    }
    const std::u16string folder = ProgramFolderOf(
        std::u16string_view(reinterpret_cast<const char16_t*>(path.data()), length));
    m_programFolder.assign(folder.begin(), folder.end());
    return true;
}

void CQ5ConfigApp::LoadLanguage() {
    std::u16string path(m_programFolder.begin(), m_programFolder.end());
    path += LanguageTable::kFileName;
    m_language.Load(path);
}

bool CQ5ConfigApp::ShowRunningInstance() {
    HWND running = ::FindWindowW(nullptr, kMainWindowTitle);
    if (!running) {
        return false;
    }
    // This process was started by the user and may bring a window to the
    // front; the running one may not unless it is given that right.
    DWORD runningProcess = 0;
    ::GetWindowThreadProcessId(running, &runningProcess);
    ::AllowSetForegroundWindow(runningProcess);
    ::PostMessageW(running, kShowInstanceMessage, 0, kShowInstanceClick);
    return true;
}

void CQ5ConfigApp::RunMainDialog() {
    const LanguageTable& language = m_language;
    TextLookup texts = [&language](std::string_view key) { return language.Text(key); };
    if (m_variant.beforeDialog) {
        m_variant.beforeDialog(m_platform);
    }
    CQ5ConfigDlg dialog(m_platform.platform(), std::move(texts), m_programFolder);
    if (m_variant.configureDialog) {
        m_variant.configureDialog(dialog);
    }
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
}

int RunProgram(CQ5ConfigApp& app) {
    app.InitInstance();
    return app.ExitInstance();
}

}  // namespace q5::win
