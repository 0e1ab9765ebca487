#include <gtest/gtest.h>

#include <vector>

#include "device/KeyList.h"
#include "device/KeyTable.h"

namespace q5 {
namespace {

TEST(KeyTable, UsagesRunInTheDriverOrder) {
    std::vector<std::uint8_t> expected;
    for (int usage = 0x00; usage <= 0x45; ++usage) {
        expected.push_back(static_cast<std::uint8_t>(usage));
    }
    expected.push_back(0x72);
    for (int usage = 0x46; usage <= 0x65; ++usage) {
        expected.push_back(static_cast<std::uint8_t>(usage));
    }
    for (int usage = 0xE0; usage <= 0xE7; ++usage) {
        expected.push_back(static_cast<std::uint8_t>(usage));
    }
    ASSERT_EQ(expected.size(), 111u);
    std::vector<std::uint8_t> actual;
    for (const KeyTableRow& row : KeyTable()) {
        actual.push_back(row.usage);
    }
    EXPECT_EQ(actual, expected);
}

TEST(KeyTable, LettersDigitsFunctionKeysAndModifiers) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(UsageOfVirtualKey(static_cast<std::uint8_t>(0x41 + i)), 0x04 + i);
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(UsageOfVirtualKey(static_cast<std::uint8_t>(0x31 + i)), 0x1E + i);
    }
    EXPECT_EQ(UsageOfVirtualKey(0x30), 0x27);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(UsageOfVirtualKey(static_cast<std::uint8_t>(0x70 + i)), 0x3A + i);
    }
    const std::uint8_t modifiers[] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(UsageOfVirtualKey(modifiers[i]), 0xE0 + i);
    }
}

TEST(KeyTable, FirstMatchWins) {
    EXPECT_EQ(UsageOfVirtualKey(0x00), 0x00);  // not 0x01, 0x02, 0x03, 0x32 or 0x64
    EXPECT_EQ(UsageOfVirtualKey(0x0D), 0x28);  // not keypad Enter 0x58
}

TEST(KeyTable, TellingRows) {
    EXPECT_EQ(UsageOfVirtualKey(0x08), 0x2A);
    EXPECT_EQ(UsageOfVirtualKey(0x44), 0x07);
    EXPECT_EQ(UsageOfVirtualKey(0x4D), 0x10);
    EXPECT_EQ(UsageOfVirtualKey(0x86), 0x72);
    EXPECT_EQ(UsageOfVirtualKey(0x6C), 0x54);
    EXPECT_EQ(UsageOfVirtualKey(0x6F), 0x00);  // keypad divide is not in the table
    EXPECT_EQ(UsageOfVirtualKey(0xFF), 0x00);
}

TEST(KeyCombinationValue, UsageAboveTheModifierByte) {
    EXPECT_EQ(KeyCombinationValue(0x86, 0x0C), 0x720Cu);
    EXPECT_EQ(KeyCombinationValue(0x08, 0x09), 0x2A09u);
    EXPECT_EQ(KeyCombinationValue(0x4D, 0x08), 0x1008u);
    EXPECT_EQ(KeyCombinationValue(0x4D, 0x0A), 0x100Au);
    EXPECT_EQ(KeyCombinationValue(0x00, 0x08), 0x0008u);
    EXPECT_EQ(KeyCombinationValue(0x44, 0x08), 0x0708u);
    EXPECT_EQ(KeyCombinationValue(0xFF, 0xF0), 0x00F0u);
}

TEST(KeyList, AddStoresInTheFirstFreeEntryOnce) {
    KeyList list;
    EXPECT_TRUE(list.Add(0x708));
    EXPECT_TRUE(list.Add(0x708));
    EXPECT_TRUE(list.Add(0x1008));
    KeyList::Entries expected{};
    expected[0] = 0x708;
    expected[1] = 0x1008;
    EXPECT_EQ(list.entries(), expected);
}

TEST(KeyList, RemoveLeavesAHoleThatTheNextAddFills) {
    KeyList list;
    list.Add(0x708);
    list.Add(0x1008);
    list.Remove(0x708);
    list.Remove(0x9999);  // not listed: nothing happens
    KeyList::Entries expected{};
    expected[1] = 0x1008;
    EXPECT_EQ(list.entries(), expected);
    list.Add(0x2A09);
    expected[0] = 0x2A09;
    EXPECT_EQ(list.entries(), expected);
}

TEST(KeyList, FullListRefusesANewValueButAcceptsAListedOne) {
    KeyList list;
    for (std::uint32_t i = 1; i <= KeyList::kCapacity; ++i) {
        ASSERT_TRUE(list.Add(i << 8));
    }
    const KeyList::Entries full = list.entries();
    EXPECT_FALSE(list.Add(0x7777));
    EXPECT_EQ(list.entries(), full);
    EXPECT_TRUE(list.Add(5u << 8));
    EXPECT_EQ(list.entries(), full);
}

}  // namespace
}  // namespace q5
