#include "ui/win/ProgramVersion.h"

#include <windows.h>

#include <vector>

namespace q5::win {
namespace {

constexpr wchar_t kProductVersionQuery[] = L"\\StringFileInfo\\040904b0\\ProductVersion";

std::wstring RunningExecutable() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::u16string ProgramVersionText(const std::wstring& modulePath) {
    const std::wstring path = modulePath.empty() ? RunningExecutable() : modulePath;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return {};
    }
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        return {};
    }
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), kProductVersionQuery, &value, &length) || length == 0) {
        return {};
    }
    const auto* text = static_cast<const wchar_t*>(value);
    std::u16string result;
    for (UINT i = 0; i < length && text[i] != L'\0'; ++i) {
        result.push_back(static_cast<char16_t>(text[i]));
    }
    return result;
}

}  // namespace q5::win
