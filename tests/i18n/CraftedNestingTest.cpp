// Deep nesting with end tags that close nothing: the builder finds the open
// element an end tag closes through an index of the open names, and the
// table and problem text stay exactly what a scan of every open element,
// innermost first, gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ReaderTestSupport.h"
#include "platform/TextFormat.h"

namespace q5::test {
namespace {

// `depth` open elements named e=1, e[2], e=3, ... inside a root, then
// `depth` end tags that close nothing, `</e>` (the innermost open element),
// `depth` / 2 end tags `</E>`, `</e=1>` (closing the outermost `e` and,
// implicitly, everything inside it) and the root's end tag.
std::string CraftedNesting(int depth) {
    std::string text = "<r>";
    for (int i = 1; i <= depth; ++i) {
        text += i % 2 ? "<e=" + std::to_string(i) + ">" : "<e[" + std::to_string(i) + "]>";
    }
    for (int i = 0; i < depth; ++i) {
        text += "</e=>";
    }
    text += "</e>";
    for (int i = 0; i < depth / 2; ++i) {
        text += "</E>";
    }
    return text + "</e=1></r>";
}

// Every record, one line each.
std::string DumpTable(const XmlReader& reader) {
    std::string dump;
    const ElementTable& table = reader.Elements();
    for (std::int32_t i = 0; i < table.size(); ++i) {
        const ElementRecord& r = table[i];
        dump +=
            StringPrintf("%d %d %x %x %d %d %d %d\n", r.start, r.length, r.tagLengths,
                         r.levelAndFlags, r.parent, r.firstChild, r.nextSibling, r.previousSibling);
    }
    return dump;
}

std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

struct Outcome {
    std::string table;
    std::string problem;
};

Outcome ParseCrafted(int depth, bool ignoreCase) {
    auto files = MakeNativeTextFiles();
    XmlReader reader(*files);
    reader.SetDocumentText(U16(CraftedNesting(depth)));
    reader.SetFlags(ignoreCase ? XmlReader::kIgnoreCase : 0u);
    reader.Parse();
    return {DumpTable(reader), U8(reader.ResultText())};
}

TEST(CraftedNestingTest, SmallCaseGivesTheTableOfTheScanOfEveryOpenElement) {
    const Outcome outcome = ParseCrafted(4, false);
    EXPECT_EQ(outcome.problem, "No start tag for end tag 'e=' at offset 25");
    EXPECT_EQ(outcome.table,
              "0 67 0 800000 0 1 0 0\n"
              "0 67 1000003 80000 0 2 0 1\n"
              "3 60 1800005 280001 1 3 0 2\n"
              "8 6 6 180002 2 0 4 5\n"
              "14 5 5 100003 2 0 5 3\n"
              "19 30 1000006 200004 2 0 0 4\n");
}

TEST(CraftedNestingTest, SmallCaseIgnoringCase) {
    const Outcome outcome = ParseCrafted(4, true);
    EXPECT_EQ(outcome.problem, "No start tag for end tag 'e=' at offset 25");
    EXPECT_EQ(outcome.table,
              "0 67 0 800000 0 1 0 0\n"
              "0 67 1000003 80000 0 2 0 1\n"
              "3 60 1800005 80001 1 3 0 2\n"
              "8 49 1000006 80002 2 4 0 3\n"
              "14 39 1000005 80003 3 5 0 4\n"
              "19 30 1000006 280004 4 0 0 5\n");
}

TEST(CraftedNestingTest, DeepCaseIsUnchanged) {
    for (const bool ignoreCase : {false, true}) {
        const Outcome outcome = ParseCrafted(3000, ignoreCase);
        EXPECT_EQ(outcome.problem, "No start tag for end tag 'e=' at offset 24396");
        // Digests of the tables that the scan of every open element gave.
        EXPECT_EQ(Fnv1a(outcome.table),
                  ignoreCase ? 1020229382006226679ull : 12248575505352030274ull);
    }
}

}  // namespace
}  // namespace q5::test
