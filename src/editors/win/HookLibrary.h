/*
 * The keyboard hook library KBGetKey.dll as an editor uses it: loaded from
 * the program's own folder by its full path (never through the search
 * order: the program runs with administrator rights), its three entry
 * points called where they exist, removed and freed at the end.
 */
#pragma once

#include <windows.h>

#include <string>

namespace q5::win {

class HookLibrary {
public:
    static constexpr wchar_t kFileName[] = L"KBGetKey.dll";

    HookLibrary() = default;
    HookLibrary(const HookLibrary&) = delete;
    HookLibrary& operator=(const HookLibrary&) = delete;
    ~HookLibrary() { Free(); }

    // Loads KBGetKey.dll from `folder`, an absolute path with or without the
    // closing separator (forward slashes are taken as backslashes); false when the folder is not
    // absolute or the file cannot be loaded. A library loaded before is removed and freed first.
    bool Load(const std::wstring& folder);
    bool IsLoaded() const { return m_module != nullptr; }

    // Each calls its entry point when the library and the entry point exist.
    void Install(HWND receiver);
    void SetStatus(int enabled);
    void Remove();
    // Removes the hook if it is installed and frees the library.
    void Free();

private:
    using InstallFn = void(WINAPI*)(HWND);
    using StatusFn = void(WINAPI*)(int);
    using RemoveFn = void(WINAPI*)();

    HMODULE m_module = nullptr;
    InstallFn m_install = nullptr;
    StatusFn m_setStatus = nullptr;
    RemoveFn m_remove = nullptr;
    bool m_installed = false;
};

}  // namespace q5::win
