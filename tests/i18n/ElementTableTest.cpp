// The element table: record layout, segments that never move, growth.
#include <gtest/gtest.h>

#include <cstddef>

#include "ReaderTestSupport.h"
#include "i18n/ElementTable.h"

namespace q5::test {
namespace {

TEST(ElementTableTest, RecordLayout) {
    EXPECT_EQ(sizeof(ElementRecord), 32u);
    EXPECT_EQ(offsetof(ElementRecord, start), 0u);
    EXPECT_EQ(offsetof(ElementRecord, length), 4u);
    EXPECT_EQ(offsetof(ElementRecord, tagLengths), 8u);
    EXPECT_EQ(offsetof(ElementRecord, levelAndFlags), 12u);
    EXPECT_EQ(offsetof(ElementRecord, parent), 16u);
    EXPECT_EQ(offsetof(ElementRecord, firstChild), 20u);
    EXPECT_EQ(offsetof(ElementRecord, nextSibling), 24u);
    EXPECT_EQ(offsetof(ElementRecord, previousSibling), 28u);
}

TEST(ElementTableTest, TagLengthFieldLimits) {
    ElementRecord record{};
    record.SetTagLengths(ElementRecord::kMaxStartTagLength, ElementRecord::kMaxEndTagLength);
    EXPECT_EQ(record.tagLengths, 0xFFFFFFFFu);
    EXPECT_EQ(record.startTagLength(), 4194303u);
    EXPECT_EQ(record.endTagLength(), 1023u);
}

TEST(ElementTableTest, GrowsByHalfOfWhatIsInUse) {
    ElementTable table;
    table.Reset(8);
    EXPECT_EQ(table.capacity(), 8);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(table.Append(), i);
    }
    EXPECT_EQ(table.capacity(), 12);
    EXPECT_EQ(table.size(), 9);
}

TEST(ElementTableTest, LeftBehindSegmentIsCompletedAndNeverMoves) {
    ElementTable table;
    table.Reset(60000);
    auto append = [&table] {
        const std::int32_t index = table.Append();
        table[index].start = index;
    };
    while (table.size() < 60000) {
        append();
    }
    append();  // grows to 90000: segment 0 completed, one new segment
    const ElementRecord* early = &table[100];
    EXPECT_EQ(table.segmentCount(), 2u);
    EXPECT_EQ(table.segmentCapacity(0), 65536);
    EXPECT_EQ(table.segmentCapacity(1), 90000 - 65536);
    EXPECT_EQ(table.capacity(), 90000);
    while (table.size() < 200000) {
        append();
    }
    EXPECT_EQ(early, &table[100]);
    EXPECT_EQ(table[65535].start, 65535);
    EXPECT_EQ(table[65536].start, 65536);
    EXPECT_EQ(table[199999].start, 199999);
    for (std::size_t s = 0; s + 1 < table.segmentCount(); ++s) {
        EXPECT_EQ(table.segmentCapacity(s), 65536);
    }
}

TEST(ElementTableTest, ResetReservesAtMostOneSegmentBeyondTheFirst) {
    ElementTable table;
    table.Reset(300000);
    EXPECT_EQ(table.segmentCount(), 2u);
    EXPECT_EQ(table.capacity(), 131072);
}

TEST(ElementTableTest, ParseOfALargeDocumentKeepsEveryRecord) {
    std::string text = "<r>";
    constexpr int kElements = 150000;
    for (int i = 0; i < kElements; ++i) {
        text += "<e/>";
    }
    text += "</r>";
    ParsedDocument doc(text);
    EXPECT_TRUE(doc.wellFormed);
    ASSERT_EQ(doc.reader.Elements().size(), kElements + 2);
    EXPECT_EQ(doc.Record(kElements + 1).start, 3 + 4 * kElements - 4);
    EXPECT_EQ(doc.Record(2).previousSibling, kElements + 1);
}

}  // namespace
}  // namespace q5::test
