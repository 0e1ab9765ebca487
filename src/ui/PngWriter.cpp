#include "ui/PngWriter.h"

#include <algorithm>
#include <fstream>

#include "platform/Crc32.h"

namespace q5 {
namespace {

constexpr std::size_t kMaxStoredBlock = 65535;
constexpr std::uint8_t kColorTypeRgb = 2;

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
              const std::vector<std::uint8_t>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian32(out, Crc32::Of(typed));
}

std::vector<std::uint8_t> RawScanlines(const RgbImage& image) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(image.height) *
                (1 + 3 * static_cast<std::size_t>(image.width)));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t pixel = image.at(x, y);
            raw.push_back(static_cast<std::uint8_t>(pixel >> 16));
            raw.push_back(static_cast<std::uint8_t>(pixel >> 8));
            raw.push_back(static_cast<std::uint8_t>(pixel));
        }
    }
    return raw;
}

std::vector<std::uint8_t> StoredZlibStream(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    PutBigEndian32(out, PngWriter::Adler32(raw));
    return out;
}

}  // namespace

std::uint32_t PngWriter::Adler32(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return b << 16 | a;
}

std::vector<std::uint8_t> PngWriter::Encode(const RgbImage& image) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian32(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian32(header, static_cast<std::uint32_t>(image.height));
    header.insert(header.end(), {8, kColorTypeRgb, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlibStream(RawScanlines(image)));
    PutChunk(out, "IEND", {});
    return out;
}

bool PngWriter::WriteFile(const RgbImage& image, const std::string& path) {
    const std::vector<std::uint8_t> bytes = Encode(image);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace q5
