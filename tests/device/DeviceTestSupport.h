/*
 * Shared set-up of the device tests: the simulated platform with a plugged
 * receiver and a started channel, and the receiver's log as lines.
 */
#pragma once

#include <string>
#include <vector>

#include "device/CUSBDriver.h"
#include "platform/TextFormat.h"
#include "platform/sim/SimPlatform.h"

namespace q5 {

inline constexpr WindowHandle kDialog{0x4242};

inline std::vector<std::string> ReceivedLines(const sim::SimReceiver& receiver) {
    std::vector<std::string> lines;
    for (const auto& received : receiver.Commands()) {
        lines.push_back(sim::FormatReceivedCommand(received.record) +
                        (received.accepted ? "" : " refused"));
    }
    return lines;
}

inline std::string KeysLine(std::initializer_list<std::uint32_t> leading) {
    std::string line = "command 128 keys=";
    std::size_t i = 0;
    for (const std::uint32_t key : leading) {
        line += StringPrintf(i++ == 0 ? "%08x" : ",%08x", key);
    }
    for (; i < KeyList::kCapacity; ++i) {
        line += i == 0 ? "00000000" : ",00000000";
    }
    return line;
}

// Members are destroyed in reverse order: the channel (which stops its
// worker) before the simulated platform.
struct ChannelFixture {
    sim::SimPlatform sim;
    CUSBDriver driver{sim.platform()};

    ChannelFixture() {
        sim.receiver.PlugIn();
        driver.StartDriverThread(kDialog);
    }
};

}  // namespace q5
