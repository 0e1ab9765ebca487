#include "platform/sim/SimDialogs.h"

namespace q5::sim {

int SimDialogs::MessageBoxW(WindowHandle owner, std::u16string_view text,
                            std::u16string_view caption, std::uint32_t type) {
    journal_.Record(
        MessageBoxCall{owner.value, std::u16string(text), std::u16string(caption), type});
    return answer_;
}

}  // namespace q5::sim
