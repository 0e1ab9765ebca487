/*
 * Little-endian field access inside the byte images that the system keeps
 * in memory and stores verbatim. The images are arrays of bytes, so their
 * layout is the same on every host and compiler.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace q5 {

inline std::uint16_t LoadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t LoadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void StoreU16(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void StoreU32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A NUL-terminated UTF-16 text held in `field` (two bytes a code unit): the
// code units before the first NUL, or the whole field if it holds none.
std::u16string LoadUtf16(std::span<const std::uint8_t> field);

// Stores `text` into `field` cut to what fits before a terminating NUL (at
// most field.size() / 2 - 1 code units, never half a surrogate pair), then
// the NUL. The bytes after the NUL keep their contents.
void StoreUtf16(std::span<std::uint8_t> field, std::u16string_view text);

// Overlays a stored value on an image as a registry read does: a value no
// longer than the image fills its leading bytes; a longer one is not read and
// the image keeps its contents. Returns whether the value was taken.
bool OverlayStoredValue(std::span<std::uint8_t> image, std::span<const std::uint8_t> value);

}  // namespace q5
