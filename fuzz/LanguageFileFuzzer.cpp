// libFuzzer entry point: arbitrary bytes as a language file (LoadFile, Parse
// and the 173 lookups of the language table), and the same bytes as a UTF-16
// document walked element by element.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "i18n/LanguageTable.h"
#include "i18n/XmlReader.h"
#include "platform/TextFiles.h"

namespace {

// The build's real text services, except that the one file there is to open
// is the fuzzer's input, served from memory.
class InputTextFiles final : public q5::TextFiles {
public:
    InputTextFiles(const std::uint8_t* data, std::size_t size)
        : native_(q5::MakeNativeTextFiles()), data_(data, data + size) {}

    std::FILE* Wfopen(std::u16string_view path, const char* mode) override {
        if (path != kInputPath) {
            return native_->Wfopen(path, mode);
        }
        if (data_.empty()) {
            return std::tmpfile();
        }
        return ::fmemopen(data_.data(), data_.size(), mode);
    }
    int MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* bytes,
                            int byteCount, char16_t* wide, int wideCount) override {
        return native_->MultiByteToWideChar(codePage, flags, bytes, byteCount, wide, wideCount);
    }
    std::uint32_t GetLastError() override { return native_->GetLastError(); }
    std::u16string FormatMessageW(std::uint32_t error) override {
        return native_->FormatMessageW(error);
    }

    static constexpr std::u16string_view kInputPath = u"input/language.xml";

private:
    std::unique_ptr<q5::TextFiles> native_;
    std::string data_;
};

// Visits every element below the current one, depth first, reading texts.
void Walk(q5::XmlReader& reader) {
    reader.Rewind();
    std::size_t steps = 0;
    constexpr std::size_t kMaxSteps = 4096;
    while (steps++ < kMaxSteps) {
        if (reader.FindNextChild()) {
            (void)reader.ChildText();
            if (steps % 3 == 0) {
                reader.StepIntoChild();
            }
        } else if (!reader.FindNextElement()) {
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputTextFiles files(data, size);
    q5::LanguageTable table(files);
    table.Load(InputTextFiles::kInputPath);
    (void)table.Lookup(u"config", u"tc_ok");

    q5::XmlReader reader(files);
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    reader.SetDocumentText(std::move(text));
    reader.Parse();
    Walk(reader);
    reader.SetFlags(q5::XmlReader::kIgnoreCase);
    reader.Parse();
    (void)reader.FindNextChild(u"CONFIG");
    return 0;
}
