/*
 * Whatever tells the mouse driver which gestures and key combinations to
 * report for an assignment.
 */
#pragma once

namespace q5 {

class ConfigurationPusher {
public:
    virtual ~ConfigurationPusher() = default;
    // Sends the configuration of the working copy of the assignment; false
    // when no device is open or the driver refuses it.
    virtual bool PushConfiguration() = 0;
};

}  // namespace q5
