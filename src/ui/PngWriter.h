/*
 * Writes 24-bit RGB pictures as PNG files without a compression library:
 * the image data goes into stored (uncompressed) deflate blocks. Used by
 * the screenshot harness, which captures windows to files that any viewer
 * opens.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace q5 {

// A picture as rows of 0xRRGGBB pixels, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

class PngWriter {
public:
    static std::vector<std::uint8_t> Encode(const RgbImage& image);
    // False when the file cannot be written.
    static bool WriteFile(const RgbImage& image, const std::string& path);

    static std::uint32_t Adler32(std::span<const std::uint8_t> bytes);
};

}  // namespace q5
