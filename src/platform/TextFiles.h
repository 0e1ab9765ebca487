/*
 * Reading text files in any encoding: opening a file by its UTF-16 path,
 * converting bytes of a code page to UTF-16 (MultiByteToWideChar) and the
 * system's message for an error (FormatMessageW). The language file is the
 * only file read this way.
 */
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace q5 {

// Code page identifiers as MultiByteToWideChar takes them.
inline constexpr std::uint32_t kCodePageAnsi = 0;
inline constexpr std::uint32_t kCodePageUtf16Le = 1200;
inline constexpr std::uint32_t kCodePageUtf16Be = 1201;
inline constexpr std::uint32_t kCodePageUtf8 = 65001;

class TextFiles {
public:
    virtual ~TextFiles() = default;

    // _wfopen: the file at `path` opened with the C library's `mode`
    // ("rb"), or null with the reason left for GetLastError.
    virtual std::FILE* Wfopen(std::u16string_view path, const char* mode) = 0;

    // MultiByteToWideChar: converts `byteCount` bytes of `codePage`. With
    // `wideCount` 0 it only counts the UTF-16 units needed; otherwise it
    // writes at most `wideCount` units to `wide`. Returns the units counted
    // or written, 0 on failure (unknown code page, 1200 and 1201 as byte
    // sources, no room).
    virtual int MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* bytes,
                                    int byteCount, char16_t* wide, int wideCount) = 0;

    // The calling thread's last error, as FormatMessageW takes it.
    virtual std::uint32_t GetLastError() = 0;

    // FormatMessageW from the system table, no inserts, default language,
    // into a buffer of `kMessageBufferSize` units: the message for `error`,
    // empty when there is none or it does not fit.
    virtual std::u16string FormatMessageW(std::uint32_t error) = 0;

    static constexpr std::size_t kMessageBufferSize = 100;
};

// The real implementation of the build: Windows calls in the Windows build,
// iconv and the C library in the Linux build.
std::unique_ptr<TextFiles> MakeNativeTextFiles();

}  // namespace q5
