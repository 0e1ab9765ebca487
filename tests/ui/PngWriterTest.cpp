#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

#include "platform/Crc32.h"
#include "ui/PngWriter.h"

namespace q5 {
namespace {

std::uint32_t BigEndianAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} << 24 | std::uint32_t{bytes[offset + 1]} << 16 |
           std::uint32_t{bytes[offset + 2]} << 8 | bytes[offset + 3];
}

std::span<const std::uint8_t> Ascii(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(PngWriter, AdlerChecksumMatchesKnownValues) {
    EXPECT_EQ(0x11E60398u, PngWriter::Adler32(Ascii("Wikipedia")));
    EXPECT_EQ(1u, PngWriter::Adler32({}));
}

TEST(PngWriter, TwoByOneImageHasExactLayout) {
    const RgbImage image{2, 1, {0xFF8000, 0x0000FF}};
    const std::vector<std::uint8_t> png = PngWriter::Encode(image);

    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), 8u + 25u + 12u);
    EXPECT_EQ(0, std::memcmp(png.data(), signature, 8));
    EXPECT_EQ(13u, BigEndianAt(png, 8));
    EXPECT_EQ(0, std::memcmp(png.data() + 12, "IHDR", 4));
    EXPECT_EQ(2u, BigEndianAt(png, 16));
    EXPECT_EQ(1u, BigEndianAt(png, 20));
    const std::uint8_t depthAndType[] = {8, 2, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(png.data() + 24, depthAndType, 5));
    EXPECT_EQ(Crc32::Of({png.data() + 12, 17}), BigEndianAt(png, 29));

    // IDAT: zlib header, one final stored block of 7 bytes, the scanline, Adler-32.
    const std::size_t idat = 33;
    EXPECT_EQ(2u + 5u + 7u + 4u, BigEndianAt(png, idat));
    EXPECT_EQ(0, std::memcmp(png.data() + idat + 4, "IDAT", 4));
    const std::uint8_t data[] = {0x78, 0x01, 0x01, 7,    0, 0xF8, 0xFF,
                                 0,    0xFF, 0x80, 0x00, 0, 0,    0xFF};
    EXPECT_EQ(0, std::memcmp(png.data() + idat + 8, data, sizeof data));
    EXPECT_EQ(PngWriter::Adler32({data + 7, 7}), BigEndianAt(png, idat + 8 + 14));

    const std::uint8_t iend[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    ASSERT_EQ(idat + 12 + 18 + sizeof iend, png.size());
    EXPECT_EQ(0, std::memcmp(png.data() + png.size() - sizeof iend, iend, sizeof iend));
}

TEST(PngWriter, LargeImageIsSplitInto65535ByteBlocks) {
    // 200 x 200: 200 * 601 = 120200 bytes of scanlines, two stored blocks.
    RgbImage image{200, 200, std::vector<std::uint32_t>(40000, 0x123456)};
    const std::vector<std::uint8_t> png = PngWriter::Encode(image);
    const std::size_t block = 33 + 8 + 2;
    EXPECT_EQ(0, png[block]);
    EXPECT_EQ(0xFF, png[block + 1]);
    EXPECT_EQ(0xFF, png[block + 2]);
    const std::size_t second = block + 5 + 65535;
    EXPECT_EQ(1, png[second]);
    const std::size_t rest = 120200 - 65535;
    EXPECT_EQ(rest & 0xFF, png[second + 1]);
    EXPECT_EQ(rest >> 8, png[second + 2]);
}

}  // namespace
}  // namespace q5
