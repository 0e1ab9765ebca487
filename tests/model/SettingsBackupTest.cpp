// The settings backup file: its exact text, the round trip, and every way a
// damaged or foreign file is refused.
#include <gtest/gtest.h>

#include <string>

#include "model/SettingsBackup.h"

namespace q5 {
namespace {

std::vector<std::uint8_t> Pattern(std::size_t length, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return bytes;
}

std::vector<BackupValue> AllValues() {
    return {{"ButtonSetting", Pattern(17384, 1)},
            {"ButtonName", Pattern(18404, 2)},
            {"MacroSetting", Pattern(214004, 3)}};
}

// The file with its first `from` replaced by `to`.
std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

BackupError ErrorOf(const std::string& text) {
    return SettingsBackup::Parse(text).error;
}

const std::string kHead =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Korvo\\Fingrel\\Q5]\r\n";

TEST(SettingsBackupTest, EncodesTheRegistryEditorFormat) {
    const std::string text = SettingsBackup::Encode({{"ButtonSetting", {0x00, 0x1f, 0xff}}});
    const std::uint32_t sum = SettingsBackup::Checksum({{"ButtonSetting", {0x00, 0x1f, 0xff}}});
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08X", sum);
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "; Korvo Q5 settings backup\r\n"
              "; q5-checksum: crc32 " +
                  std::string(hex) +
                  "\r\n\r\n"
                  "[HKEY_LOCAL_MACHINE\\Software\\Korvo\\Fingrel\\Q5]\r\n"
                  "\"ButtonSetting\"=hex:00,1f,ff\r\n\r\n");
}

TEST(SettingsBackupTest, ChecksumIsCrc32OfNamesAndBytes) {
    // CRC-32 of "A\0" + 0x01: computed independently.
    EXPECT_EQ(SettingsBackup::Checksum({{"A", {0x01}}}), 0xF91E0E73u);
}

TEST(SettingsBackupTest, WrapsLinesUnderEightyColumns) {
    const std::string text = SettingsBackup::Encode(AllValues());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LT(end - start, 80u);
        start = end + 2;
    }
}

TEST(SettingsBackupTest, RoundTripsEveryValueByteForByte) {
    const auto values = AllValues();
    const BackupParseResult parsed = SettingsBackup::Parse(SettingsBackup::Encode(values));
    ASSERT_TRUE(parsed.ok()) << SettingsBackup::Describe(parsed);
    EXPECT_EQ(parsed.values, values);
}

TEST(SettingsBackupTest, RoundTripsASubsetInAnyOrder) {
    const std::vector<BackupValue> values = {{"MacroSetting", Pattern(214004, 9)},
                                             {"ButtonSetting", Pattern(17384, 8)}};
    const BackupParseResult parsed = SettingsBackup::Parse(SettingsBackup::Encode(values));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.values, values);
}

TEST(SettingsBackupTest, AcceptsBomLfLinesAndUpperCaseHex) {
    const std::vector<BackupValue> values = {{"ButtonSetting", Pattern(17384, 0xAB)}};
    std::string text = "\xEF\xBB\xBF" + SettingsBackup::Encode(values);
    std::string lf;
    for (char c : text) {
        if (c != '\r') {
            lf += c;
        }
    }
    const std::size_t body = lf.find("=hex:");
    for (std::size_t i = body + 5; i < lf.size(); ++i) {
        lf[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(lf[i])));
    }
    const BackupParseResult parsed = SettingsBackup::Parse(lf);
    ASSERT_TRUE(parsed.ok()) << SettingsBackup::Describe(parsed);
    EXPECT_EQ(parsed.values, values);
}

TEST(SettingsBackupTest, RefusesABadHeader) {
    const std::string good = SettingsBackup::Encode(AllValues());
    EXPECT_EQ(ErrorOf(Replace(good, "Version 5.00", "Version 4.00")), BackupError::BadHeader);
    EXPECT_EQ(ErrorOf("REGEDIT4\r\n"), BackupError::BadHeader);
    EXPECT_EQ(ErrorOf(""), BackupError::BadHeader);
    EXPECT_EQ(ErrorOf(std::string("\x89PNG\r\n\x1a\n", 8)), BackupError::BadHeader);
}

TEST(SettingsBackupTest, RefusesAnotherKey) {
    const std::string good = SettingsBackup::Encode(AllValues());
    EXPECT_EQ(ErrorOf(Replace(good, "Fingrel", "Other")), BackupError::WrongKey);
    EXPECT_EQ(ErrorOf(Replace(good, "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER")),
              BackupError::WrongKey);
    // A second key section, even our own again.
    EXPECT_EQ(ErrorOf(good + "[HKEY_LOCAL_MACHINE\\Software\\Korvo\\Fingrel\\Q5]\r\n"),
              BackupError::WrongKey);
    // Registry keys ignore case.
    EXPECT_TRUE(SettingsBackup::Parse(Replace(good, "Software", "SOFTWARE")).ok());
}

