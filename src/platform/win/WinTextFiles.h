/*
 * The real _wfopen, MultiByteToWideChar, GetLastError and FormatMessageW.
 */
#pragma once

#include "platform/TextFiles.h"

namespace q5::win {

class WinTextFiles final : public TextFiles {
public:
    std::FILE* Wfopen(std::u16string_view path, const char* mode) override;
    int MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* bytes,
                            int byteCount, char16_t* wide, int wideCount) override;
    std::uint32_t GetLastError() override;
    std::u16string FormatMessageW(std::uint32_t error) override;
};

}  // namespace q5::win
