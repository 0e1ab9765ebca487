#include "editors/win/HookLibrary.h"

#include <algorithm>

namespace q5::win {
namespace {

bool IsAbsolute(const std::wstring& path) {
    const bool drive = path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool unc = path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
    return drive || unc;
}

HMODULE LoadByFullPath(const std::wstring& path) {
    // Dependencies only from the library's own folder and System32.
    HMODULE module = ::LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && ::GetLastError() == ERROR_INVALID_PARAMETER) {
        // A system without the restricted search flags.
        module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

bool HookLibrary::Load(const std::wstring& folder) {
    Free();
    if (!IsAbsolute(folder)) {
        return false;
    }
    std::wstring path = folder;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (path.back() != L'\\') {
        path += L'\\';
    }
    path += kFileName;
    m_module = LoadByFullPath(path);
    if (!m_module) {
        return false;
    }
    m_install = Export<InstallFn>(m_module, "installhook");
    m_setStatus = Export<StatusFn>(m_module, "SetHookStatus");
    m_remove = Export<RemoveFn>(m_module, "removehook");
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
