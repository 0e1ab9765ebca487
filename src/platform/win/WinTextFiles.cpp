#include "platform/win/WinTextFiles.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace q5::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

std::FILE* WinTextFiles::Wfopen(std::u16string_view path, const char* mode) {
    const std::wstring widePath(path.begin(), path.end());
    const std::string narrowMode(mode);
    const std::wstring wideMode(narrowMode.begin(), narrowMode.end());
    return ::_wfopen(widePath.c_str(), wideMode.c_str());
}

int WinTextFiles::MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags,
                                      const char* bytes, int byteCount, char16_t* wide,
                                      int wideCount) {
    return ::MultiByteToWideChar(codePage, flags, bytes, byteCount,
                                 reinterpret_cast<wchar_t*>(wide), wideCount);
}

std::uint32_t WinTextFiles::GetLastError() {
    return ::GetLastError();
}

std::u16string WinTextFiles::FormatMessageW(std::uint32_t error) {
    wchar_t buffer[kMessageBufferSize] = {};
    const DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                         0, buffer, static_cast<DWORD>(kMessageBufferSize), nullptr);
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

}  // namespace q5::win

namespace q5 {

std::unique_ptr<TextFiles> MakeNativeTextFiles() {
    return std::make_unique<win::WinTextFiles>();
}

}  // namespace q5
