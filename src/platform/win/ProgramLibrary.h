/*
 * Loading a library of ours that lies beside the executable. The program
 * runs with administrator rights, so such a library is loaded only by its
 * full path in the program folder, never through the search order, where a
 * planted copy could run elevated; its own dependencies come only from its
 * folder and System32.
 */
#pragma once

#include <windows.h>

#include <string>

namespace q5::win {

// A drive path (C:\...) or a UNC path (\\server\...).
bool IsAbsolutePath(const std::wstring& path);

// `fileName` in `folder` (an absolute folder, with or without a trailing
// separator), loaded by that full path; null when the folder is not absolute
// or the library cannot be loaded.
HMODULE LoadProgramLibrary(const std::wstring& folder, const wchar_t* fileName);

// An export of `module` as a function pointer; null when missing.
template <typename Fn>
Fn LibraryExport(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace q5::win
