/*
 * Reads a whole text file into UTF-16, whatever its encoding: a byte-order
 * mark, else an encoding the document declares, else a loose UTF-8 test,
 * else the system's ANSI code page. What it did is summed up in a short
 * result text such as "UTF-8 BOM + length 5012 to 4730 wide chars ".
 */
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/TextFiles.h"

namespace q5 {

class XmlFileLoader {
public:
    static constexpr std::uint32_t kUtf16LeMark = 0x01;
    static constexpr std::uint32_t kUtf8Mark = 0x04;
    static constexpr std::uint32_t kUtf16BeMark = 0x80;
    static constexpr std::uint32_t kMarkBits = kUtf16LeMark | kUtf8Mark | kUtf16BeMark;
    // Set only while a load is in progress.
    static constexpr std::uint32_t kReading = 0x10;
    static constexpr std::uint32_t kLoadBits = 0x10 | 0x20 | 0x40;

    static constexpr std::size_t kSampleSize = 1024;

    explicit XmlFileLoader(TextFiles& files) : files_(files) {}

    // Empties `text`, then fills it from the file at `path`. On success
    // `flags` carries the mark found in place of any earlier one; when the
    // file cannot be opened `flags` stays as it was. `resultText` always
    // receives the diagnostics. True when the file was opened and read.
    bool Load(std::u16string_view path, std::u16string& text, std::uint32_t& flags,
              std::u16string& resultText);

private:
    struct Opening {
        std::FILE* file = nullptr;
        std::uint64_t byteLength = 0;
        std::u16string encoding;
        std::u16string stepText;
    };

    bool Open(std::u16string_view path, std::uint32_t& flags, Opening& opening);
    void FindEncoding(const char* sample, std::size_t size, Opening& opening);
    bool Read(Opening& opening, std::uint32_t flags, std::u16string& text,
              std::u16string& stepText);
    bool ReadUtf16(Opening& opening, std::uint32_t flags, std::u16string& text,
                   std::u16string& stepText);
    bool ReadBytes(Opening& opening, std::u16string& text, std::u16string& stepText);
    void Convert(std::uint32_t codePage, const std::string& bytes, std::u16string& text);
    // The system's message for the last error, up to its first line break.
    std::u16string ErrorText();

    TextFiles& files_;
};

// The loose UTF-8 test: every byte from 0x80 leads 1, 2 or 3 bytes of at
// least 0x80 as its first clear bit of 0x20, 0x10, 0x08 says; a sequence cut
// off by the end fails.
bool LooksLikeUtf8(std::string_view bytes);

}  // namespace q5