TEST(SettingsBackupTest, RefusesValuesOutsideTheKeyAndForeignValues) {
    EXPECT_EQ(ErrorOf("Windows Registry Editor Version 5.00\r\n\"ButtonSetting\"=hex:00\r\n"),
              BackupError::ValueOutsideKey);
    EXPECT_EQ(ErrorOf(kHead + "\"Other\"=hex:00\r\n"), BackupError::UnknownValue);
    EXPECT_EQ(ErrorOf(kHead + "\"ButtonSetting\"=dword:00000001\r\n"), BackupError::BadValueLine);
    EXPECT_EQ(ErrorOf(kHead + "\"ButtonSetting\"=hex(7):00\r\n"), BackupError::BadValueLine);
    EXPECT_EQ(ErrorOf(kHead + "\"ButtonSetting=hex:00\r\n"), BackupError::BadValueLine);
    EXPECT_EQ(ErrorOf(kHead + "@=\"x\"\r\n"), BackupError::BadValueLine);
}

TEST(SettingsBackupTest, RefusesAWrongSize) {
    auto values = AllValues();
    values[1].bytes.pop_back();
    EXPECT_EQ(ErrorOf(SettingsBackup::Encode(values)), BackupError::WrongSize);
    values = AllValues();
    values[0].bytes.push_back(0);
    const BackupParseResult longer = SettingsBackup::Parse(SettingsBackup::Encode(values));
    EXPECT_EQ(longer.error, BackupError::WrongSize);
    EXPECT_TRUE(longer.values.empty());
}

TEST(SettingsBackupTest, RefusesBadHex) {
    const std::string good = SettingsBackup::Encode({{"ButtonSetting", Pattern(17384, 0)}});
    EXPECT_EQ(ErrorOf(Replace(good, "=hex:00,07", "=hex:0g,07")), BackupError::BadHex);
    EXPECT_EQ(ErrorOf(Replace(good, "=hex:00,07", "=hex:000,07")), BackupError::BadHex);
    EXPECT_EQ(ErrorOf(Replace(good, "=hex:00,07", "=hex:00,,07")), BackupError::BadHex);
    EXPECT_EQ(ErrorOf(Replace(good, "=hex:00,07", "=hex:0,07")), BackupError::BadHex);
    // A continued line must end in a comma before the backslash.
    const std::size_t wrap = good.find(",\\\r\n");
    std::string noComma = good;
    noComma.erase(wrap, 1);
    EXPECT_EQ(ErrorOf(noComma), BackupError::BadHex);
}

TEST(SettingsBackupTest, RefusesAChangedValueByItsChecksum) {
    const std::string good = SettingsBackup::Encode(AllValues());
    EXPECT_EQ(ErrorOf(Replace(good, "=hex:01,08", "=hex:01,09")), BackupError::ChecksumMismatch);
    EXPECT_EQ(ErrorOf(Replace(good, "crc32 ", "crc32 x")), BackupError::BadChecksumLine);
    const std::size_t line = good.find("; q5-checksum");
    const std::size_t end = good.find("\r\n", line) + 2;
    std::string none = good;
    none.erase(line, end - line);
    EXPECT_EQ(ErrorOf(none), BackupError::NoChecksum);
    std::string twice = good;
    twice.insert(line, good.substr(line, end - line));
    EXPECT_EQ(ErrorOf(twice), BackupError::BadChecksumLine);
}

TEST(SettingsBackupTest, RefusesATruncatedFile) {
    const std::string good = SettingsBackup::Encode(AllValues());
    // Cut inside a continued value, at a value's end, and before the last value.
    EXPECT_EQ(ErrorOf(good.substr(0, good.find(",\\\r\n", good.size() / 2) + 4)),
              BackupError::Truncated);
    EXPECT_EQ(ErrorOf(good.substr(0, good.find(",\\\r\n", good.size() / 2))),
              BackupError::WrongSize);
    EXPECT_EQ(ErrorOf(good.substr(0, good.find("\"MacroSetting\""))),
              BackupError::ChecksumMismatch);
    EXPECT_EQ(ErrorOf(good.substr(0, good.find("[HKEY"))), BackupError::NoValues);
}

TEST(SettingsBackupTest, RefusesADuplicateValue) {
    const std::vector<BackupValue> one = {{"ButtonSetting", Pattern(17384, 0)}};
    const std::string text = SettingsBackup::Encode(one);
    const std::size_t at = text.find("\"ButtonSetting\"");
    const std::string value = text.substr(at, text.size() - 2 - at);
    const BackupParseResult parsed = SettingsBackup::Parse(text + value);
    EXPECT_EQ(parsed.error, BackupError::DuplicateValue);
    EXPECT_GT(parsed.line, 6u);
    // Value names ignore case too.
    EXPECT_EQ(ErrorOf(text + Replace(value, "ButtonSetting", "buttonsetting")),
              BackupError::DuplicateValue);
}

TEST(SettingsBackupTest, RefusesHugeLinesAndFiles) {
    const std::string good = SettingsBackup::Encode(AllValues());
    EXPECT_EQ(ErrorOf(Replace(good, "; Korvo", "; " + std::string(5000, 'x'))),
              BackupError::LineTooLong);
    EXPECT_EQ(ErrorOf(std::string(5000, 'W')), BackupError::LineTooLong);
    EXPECT_EQ(ErrorOf(good + std::string(SettingsBackup::kMaxFileSize, '\n')),
              BackupError::FileTooLarge);
}

TEST(SettingsBackupTest, DescribesTheReasonAndLine) {
    const BackupParseResult parsed = SettingsBackup::Parse(kHead + "\"Other\"=hex:00\r\n");
    EXPECT_EQ(SettingsBackup::Describe(parsed),
              "not a settings backup: a value is not ButtonSetting, ButtonName or MacroSetting "
              "(line 4)");
}

}  // namespace
}  // namespace q5
