#include "editors/win/HookLibrary.h"

#include "platform/win/ProgramLibrary.h"

namespace q5::win {

bool HookLibrary::Load(const std::wstring& folder) {
    Free();
    m_module = LoadProgramLibrary(folder, kFileName);
    if (!m_module) {
        return false;
    }
    m_install = LibraryExport<InstallFn>(m_module, "installhook");
    m_setStatus = LibraryExport<StatusFn>(m_module, "SetHookStatus");
    m_remove = LibraryExport<RemoveFn>(m_module, "removehook");
    return true;
}

void HookLibrary::Install(HWND receiver) {
    if (m_install) {
        m_install(receiver);
        m_installed = true;
    }
}

void HookLibrary::SetStatus(int enabled) {
    if (m_setStatus) {
        m_setStatus(enabled);
    }
}

void HookLibrary::Remove() {
    if (m_remove) {
        m_remove();
    }
    m_installed = false;
}

void HookLibrary::Free() {
    if (!m_module) {
        return;
    }
    if (m_installed) {
        Remove();
    }
    ::FreeLibrary(m_module);
    m_module = nullptr;
    m_install = nullptr;
    m_setStatus = nullptr;
    m_remove = nullptr;
}

}  // namespace q5::win
