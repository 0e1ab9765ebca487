#include "LangCommand.h"

#include <cstdio>
#include <string>

#include "ToolArguments.h"
#include "i18n/LanguageTable.h"
#include "i18n/Unicode.h"
#include "platform/TextFiles.h"

namespace q5::tool {
namespace {

void AppendEscapedUnit(std::string& out, char16_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    out += buffer;
}

// One line's worth of text: UTF-8, with line structure and controls escaped.
std::string Escape(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        switch (unit) {
            case u'\\':
                out += "\\\\";
                continue;
            case u'\t':
                out += "\\t";
                continue;
            case u'\n':
                out += "\\n";
                continue;
            case u'\r':
                out += "\\r";
                continue;
            default:
                break;
        }
        if (unit < 0x20) {
            AppendEscapedUnit(out, unit);
        } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out += Utf16ToUtf8(text.substr(i, 2));
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendEscapedUnit(out, unit);
        } else {
            out += Utf16ToUtf8(text.substr(i, 1));
        }
    }
    return out;
}

void PrintLine(std::string_view name, std::u16string_view text) {
    const std::string escaped = Escape(text);
    std::printf("%.*s\t%s\n", static_cast<int>(name.size()), name.data(), escaped.c_str());
}

}  // namespace

int RunLang(std::span<const std::string_view> args) {
    if (args.size() != 1) {
        return UsageError("lang takes one language file");
    }
    const auto files = MakeNativeTextFiles();
    LanguageTable table(*files);
    table.Load(Utf8ToUtf16(args[0]));
    PrintLine("result", table.Reader().ResultText());
    for (std::size_t i = 0; i < kLanguageSlotCount; ++i) {
        PrintLine(kLanguageSlotNames[i], table.Slot(i));
    }
    return 0;
}

}  // namespace q5::tool
