/*
 * Playback of a recorded key combination.
 */
#pragma once

#include "model/ActionRecord.h"

namespace q5 {

class CombinationPlayer {
public:
    virtual ~CombinationPlayer() = default;
    virtual void PlayCombination(const Combination& combination) = 0;
};

}  // namespace q5
