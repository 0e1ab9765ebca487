// Writing registry values directly, for the Windows tests that check what
// the program reads from and writes into the test's Wine prefix.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace q5::test {

// Stores `data` as the REG_BINARY value `name` of HKLM\`key`, creating the key.
inline void WriteRawValue(const wchar_t* key, const wchar_t* name,
                          const std::vector<std::uint8_t>& data) {
    HKEY opened = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &opened, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(opened, name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(opened);
}

}  // namespace q5::test
