#include <gtest/gtest.h>

#include <cstring>

#include "editors/MacroList.h"
#include "editors/MacroTable.h"

namespace q5 {
namespace {

tagMACROINFO Named(std::u16string_view name) {
    tagMACROINFO macro;
    macro.setName(name);
    return macro;
}

TEST(MacroLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    tagMACROINFO macro;
    macro.setDelayFlag(1);
    macro.setLoopFlag(1);
    macro.setLoopCount(0x01020304);
    macro.setStepCount(0x0102);
    macro.steps[0].vk = 0x41;
    macro.steps[0].keyUp = 1;
    macro.steps[0].setDelayAfter(-2);
    macro.steps[199].vk = 0x42;
    macro.setName(u"Hi");

    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&macro);
    const std::uint8_t head[] = {0, 0, 0, 0, 1, 0, 0,    0, 1, 0, 0,    0,    4,    3,
                                 2, 1, 2, 1, 0, 0, 0x41, 1, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(0, std::memcmp(bytes, head, sizeof head));
    EXPECT_EQ(bytes[20 + 8 * 199], 0x42);
    const std::uint8_t name[] = {'H', 0, 'i', 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(bytes + 1620, name, sizeof name));
    EXPECT_EQ(macro.steps[0].delayAfter(), -2);
}

TEST(MacroLayout, NamesAreCutTo259Characters) {
    tagMACROINFO macro;
    macro.setName(std::u16string(400, u'm'));
    EXPECT_EQ(macro.name(), std::u16string(259, u'm'));
}

TEST(MacroLayout, StepCountBeyondTheSlotsIsBoundedWhenUsed) {
    tagMACROINFO macro;
    macro.setStepCount(0xFFFF);
    EXPECT_EQ(macro.usedSteps(), 200u);
    macro.setStepCount(3);
    EXPECT_EQ(macro.usedSteps(), 3u);
}

TEST(MacroTableLayout, CountIsTheLastFourBytes) {
    MacroTable table;
    table.setCount(0x00000063);
    EXPECT_EQ(table.data()[214000], 0x63);
    EXPECT_EQ(table.data()[214003], 0);
    table.macros[99].setName(u"x");
    EXPECT_EQ(table.data()[99 * 2140 + 1620], 'x');
}

TEST(MacroTableLayout, StoredCountIsBoundedByTheHundredSlots) {
    MacroTable table;
    table.setCount(5000);
    EXPECT_EQ(table.count(), 100u);
    table.setCount(100);
    EXPECT_EQ(table.count(), 100u);
    table.setCount(99);
    EXPECT_EQ(table.count(), 99u);
    EXPECT_EQ(table.Macro(98), &table.macros[98]);
    EXPECT_EQ(table.Macro(99), nullptr);
    EXPECT_EQ(table.Macro(100), nullptr);
    EXPECT_EQ(table.Macro(255), nullptr);
}

TEST(MacroList, LoadTakesTheMacrosInUseInOrder) {
    MacroTable table;
    table.macros[0] = Named(u"first");
    table.macros[1] = Named(u"second");
    table.macros[2] = Named(u"beyond the count");
    table.setCount(2);

    MacroList list;
    list.Append(Named(u"stale"));
    list.LoadMacroList(table);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.FindMacro(0)->name(), u"first");
    EXPECT_EQ(list.FindMacro(1)->name(), u"second");
    EXPECT_EQ(list.FindMacro(2), nullptr);
    EXPECT_EQ(list.FindMacro(-1), nullptr);
}

TEST(MacroList, LoadOfAnOversizedCountStopsAtTheLastSlot) {
    MacroTable table;
    table.setCount(0xFFFFFFFF);
    table.macros[99] = Named(u"last slot");
    MacroList list;
    list.LoadMacroList(table);
    ASSERT_EQ(list.size(), 100u);
    EXPECT_EQ(list.FindMacro(99)->name(), u"last slot");
    EXPECT_TRUE(list.full());

    // Saving keeps 99 of them; the last slot is written empty.
    list.StoreInto(table);
    EXPECT_EQ(table.storedCount(), 99u);
    EXPECT_EQ(table.macros[99], tagMACROINFO{});
}

TEST(MacroList, StoreZeroFillsAndSetsTheCount) {
    MacroTable table;
    for (auto& macro : table.macros) {
        macro = Named(u"old");
    }
    table.setCount(100);

    MacroList list;
    list.Append(Named(u"only"));
    list.StoreInto(table);
    EXPECT_EQ(table.storedCount(), 1u);
    EXPECT_EQ(table.macros[0].name(), u"only");
    for (std::size_t i = 1; i < MacroTable::kSlots; ++i) {
        ASSERT_EQ(table.macros[i], tagMACROINFO{}) << i;
    }
}

TEST(MacroList, StoreKeepsAtMost99) {
    MacroList list;
    for (int i = 0; i < 120; ++i) {
        list.Append(Named(u"m"));
    }
    MacroTable table;
    list.StoreInto(table);
    EXPECT_EQ(table.storedCount(), 99u);
    EXPECT_EQ(table.macros[98].name(), u"m");
    EXPECT_EQ(table.macros[99], tagMACROINFO{});
}

TEST(MacroList, DeletingTheOnlyMacroStoresAnEmptyTable) {
    MacroList list;
    list.Append(Named(u"m"));
    EXPECT_FALSE(list.Remove(1));
    EXPECT_TRUE(list.Remove(0));
    MacroTable table;
    table.macros[0] = Named(u"m");
    table.setCount(1);
    list.StoreInto(table);
    EXPECT_EQ(table, MacroTable{});
}

}  // namespace
}  // namespace q5
