#include "ToolArguments.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace q5::tool {

std::optional<std::uint64_t> ParseNumber(std::string_view text, std::uint64_t max) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<TimedEvent> ParseTimedEvent(std::string_view text) {
    TimedEvent event;
    const auto plus = text.find('+');
    if (plus != std::string_view::npos) {
        const auto delay = ParseNumber(text.substr(plus + 1), UINT32_MAX);
        if (!delay) {
            return std::nullopt;
        }
        event.delayMs = static_cast<std::uint32_t>(*delay);
        text = text.substr(0, plus);
    }
    const auto code = ParseNumber(text, UINT32_MAX);
    if (!code) {
        return std::nullopt;
    }
    event.code = static_cast<std::uint32_t>(*code);
    return event;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                    std::istreambuf_iterator<char>()};
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "q5tool: %s\n", message.c_str());
    return kExitUsage;
}

}  // namespace q5::tool
