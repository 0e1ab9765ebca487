/*
 * Whatever performs a record on the desktop: the dispatcher hands each
 * gesture's record to it.
 */
#pragma once

#include "model/ActionRecord.h"

namespace q5 {

class ActionPerformer {
public:
    virtual ~ActionPerformer() = default;
    virtual void ExecuteAction(const ActionRecord& record) = 0;
};

}  // namespace q5
