#include "platform/Crc32.h"

#include <array>

namespace q5 {
namespace {

constexpr std::uint32_t kReflectedPolynomial = 0xEDB88320u;
constexpr std::uint32_t kAllOnes = 0xFFFFFFFFu;

std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) ? kReflectedPolynomial ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

}  // namespace

std::uint32_t Crc32::Of(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> table = MakeTable();
    std::uint32_t crc = kAllOnes;
    for (std::uint8_t byte : bytes) {
        crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ kAllOnes;
}

}  // namespace q5
