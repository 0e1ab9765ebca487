/*
 * The backup file of the three stored settings values, in the registry
 * editor's own format so that a person can read it and Windows can import it:
 *
 *   Windows Registry Editor Version 5.00
 *
 *   ; Korvo Q5 settings backup
 *   ; q5-checksum: crc32 1A2B3C4D
 *
 *   [HKEY_LOCAL_MACHINE\Software\Korvo\Fingrel\Q5]
 *   "ButtonSetting"=hex:00,01,...,\
 *     ff,...
 *
 * The checksum (CRC-32) runs over every value in file order: its name, a zero
 * byte, then its bytes. The registry editor ignores it as a comment; Parse
 * requires it. Parse is strict and refuses, with the reason and line, any
 * file that is not exactly such a backup: a value of a foreign name or of a
 * size other than its image's, bad hex, a duplicate, a cut-off file, a line
 * or a file far longer than a backup can be.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace q5 {

struct BackupValue {
    std::string name;  // "ButtonSetting", "ButtonName" or "MacroSetting"
    std::vector<std::uint8_t> bytes;
    bool operator==(const BackupValue&) const = default;
};

enum class BackupError {
    None,
    FileTooLarge,
    LineTooLong,
    BadHeader,
    WrongKey,
    ValueOutsideKey,
    UnknownValue,
    DuplicateValue,
    BadValueLine,
    BadHex,
    WrongSize,
    Truncated,
    NoChecksum,
    BadChecksumLine,
    ChecksumMismatch,
    NoValues,
};

struct BackupParseResult {
    std::vector<BackupValue> values;
    BackupError error = BackupError::None;
    std::size_t line = 0;  // 1-based line of the fault; 0 for the file as a whole
    bool ok() const { return error == BackupError::None; }
};

class SettingsBackup {
public:
    static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
    static constexpr std::string_view kKeyLine =
        "[HKEY_LOCAL_MACHINE\\Software\\Korvo\\Fingrel\\Q5]";
    static constexpr std::string_view kChecksumPrefix = "; q5-checksum: crc32 ";
    // Far above the largest backup (every value present), far below harm.
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;
    static constexpr std::size_t kMaxLineLength = 4096;

    // The size of the image stored under `name`; 0 for a name not ours.
    static std::size_t ImageSize(std::string_view name);
    // The file text (CRLF lines) of the values in the given order.
    static std::string Encode(const std::vector<BackupValue>& values);
    static BackupParseResult Parse(std::string_view text);
    static std::uint32_t Checksum(const std::vector<BackupValue>& values);
    // A sentence for a person: why the file was refused.
    static std::string Describe(const BackupParseResult& result);
};

}  // namespace q5
