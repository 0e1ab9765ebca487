#include "model/SettingsBackup.h"

#include <optional>

#include "editors/MacroTable.h"
#include "model/ButtonName.h"
#include "model/ButtonSetting.h"
#include "platform/Crc32.h"
#include "platform/TextFormat.h"

namespace q5 {
namespace {

constexpr std::size_t kWrapColumn = 76;  // the registry editor's own lines stay under 80
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kHexPrefix = "=hex:";

struct KnownValue {
    std::string_view name;
    std::size_t size;
};
constexpr KnownValue kKnownValues[] = {
    {"ButtonSetting", ButtonSetting::kSize},
    {"ButtonName", ButtonName::kSize},
    {"MacroSetting", MacroTable::kSize},
};

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view TrimSpace(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::uint32_t> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint32_t>(c - '0');
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<std::uint32_t>(c - 'a' + 10);
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<std::uint32_t>(c - 'A' + 10);
    }
    return std::nullopt;
}

// Exactly eight hex digits.
std::optional<std::uint32_t> ParseChecksum(std::string_view text) {
    if (text.size() != 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : text) {
        const auto digit = HexDigit(c);
        if (!digit) {
            return std::nullopt;
        }
        value = value << 4 | *digit;
    }
    return value;
}

// Reads the text line by line, without copying, counting lines.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}
    bool AtEnd() const { return rest_.empty(); }
    std::size_t number() const { return number_; }
    std::string_view Next() {
        const std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++number_;
        return line;
    }

private:
    std::string_view rest_;
    std::size_t number_ = 0;
};

class Parser {
public:
    explicit Parser(std::string_view text) : lines_(text) {}

    BackupParseResult Run() {
        if (!ReadHeader()) {
            return std::move(result_);
        }
        while (!lines_.AtEnd() && result_.ok()) {
            const std::string_view line = lines_.Next();
            if (!CheckLength(line)) {
                break;
            }
            ReadLine(line);
        }
        if (result_.ok()) {
            Finish();
        }
        return std::move(result_);
    }

private:
    bool Fail(BackupError error, std::size_t line) {
        result_.error = error;
        result_.line = line;
        result_.values.clear();
        return false;
    }
    bool CheckLength(std::string_view line) {
        return line.size() <= SettingsBackup::kMaxLineLength ||
               Fail(BackupError::LineTooLong, lines_.number());
    }

    bool ReadHeader() {
        while (!lines_.AtEnd()) {
            std::string_view line = lines_.Next();
            if (lines_.number() == 1 && line.starts_with(kUtf8Bom)) {
                line.remove_prefix(kUtf8Bom.size());
            }
            if (!CheckLength(line)) {
                return false;
            }
            if (TrimSpace(line).empty()) {
                continue;
            }
            return TrimSpace(line) == SettingsBackup::kHeader ||
                   Fail(BackupError::BadHeader, lines_.number());
        }
        return Fail(BackupError::BadHeader, 0);
    }

    void ReadLine(std::string_view raw) {
        const std::string_view line = TrimSpace(raw);
        if (line.empty()) {
            return;
        }
        if (line.front() == ';') {
            ReadComment(raw);
        } else if (line.front() == '[') {
            if (inKey_ || !EqualNoCase(line, SettingsBackup::kKeyLine)) {
                Fail(BackupError::WrongKey, lines_.number());
            }
            inKey_ = true;
        } else if (line.front() == '"') {
            ReadValue(line);
        } else {
            Fail(BackupError::BadValueLine, lines_.number());
        }
    }

    void ReadComment(std::string_view raw) {
        if (!raw.starts_with(SettingsBackup::kChecksumPrefix)) {
            return;
        }
        const auto value =
            ParseChecksum(TrimSpace(raw.substr(SettingsBackup::kChecksumPrefix.size())));
        if (!value || checksum_) {
            Fail(BackupError::BadChecksumLine, lines_.number());
            return;
        }
        checksum_ = value;
    }

    const KnownValue* ValueNamed(std::string_view name) {
        for (const KnownValue& known : kKnownValues) {
            if (EqualNoCase(name, known.name)) {
                return &known;
            }
        }
        return nullptr;
    }

    void ReadValue(std::string_view line) {
        const std::size_t lineNumber = lines_.number();
        if (!inKey_) {
            Fail(BackupError::ValueOutsideKey, lineNumber);
            return;
        }
        const std::size_t close = line.find('"', 1);
        if (close == std::string_view::npos ||
            line.substr(close + 1, kHexPrefix.size()) != kHexPrefix) {
            Fail(BackupError::BadValueLine, lineNumber);
            return;
        }
        const KnownValue* known = ValueNamed(line.substr(1, close - 1));
        if (!known) {
            Fail(BackupError::UnknownValue, lineNumber);
            return;
        }
        for (const BackupValue& value : result_.values) {
            if (value.name == known->name) {
                Fail(BackupError::DuplicateValue, lineNumber);
                return;
            }
        }
        BackupValue value{std::string(known->name), {}};
        value.bytes.reserve(known->size);
        if (ReadHexBytes(line.substr(close + 1 + kHexPrefix.size()), known->size, value.bytes)) {
            if (value.bytes.size() != known->size) {
                Fail(BackupError::WrongSize, lineNumber);
                return;
            }
            result_.values.push_back(std::move(value));
        }
    }

