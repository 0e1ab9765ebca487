/*
 * Whatever tells the mouse driver which gestures and key combinations to
 * report for an assignment.
 */
#pragma once

#include "model/ButtonSetting.h"

namespace q5 {

class ConfigurationPusher {
  public:
    virtual ~ConfigurationPusher() = default;
    // False when no device is open or the driver refuses the configuration.
    virtual bool PushConfiguration(const ButtonSetting& assignment) = 0;
};

}  // namespace q5
