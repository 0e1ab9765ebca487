#include "i18n/XmlFileLoader.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <memory>

#include "i18n/DeclaredEncoding.h"
#include "i18n/EncodingNames.h"

namespace q5 {
namespace {

static_assert(std::endian::native == std::endian::little,
              "UTF-16LE files are read straight into the text");

struct ByteOrderMark {
    std::string_view bytes;
    std::u16string_view name;
    std::uint32_t flag;
};

constexpr ByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", u"UTF-8", XmlFileLoader::kUtf8Mark},
    {"\xFF\xFE", u"UTF-16LE", XmlFileLoader::kUtf16LeMark},
    {"\xFE\xFF", u"UTF-16BE", XmlFileLoader::kUtf16BeMark},
};

constexpr char16_t kReplacement = 0xFFFD;

std::u16string Number(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Removes every element equal to zero, keeping the order of the others;
// returns how many were removed.
template <typename Container>
std::size_t RemoveZeros(Container& items) {
    const auto end = std::remove(items.begin(), items.end(), typename Container::value_type{0});
    const auto removed = static_cast<std::size_t>(items.end() - end);
    items.erase(end, items.end());
    return removed;
}

std::uint32_t Utf32UnitAt(const std::string& bytes, std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 3])) << 24;
}

// UTF-32 files lose their zero units rather than their zero bytes (which
// would break up every character); a cut-off last unit is dropped.
std::size_t RemoveZeroUtf32Units(std::string& bytes) {
    std::size_t kept = 0;
    std::size_t removed = 0;
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        if (Utf32UnitAt(bytes, i) == 0) {
            ++removed;
        } else {
            std::memmove(&bytes[kept], &bytes[i], 4);
            kept += 4;
        }
    }
    bytes.resize(kept);
    return removed;
}

void Utf32ToUtf16(const std::string& bytes, std::u16string& text) {
    text.clear();
    text.reserve(bytes.size() / 4);
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        const std::uint32_t value = Utf32UnitAt(bytes, i);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            text.push_back(kReplacement);
        } else if (value > 0xFFFF) {
            text.push_back(static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(value));
        }
    }
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t continuation;
        if ((lead & 0x20) == 0) {
            continuation = 1;
        } else if ((lead & 0x10) == 0) {
            continuation = 2;
        } else if ((lead & 0x08) == 0) {
            continuation = 3;
        } else {
            return false;
        }
        if (i + continuation >= bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= continuation; ++k) {
            if (static_cast<unsigned char>(bytes[i + k]) < 0x80) {
                return false;
            }
        }
        i += continuation + 1;
    }
    return true;
}

bool XmlFileLoader::Load(std::u16string_view path, std::u16string& text, std::uint32_t& flags,
                         std::u16string& resultText) {
    std::uint32_t loadFlags = flags | kReading;
    Opening opening;
    const bool opened = Open(path, loadFlags, opening);
    const std::unique_ptr<std::FILE, FileCloser> file(opening.file);
    const std::u16string openingText = opening.stepText;
    text.clear();
    if (!opened) {
        resultText = opening.stepText;
        return false;
    }
    std::u16string stepText;
    const bool read = Read(opening, loadFlags, text, stepText);
    loadFlags &= ~kLoadBits;
    std::u16string prefix = openingText;
    if (prefix.empty()) {
        prefix = opening.encoding.empty() ? std::u16string(u"ANSI ") : opening.encoding + u" ";
    }
    resultText = prefix + stepText;
    flags = loadFlags;
    return read;
}

bool XmlFileLoader::Open(std::u16string_view path, std::uint32_t& flags, Opening& opening) {
    opening.file = files_.Wfopen(path, "rb");
    if (opening.file == nullptr) {
        opening.stepText = ErrorText();
        return false;
    }
    std::FILE* file = opening.file;
    if (std::fseek(file, 0, SEEK_END) != 0) {
        opening.stepText = ErrorText();
        return false;
    }
    const long size = std::ftell(file);
    if (size < 0 || static_cast<unsigned long>(size) > INT_MAX ||
        std::fseek(file, 0, SEEK_SET) != 0) {
        opening.stepText = ErrorText();
        return false;
    }
    opening.byteLength = static_cast<std::uint64_t>(size);
    if (size == 0) {
        return true;
    }
    char sample[kSampleSize];
    const std::size_t sampleSize =
        std::min<std::size_t>(static_cast<std::size_t>(size), kSampleSize);
    if (std::fread(sample, 1, sampleSize, file) != sampleSize) {
        opening.stepText = ErrorText();
        return false;
    }
    // A mark found by an earlier load is forgotten, so that a later file
    // without one is not taken for UTF-16.
    flags &= ~kMarkBits;
    for (const ByteOrderMark& mark : kMarks) {
        if (sampleSize >= mark.bytes.size() &&
            std::memcmp(sample, mark.bytes.data(), mark.bytes.size()) == 0) {
            flags |= mark.flag;
            opening.byteLength -= mark.bytes.size();
            opening.encoding = mark.name;
            opening.stepText = opening.encoding + u" BOM + ";
            if (std::fseek(file, static_cast<long>(mark.bytes.size()), SEEK_SET) != 0) {
                opening.stepText = ErrorText();
                return false;
            }
            return true;
        }
    }
    if (std::fseek(file, 0, SEEK_SET) != 0) {
        opening.stepText = ErrorText();
        return false;
    }
    FindEncoding(sample, sampleSize, opening);
    if (!opening.encoding.empty()) {
        opening.stepText = opening.encoding + u" ";
    }
    return true;
}