    // The bytes of a value over its continuation lines; false after a fault.
    bool ReadHexBytes(std::string_view part, std::size_t limit, std::vector<std::uint8_t>& out) {
        for (;;) {
            part = TrimSpace(part);
            const bool continues = !part.empty() && part.back() == '\\';
            if (continues) {
                part.remove_suffix(1);
            }
            if (!ReadHexList(part, continues, limit, out)) {
                return false;
            }
            if (!continues) {
                return true;
            }
            if (lines_.AtEnd()) {
                return Fail(BackupError::Truncated, lines_.number());
            }
            part = lines_.Next();
            if (!CheckLength(part)) {
                return false;
            }
        }
    }

    // "00,1f,ff" with a trailing comma when the value goes on.
    bool ReadHexList(std::string_view part, bool continues, std::size_t limit,
                     std::vector<std::uint8_t>& out) {
        part = TrimSpace(part);
        if (part.empty()) {
            return !continues || Fail(BackupError::BadHex, lines_.number());
        }
        if (continues) {
            if (part.back() != ',') {
                return Fail(BackupError::BadHex, lines_.number());
            }
            part.remove_suffix(1);
        }
        for (;;) {
            const std::size_t comma = part.find(',');
            const std::string_view item = TrimSpace(part.substr(0, comma));
            const auto high = item.size() == 2 ? HexDigit(item[0]) : std::nullopt;
            const auto low = item.size() == 2 ? HexDigit(item[1]) : std::nullopt;
            if (!high || !low) {
                return Fail(BackupError::BadHex, lines_.number());
            }
            if (out.size() >= limit) {
                return Fail(BackupError::WrongSize, lines_.number());
            }
            out.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
            if (comma == std::string_view::npos) {
                return true;
            }
            part.remove_prefix(comma + 1);
        }
    }

    void Finish() {
        if (result_.values.empty()) {
            Fail(BackupError::NoValues, 0);
        } else if (!checksum_) {
            Fail(BackupError::NoChecksum, 0);
        } else if (*checksum_ != SettingsBackup::Checksum(result_.values)) {
            Fail(BackupError::ChecksumMismatch, 0);
        }
    }

    LineReader lines_;
    BackupParseResult result_;
    bool inKey_ = false;
    std::optional<std::uint32_t> checksum_;
};

}  // namespace

std::size_t SettingsBackup::ImageSize(std::string_view name) {
    for (const KnownValue& known : kKnownValues) {
        if (name == known.name) {
            return known.size;
        }
    }
    return 0;
}

std::uint32_t SettingsBackup::Checksum(const std::vector<BackupValue>& values) {
    std::vector<std::uint8_t> covered;
    for (const BackupValue& value : values) {
        covered.insert(covered.end(), value.name.begin(), value.name.end());
        covered.push_back(0);
        covered.insert(covered.end(), value.bytes.begin(), value.bytes.end());
    }
    return Crc32::Of(covered);
}

std::string SettingsBackup::Encode(const std::vector<BackupValue>& values) {
    std::string text(kHeader);
    text += "\r\n\r\n; Korvo Q5 settings backup\r\n";
    text += std::string(kChecksumPrefix) + StringPrintf("%08X", Checksum(values)) + "\r\n\r\n";
    text += std::string(kKeyLine) + "\r\n";
    for (const BackupValue& value : values) {
        std::string line = "\"" + value.name + "\"" + std::string(kHexPrefix);
        for (std::size_t i = 0; i < value.bytes.size(); ++i) {
            line += StringPrintf("%02x", unsigned{value.bytes[i]});
            if (i + 1 == value.bytes.size()) {
                break;
            }
            line += ",";
            if (line.size() + 3 > kWrapColumn) {
                text += line + "\\\r\n";
                line = "  ";
            }
        }
        text += line;
        text += "\r\n";
    }
    text += "\r\n";
    return text;
}

BackupParseResult SettingsBackup::Parse(std::string_view text) {
    if (text.size() > kMaxFileSize) {
        BackupParseResult result;
        result.error = BackupError::FileTooLarge;
        return result;
    }
    return Parser(text).Run();
}

std::string SettingsBackup::Describe(const BackupParseResult& result) {
    std::string reason;
    switch (result.error) {
        case BackupError::None:
            return "a valid settings backup";
        case BackupError::FileTooLarge:
            reason = "the file is far larger than a settings backup";
            break;
        case BackupError::LineTooLong:
            reason = "a line is far longer than a settings backup has";
            break;
        case BackupError::BadHeader:
            reason = "it does not start with \"" + std::string(kHeader) + "\"";
            break;
        case BackupError::WrongKey:
            reason = "it names a registry key other than " + std::string(kKeyLine);
            break;
        case BackupError::ValueOutsideKey:
            reason = "a value stands before the key line";
            break;
        case BackupError::UnknownValue:
            reason = "a value is not ButtonSetting, ButtonName or MacroSetting";
            break;
        case BackupError::DuplicateValue:
            reason = "a value appears twice";
            break;
        case BackupError::BadValueLine:
            reason = "a line is not a binary value (\"Name\"=hex:...)";
            break;
        case BackupError::BadHex:
            reason = "a value has bytes that are not two hex digits";
            break;
        case BackupError::WrongSize:
            reason = "a value does not have the size of its settings image";
            break;
        case BackupError::Truncated:
            reason = "the file ends in the middle of a value";
            break;
        case BackupError::NoChecksum:
            reason = "it has no checksum line";
            break;
        case BackupError::BadChecksumLine:
            reason = "its checksum line is malformed or repeated";
            break;
        case BackupError::ChecksumMismatch:
            reason = "the checksum does not match: the file was changed or damaged";
            break;
        case BackupError::NoValues:
            reason = "it holds no settings values";
            break;
    }
    if (result.line != 0) {
        reason += StringPrintf(" (line %u)", static_cast<unsigned>(result.line));
    }
    return "not a settings backup: " + reason;
}

}  // namespace q5
