#include "platform/Crc32.h"

#include <gtest/gtest.h>

#include <string_view>

namespace q5 {
namespace {

std::span<const std::uint8_t> Ascii(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(Crc32Test, MatchesKnownValues) {
    EXPECT_EQ(0xCBF43926u, Crc32::Of(Ascii("123456789")));
    EXPECT_EQ(0xAE426082u, Crc32::Of(Ascii("IEND")));
    EXPECT_EQ(0x414FA339u, Crc32::Of(Ascii("The quick brown fox jumps over the lazy dog")));
}

TEST(Crc32Test, EmptyInputIsZero) {
    EXPECT_EQ(0u, Crc32::Of({}));
}

TEST(Crc32Test, EveryByteValueCounts) {
    const std::uint8_t zero[] = {0x00};
    const std::uint8_t ff[] = {0xFF};
    EXPECT_EQ(0xD202EF8Du, Crc32::Of(zero));
    EXPECT_EQ(0xFF000000u, Crc32::Of(ff));
}

}  // namespace
}  // namespace q5
