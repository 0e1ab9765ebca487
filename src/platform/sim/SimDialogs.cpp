#include "platform/sim/SimDialogs.h"

#include "i18n/Unicode.h"

namespace q5::sim {

int SimDialogs::MessageBoxW(WindowHandle owner, std::u16string_view text,
                            std::u16string_view caption, std::uint32_t type) {
    journal_.Record(MessageBoxCall{owner.value, Utf16ToUtf8(text), Utf16ToUtf8(caption), type});
    return answer_;
}

}  // namespace q5::sim
