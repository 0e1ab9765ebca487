/*
 * The Linux stand-ins for the Windows text services: files opened by their
 * UTF-8 path, code pages converted by iconv (each Windows code page by the
 * name of the same character set, the ANSI code page as windows-1252), and
 * errno values described by strerror.
 */
#pragma once

#include "platform/TextFiles.h"

namespace q5::posix {

class PosixTextFiles final : public TextFiles {
public:
    std::FILE* Wfopen(std::u16string_view path, const char* mode) override;
    int MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* bytes,
                            int byteCount, char16_t* wide, int wideCount) override;
    std::uint32_t GetLastError() override;
    std::u16string FormatMessageW(std::uint32_t error) override;

    // The iconv name of the character set of a Windows code page; null for
    // code pages without one here (and for the UTF-16 code pages, which are
    // no byte sources).
    static const char* CharsetOfCodePage(std::uint32_t codePage);
};

}  // namespace q5::posix
