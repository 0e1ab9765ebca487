#include "platform/TextFormat.h"

#include <array>
#include <cstdarg>
#include <cstdio>

namespace q5 {
namespace {

__attribute__((format(printf, 2, 0))) void AppendV(std::string& out, const char* format,
                                                   va_list args) {
    // Most texts fit the buffer on the stack; a longer one is printed again
    // straight into the string.
    std::array<char, 256> buffer;
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (length <= 0) {
        return;
    }
    const auto count = static_cast<std::size_t>(length);
    if (count < buffer.size()) {
        out.append(buffer.data(), count);
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + count + 1);
    std::vsnprintf(out.data() + start, count + 1, format, args);
    out.resize(start + count);
}

}  // namespace

std::string StringPrintf(const char* format, ...) {
    std::string text;
    va_list args;
    va_start(args, format);
    AppendV(text, format, args);
    va_end(args);
    return text;
}

void StringAppendF(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    AppendV(out, format, args);
    va_end(args);
}

}  // namespace q5
