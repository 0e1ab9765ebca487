// libFuzzer entry point: a stream of driver events through the simulated
// receiver, the channel's worker thread (CUSBDriver on the simulated
// threads) and the dispatcher, with the receiver unplugged, plugged in and
// the device opened again in between. Every event queued must arrive, once
// and in order, as message 0x7EB to the main dialog, which performs it.
//
// The input is read five bytes at a time: an operation byte, then a 32-bit
// event code (little-endian) for the operations that queue one.
//
// The channel and its worker live for the whole run, as in the program;
// every input starts with the device open, and gets a program of its own.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzedProgram.h"
#include "device/CUSBDriver.h"
#include "device/DriverProtocol.h"
#include "model/ByteImage.h"

namespace {

using namespace std::chrono_literals;

constexpr q5::WindowHandle kDialog{0x4242};
constexpr std::size_t kOperationBytes = 5;
constexpr auto kArrivalLimit = 20s;

enum Operation : std::uint8_t {
    kQueue,
    kQueueLater,  // after the clock has moved on by the code's low four bits
    kUnplug,
    kPlugInAndOpen,
    kOperationCount
};

// The receiver, the channel and its worker thread.
struct Channel {
    Channel() {
        device.receiver.PlugIn();
        driver.StartDriverThread(kDialog);
        driver.OpenDevice();
    }

    // Waits until every event queued has been posted, checks each message
    // against what was queued and hands it to the dispatcher of `run`.
    void Deliver(q5::fuzz::FuzzedProgram& run) {
        q5::fuzz::Require(device.posting.WaitForCount(queued.size(), kArrivalLimit));
        const auto posted = device.posting.Take();
        q5::fuzz::Require(posted.size() == queued.size());
        for (std::size_t i = 0; i < posted.size(); ++i) {
            const q5::WindowMessage& message = posted[i].message;
            q5::fuzz::Require(posted[i].window == kDialog &&
                              message.message == q5::kDriverEventMessage &&
                              message.wParam == queued[i] && message.lParam == 0);
            run.program.dispatcher.OnDeviceEvent(static_cast<std::uint32_t>(message.wParam));
        }
        queued.clear();
        // The receiver logs every command; a long run keeps none of them.
        device.receiver.ClearLog();
    }

    void Queue(std::uint32_t code) {
        if (device.receiver.QueueEvent(code)) {
            queued.push_back(code);
        }
    }

    q5::sim::SimPlatform device;
    q5::CUSBDriver driver{device.platform()};
    std::vector<std::uint32_t> queued;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Never destroyed: the worker waits for the process to end, as it does
    // in the program.
    static Channel* channel = new Channel;
    q5::sim::SimReceiver& receiver = channel->device.receiver;
    q5::fuzz::FuzzedProgram run;
    run.program.LoadStoredSettings();
    for (std::size_t at = 0; at + kOperationBytes <= size; at += kOperationBytes) {
        const std::uint32_t code = q5::LoadU32(data + at + 1);
        switch (data[at] % kOperationCount) {
            case kQueueLater:
                run.desktop.clock.Advance(code & 0xF);
                [[fallthrough]];
            case kQueue:
                channel->Queue(code);
                break;
            case kUnplug:
                channel->Deliver(run);
                receiver.Unplug();
                break;
            case kPlugInAndOpen:
                channel->Deliver(run);
                receiver.PlugIn();
                q5::fuzz::Require(channel->driver.OpenDevice());
                break;
            default:
                break;
        }
    }
    channel->Deliver(run);
    if (!receiver.pluggedIn() || !channel->driver.IsDeviceOpen()) {
        receiver.PlugIn();
        q5::fuzz::Require(channel->driver.OpenDevice());
    }
    return 0;
}
