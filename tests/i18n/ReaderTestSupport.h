/*
 * Helpers shared by the reader tests: a reader over an in-memory document,
 * UTF-8 views of UTF-16 texts for readable failures, and scratch files.
 */
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "i18n/Unicode.h"
#include "i18n/XmlReader.h"
#include "platform/TextFiles.h"

namespace q5::test {

inline std::string U8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

inline std::u16string U16(std::string_view text) {
    return Utf8ToUtf16(text);
}

// A reader whose document is `text`, already parsed.
class ParsedDocument {
public:
    explicit ParsedDocument(std::string_view text) : ParsedDocument(U16(text)) {}
    explicit ParsedDocument(std::u16string text) {
        reader.SetDocumentText(std::move(text));
        wellFormed = reader.Parse();
    }

    std::string Result() const { return U8(reader.ResultText()); }
    const ElementRecord& Record(std::int32_t index) const { return reader.Elements()[index]; }

    std::unique_ptr<TextFiles> files = MakeNativeTextFiles();
    XmlReader reader{*files};
    bool wellFormed = false;
};

// A folder of scratch files, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto unique = std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "_" +
                            std::to_string(counter_++);
        path_ = std::filesystem::temp_directory_path() / ("q5_i18n_" + unique);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes `bytes` to the file `name` and returns its full path.
    std::u16string Write(const std::string& name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.u16string();
    }
    std::u16string PathOf(const std::string& name) const { return (path_ / name).u16string(); }

private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

// `text` as UTF-16LE bytes.
inline std::string Utf16LeBytes(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

inline std::string Utf16BeBytes(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

}  // namespace q5::test
