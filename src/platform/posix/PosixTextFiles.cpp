#include "platform/posix/PosixTextFiles.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <vector>

#include "i18n/Unicode.h"

namespace q5::posix {
namespace {

struct CodePageCharset {
    std::uint32_t codePage;
    const char* charset;
};

// Sorted by code page. Code pages that glibc lacks (720, 10004, 10005,
// 10006, 10081, 20833, 20838, 29001, 52936, 57002-57011) are left out;
// converting from them fails as an unsupported code page does on Windows.
constexpr CodePageCharset kCharsets[] = {
    {0, "WINDOWS-1252"},
    {37, "IBM037"},
    {420, "IBM420"},
    {437, "IBM437"},
    {708, "ISO-8859-6"},
    {737, "CP737"},
    {775, "IBM775"},
    {850, "IBM850"},
    {852, "IBM852"},
    {857, "IBM857"},
    {861, "IBM861"},
    {862, "IBM862"},
    {866, "IBM866"},
    {869, "IBM869"},
    {870, "IBM870"},
    {874, "CP874"},
    {875, "IBM875"},
    {932, "CP932"},
    {936, "CP936"},
    {949, "CP949"},
    {950, "CP950"},
    {1026, "IBM1026"},
    {1140, "IBM1140"},
    {1141, "IBM1141"},
    {1142, "IBM1142"},
    {1143, "IBM1143"},
    {1144, "IBM1144"},
    {1145, "IBM1145"},
    {1146, "IBM1146"},
    {1147, "IBM1147"},
    {1148, "IBM1148"},
    {1149, "IBM1149"},
    {1250, "CP1250"},
    {1251, "CP1251"},
    {1252, "CP1252"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1255, "CP1255"},
    {1256, "CP1256"},
    {1257, "CP1257"},
    {1258, "CP1258"},
    {1361, "JOHAB"},
    {10000, "MACINTOSH"},
    {10001, "SHIFT_JIS"},
    {10002, "BIG5"},
    {10003, "EUC-KR"},
    {10007, "MAC-CYRILLIC"},
    {10008, "EUC-CN"},
    {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},
    {20000, "EUC-TW"},
    {20002, "BIG5"},
    {20105, "ANSI_X3.4-1968"},
    {20106, "ISO646-DE"},
    {20107, "ISO646-SE"},
    {20108, "ISO646-NO"},
    {20127, "ANSI_X3.4-1968"},
    {20273, "IBM273"},
    {20277, "IBM277"},
    {20278, "IBM278"},
    {20280, "IBM280"},
    {20284, "IBM284"},
    {20285, "IBM285"},
    {20290, "IBM290"},
    {20423, "IBM423"},
    {20424, "IBM424"},
    {20866, "KOI8-R"},
    {20873, "IBM871"},
    {20880, "IBM880"},
    {20905, "IBM905"},
    {21025, "IBM1025"},
    {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28605, "ISO-8859-15"},
    {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"},
    {50222, "ISO-2022-JP"},
    {50225, "ISO-2022-KR"},
    {50930, "IBM930"},
    {50933, "IBM933"},
    {50935, "IBM935"},
    {50937, "IBM937"},
    {50939, "IBM939"},
    {51932, "EUC-JP"},
    {51936, "EUC-CN"},
    {51949, "EUC-KR"},
    {65000, "UTF-7"},
    {65001, "UTF-8"},
};

constexpr char16_t kReplacement = 0xFFFD;

// Collects converted units: counts them only, or writes them while they fit.
class WideSink {
public:
    WideSink(char16_t* wide, int capacity) : wide_(wide), capacity_(capacity) {}

    void Put(char16_t unit) {
        if (capacity_ != 0) {
            if (count_ >= capacity_) {
                overflow_ = true;
                return;
            }
            wide_[count_] = unit;
        }
        ++count_;
    }

    void PutLittleEndianBytes(const char* bytes, std::size_t size) {
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            Put(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
    }

    int count() const { return count_; }
    bool overflow() const { return overflow_; }

private:
    char16_t* wide_;
    int capacity_;
    int count_ = 0;
    bool overflow_ = false;
};

// Runs the whole input through `cd`. Undecodable bytes become U+FFFD each,
// a sequence cut off by the end of the input one U+FFFD.
void ConvertAll(iconv_t cd, const char* bytes, std::size_t size, WideSink& sink) {
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = size;
    char chunk[4096];
    bool finished = false;
    while (!finished) {
        char* out = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t result;
        if (inLeft > 0) {
            result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
        } else {
            result = ::iconv(cd, nullptr, nullptr, &out, &outLeft);
            finished = true;
        }
        sink.PutLittleEndianBytes(chunk, sizeof chunk - outLeft);
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) {
            continue;
        }
        sink.Put(kReplacement);
        if (errno == EINVAL) {
            inLeft = 0;
        } else if (inLeft > 0) {
            ++in;
            --inLeft;
        }
    }
}

}  // namespace

const char* PosixTextFiles::CharsetOfCodePage(std::uint32_t codePage) {
    const auto* found = std::lower_bound(
        std::begin(kCharsets), std::end(kCharsets), codePage,
        [](const CodePageCharset& entry, std::uint32_t page) { return entry.codePage < page; });
    if (found == std::end(kCharsets) || found->codePage != codePage) {
        return nullptr;
    }
    return found->charset;
}

std::FILE* PosixTextFiles::Wfopen(std::u16string_view path, const char* mode) {
    return std::fopen(Utf16ToUtf8(path).c_str(), mode);
}

int PosixTextFiles::MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags,
                                        const char* bytes, int byteCount, char16_t* wide,
                                        int wideCount) {
    const char* charset = CharsetOfCodePage(codePage);
    if (charset == nullptr || flags != 0 || bytes == nullptr || byteCount <= 0 || wideCount < 0 ||
        (wideCount > 0 && wide == nullptr)) {
        errno = EINVAL;
        return 0;
    }
    const iconv_t cd = ::iconv_open("UTF-16LE", charset);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        errno = EINVAL;
        return 0;
    }
    WideSink sink(wide, wideCount);
    ConvertAll(cd, bytes, static_cast<std::size_t>(byteCount), sink);
    ::iconv_close(cd);
    if (sink.overflow()) {
        errno = ENOBUFS;
        return 0;
    }
    return sink.count();
}

std::uint32_t PosixTextFiles::GetLastError() {
    return static_cast<std::uint32_t>(errno);
}

std::u16string PosixTextFiles::FormatMessageW(std::uint32_t error) {
    char buffer[256] = {};
    const char* message = ::strerror_r(static_cast<int>(error), buffer, sizeof buffer);
    std::u16string text = Utf8ToUtf16(message);
    if (text.size() >= kMessageBufferSize) {
        return {};
    }
    return text;
}

}  // namespace q5::posix

namespace q5 {

std::unique_ptr<TextFiles> MakeNativeTextFiles() {
    return std::make_unique<posix::PosixTextFiles>();
}

}  // namespace q5
