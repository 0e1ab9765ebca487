#include "platform/sim/SimRegistry.h"

#include <gtest/gtest.h>

#include <vector>

namespace q5::sim {
namespace {

constexpr std::u16string_view kPath = u"Software\\Test";

TEST(SimRegistry, MissingKeyCannotBeOpenedButCanBeCreated) {
    SimRegistry registry;
    RegistryKey key;
    EXPECT_EQ(registry.RegOpenKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorFileNotFound);
    EXPECT_EQ(registry.RegCreateKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorSuccess);
    EXPECT_TRUE(registry.HasKey(u"SOFTWARE\\test"));
    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorAccessDenied);
    EXPECT_EQ(registry.openKeyCount(), 0u);
}

TEST(SimRegistry, ValuesRoundTripAndShortBuffersAreScribbledOver) {
    SimRegistry registry;
    RegistryKey key;
    ASSERT_EQ(registry.RegCreateKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorSuccess);
    const std::vector<std::uint8_t> data = {1, 2, 3, 4};
    EXPECT_EQ(registry.RegSetValueExW(key, u"Value", kRegBinary, data), kErrorSuccess);

    std::vector<std::uint8_t> buffer(8, 0);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry.RegQueryValueExW(key, u"value", type, buffer, size), kErrorSuccess);
    EXPECT_EQ(type, kRegBinary);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 0, 0, 0}));

    std::vector<std::uint8_t> small(2, 0);
    EXPECT_EQ(registry.RegQueryValueExW(key, u"Value", type, small, size), kErrorMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(small, (std::vector<std::uint8_t>{0xCD, 0xCD}));
    EXPECT_EQ(registry.RegQueryValueExW(key, u"Other", type, buffer, size), kErrorFileNotFound);
}

TEST(SimRegistry, InjectedFaults) {
    SimRegistry registry;
    registry.CreateKey(kPath);
    RegistryKey key;
    registry.SetAccessDenied(true);
    EXPECT_EQ(registry.RegOpenKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorAccessDenied);
    EXPECT_EQ(registry.RegCreateKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key),
              kErrorAccessDenied);
    registry.SetAccessDenied(false);
    registry.SetWritesFail(true);
    ASSERT_EQ(registry.RegOpenKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorSuccess);
    EXPECT_EQ(registry.RegSetValueExW(key, u"V", kRegBinary, std::vector<std::uint8_t>{1}),
              kErrorAccessDenied);
    EXPECT_FALSE(registry.Value(kPath, u"V"));
    EXPECT_EQ(registry.RegOpenKeyExW(RegistryKey{0x80000001}, kPath, kKeyRead, key),
              kErrorAccessDenied);
}

TEST(SimRegistry, ARewrittenValueHoldsExactlyTheNewTypeAndBytes) {
    SimRegistry registry;
    registry.CreateKey(kPath);
    RegistryKey key;
    ASSERT_EQ(registry.RegOpenKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorSuccess);
    const std::vector<std::uint8_t> longer{1, 2, 3, 4, 5};
    const std::vector<std::uint8_t> shorter{9, 8};
    ASSERT_EQ(registry.RegSetValueExW(key, u"V", kRegBinary, longer), kErrorSuccess);
    ASSERT_EQ(registry.RegSetValueExW(key, u"v", 4, shorter), kErrorSuccess);
    EXPECT_EQ(registry.Value(kPath, u"V"), (RegistryValue{4, shorter}));
    ASSERT_EQ(registry.RegSetValueExW(key, u"V", kRegBinary, longer), kErrorSuccess);
    EXPECT_EQ(registry.Value(kPath, u"V"), (RegistryValue{kRegBinary, longer}));
    registry.RegCloseKey(key);
}

TEST(SimRegistry, ClearedAccessLogStartsAgainWithTheNextAccess) {
    SimRegistry registry;
    registry.CreateKey(kPath);
    RegistryKey key;
    ASSERT_EQ(registry.RegOpenKeyExW(kHkeyLocalMachine, kPath, kKeyRead, key), kErrorSuccess);
    ASSERT_EQ(registry.accessLog().size(), 1u);
    registry.ClearAccessLog();
    EXPECT_TRUE(registry.accessLog().empty());
    EXPECT_EQ(registry.openKeyCount(), 1u);
    EXPECT_EQ(registry.RegCloseKey(key), kErrorSuccess);
    ASSERT_EQ(registry.accessLog().size(), 1u);
    EXPECT_EQ(registry.accessLog()[0].operation, "close");
    EXPECT_EQ(registry.accessLog()[0].path, u"SOFTWARE\\TEST");
}

}  // namespace
}  // namespace q5::sim
