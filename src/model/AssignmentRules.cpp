#include "model/AssignmentRules.h"

namespace q5 {

bool KeepsLeftClick(const ButtonSetting& working, int slot, ActionCode chosen) {
    if (chosen == ActionCode::LeftClick || working.slot(slot).code() != ActionCode::LeftClick) {
        return true;
    }
    for (int other = 0; other < kSlotCount; ++other) {
        if (other != slot && working.slot(other).code() == ActionCode::LeftClick) {
            return true;
        }
    }
    return false;
}

}  // namespace q5