void XmlFileLoader::FindEncoding(const char* sample, std::size_t size, Opening& opening) {
    std::u16string decoded;
    Convert(kCodePageUtf8, std::string(sample, size), decoded);
    opening.encoding = FindDeclaredEncoding(decoded);
    if (opening.encoding.empty() && sample[0] == '<') {
        opening.encoding = u"UTF-8";
    }
}

bool XmlFileLoader::Read(Opening& opening, std::uint32_t flags, std::u16string& text,
                         std::u16string& stepText) {
    if (opening.byteLength == 0) {
        stepText = u"0 length ";
        return true;
    }
    const bool read = (flags & (kUtf16LeMark | kUtf16BeMark)) != 0
                          ? ReadUtf16(opening, flags, text, stepText)
                          : ReadBytes(opening, text, stepText);
    if (!read) {
        stepText = ErrorText();
        text.clear();
    }
    return read;
}

bool XmlFileLoader::ReadUtf16(Opening& opening, std::uint32_t flags, std::u16string& text,
                              std::u16string& stepText) {
    const std::size_t bytes = static_cast<std::size_t>(opening.byteLength);
    text.resize((bytes + 1) / 2);
    if (std::fread(text.data(), 1, bytes, opening.file) != bytes) {
        return false;
    }
    text.resize(bytes / 2);
    stepText = u"length " + Number(text.size()) + u" ";
    if (const std::size_t removed = RemoveZeros(text)) {
        stepText += u"(" + Number(removed) + u" nulls removed) ";
    }
    if (flags & kUtf16BeMark) {
        for (char16_t& unit : text) {
            unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
        }
        stepText += u"endian swap ";
    }
    return true;
}

bool XmlFileLoader::ReadBytes(Opening& opening, std::u16string& text, std::u16string& stepText) {
    const std::size_t size = static_cast<std::size_t>(opening.byteLength);
    std::string bytes(size, '\0');
    if (std::fread(bytes.data(), 1, size, opening.file) != size) {
        return false;
    }
    stepText = u"length " + Number(size) + u" ";
    std::uint32_t codePage = CodePageOfEncoding(opening.encoding);
    const std::size_t removed =
        codePage == kCodePageUtf32 ? RemoveZeroUtf32Units(bytes) : RemoveZeros(bytes);
    if (removed != 0) {
        stepText += u"(" + Number(removed) + u" nulls removed) ";
    }
    if (opening.encoding.empty()) {
        if (LooksLikeUtf8(bytes)) {
            opening.encoding = u"UTF-8";
            codePage = kCodePageUtf8;
        }
        stepText += u"(used UTF-8 detection) ";
    }
    Convert(codePage, bytes, text);
    stepText += u"to " + Number(text.size()) + u" wide chars ";
    return true;
}

void XmlFileLoader::Convert(std::uint32_t codePage, const std::string& bytes,
                            std::u16string& text) {
    text.clear();
    if (codePage == kCodePageUtf32) {
        Utf32ToUtf16(bytes, text);
        return;
    }
    if (bytes.empty()) {
        return;
    }
    const int byteCount = static_cast<int>(bytes.size());
    const int count = files_.MultiByteToWideChar(codePage, 0, bytes.data(), byteCount, nullptr, 0);
    if (count <= 0) {
        return;
    }
    text.resize(static_cast<std::size_t>(count));
    const int converted =
        files_.MultiByteToWideChar(codePage, 0, bytes.data(), byteCount, text.data(), count);
    text.resize(static_cast<std::size_t>(std::max(converted, 0)));
}

std::u16string XmlFileLoader::ErrorText() {
    std::u16string message = files_.FormatMessageW(files_.GetLastError());
    const std::size_t lineBreak = message.find_first_of(u"\r\n");
    if (lineBreak != std::u16string::npos) {
        message.resize(lineBreak);
    }
    return message;
}

}  // namespace q5
