#include "platform/sim/SimDocumentScript.h"

namespace q5::sim {

DocumentScrollResult SimDocumentScript::ScrollBy(WindowHandle window, std::int32_t dx,
                                                 std::int32_t dy) {
    // Only a script window that exists is asked to scroll.
    if (result_ == DocumentScrollResult::kScrollFailed ||
        result_ == DocumentScrollResult::kScrolled) {
        journal_.Record(ScriptScrollCall{window.value, dx, dy});
    }
    return result_;
}

}  // namespace q5::sim
