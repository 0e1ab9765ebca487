#include "platform/win/WinModules.h"

#include <windows.h>

#include <string>

#include "platform/win/WinHandles.h"

namespace q5::win {
namespace {

using WindowEntry = void(WINAPI*)(HWND);

}  // namespace

EntryAddress WinModules::GetProcAddress(ModuleHandle module, std::string_view name) {
    const std::string terminated(name);
    const FARPROC entry =
        ::GetProcAddress(reinterpret_cast<HMODULE>(module.value), terminated.c_str());
    return EntryAddress{reinterpret_cast<std::uintptr_t>(entry)};
}

void WinModules::CallWindowEntry(EntryAddress entry, WindowHandle window) {
    reinterpret_cast<WindowEntry>(entry.value)(ToHwnd(window));
}

}  // namespace q5::win
