#include "platform/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace q5 {
namespace {

TEST(TextFormatTest, AppendsAfterWhatTheStringHolds) {
    std::string out = "macro  1 \"";
    StringAppendF(out, "%s\" steps=%u", "Greeting", 4u);
    StringAppendF(out, "%s", "");
    EXPECT_EQ("macro  1 \"Greeting\" steps=4", out);
}

// Texts of 255 characters fit the stack buffer; longer ones are printed
// again into the string, and must come out whole either way.
TEST(TextFormatTest, TextsAroundTheBufferSizeComeOutWhole) {
    for (const std::size_t length : {255u, 256u, 257u, 5000u}) {
        const std::string name(length, 'x');
        std::string out = "<";
        StringAppendF(out, "%s>%d", name.c_str(), -7);
        EXPECT_EQ("<" + name + ">-7", out) << length;
        EXPECT_EQ(name + "!", StringPrintf("%s!", name.c_str())) << length;
    }
}

}  // namespace
}  // namespace q5
