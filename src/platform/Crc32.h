/*
 * The CRC-32 of zlib, PNG and Ethernet (reflected polynomial 0xEDB88320,
 * initial value and final XOR 0xFFFFFFFF). PNG chunks and the settings
 * backup files both carry it.
 */
#pragma once

#include <cstdint>
#include <span>

namespace q5 {

class Crc32 {
public:
    static std::uint32_t Of(std::span<const std::uint8_t> bytes);
};

}  // namespace q5
