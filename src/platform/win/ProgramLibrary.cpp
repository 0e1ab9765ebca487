#include "platform/win/ProgramLibrary.h"

#include <algorithm>

namespace q5::win {

bool IsAbsolutePath(const std::wstring& path) {
    const bool drive = path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool unc = path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
    return drive || unc;
}

HMODULE LoadProgramLibrary(const std::wstring& folder, const wchar_t* fileName) {
    if (!IsAbsolutePath(folder)) {
        return nullptr;
    }
    std::wstring path = folder;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (path.back() != L'\\') {
        path += L'\\';
    }
    path += fileName;
    HMODULE module = ::LoadLibraryExW(
        path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && ::GetLastError() == ERROR_INVALID_PARAMETER) {
        // A system without the restricted search flags.
        module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module;
}

}  // namespace q5::win
