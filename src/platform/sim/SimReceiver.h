/*
 * The simulated receiver: the mouse's kernel driver as the system relies on
 * it, for the tests, the q5tool push command and the program when no real
 * receiver is present.
 *
 * - Opening "\\.\kvq5ms" for reading and writing succeeds only while the
 *   receiver is plugged in.
 * - Command 1 registers the semaphore whose handle value it carries; the
 *   receiver then releases it once for every event it queues. Closing the
 *   handle that registered it ends the registration.
 * - 0x222408 returns the oldest queued event in the 56-byte buffer and fails
 *   when none is queued.
 * - Commands 20 and 128 are remembered; every command succeeds or fails as
 *   a whole, and can be made to fail.
 * - Unplugging discards the queue and the registration; handles opened
 *   before stay open but every request on them fails.
 * - Every command received is logged, accepted or not.
 *
 * All operations may be called from any thread.
 */
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "device/DriverCommand.h"
#include "device/KeyList.h"
#include "platform/DeviceIo.h"
#include "platform/Threads.h"

namespace q5::sim {

struct ReceivedCommand {
    DriverCommand record;
    bool accepted = false;
};

// One line for a received command: "command 1", "command 20 mask=0x00000181",
// "command 128 keys=" and the 24 entries as %08x separated by commas; any
// other command as "command N".
std::string FormatReceivedCommand(const DriverCommand& command);
// The 216 bytes as lower-case hex on one line.
std::string FormatCommandBytes(const DriverCommand& command);

class SimReceiver final : public DeviceIo {
public:
    // `threads` owns the semaphores that command 1 names.
    explicit SimReceiver(Threads& threads) : threads_(threads) {}
    SimReceiver(const SimReceiver&) = delete;
    SimReceiver& operator=(const SimReceiver&) = delete;

    KernelHandle CreateFileW(std::u16string_view path, std::uint32_t access,
                             std::uint32_t shareMode, std::uint32_t creationDisposition,
                             std::uint32_t flags) override;
    bool DeviceIoControl(KernelHandle device, std::uint32_t controlCode,
                         std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                         std::uint32_t* bytesReturned) override;
    bool CloseHandle(KernelHandle device) override;

    void PlugIn();
    void Unplug();
    // A refused command is logged and fails; a refused fetch fails.
    void RefuseCommand(std::uint32_t command);
    void RefuseCommands();
    void RefuseFetches(bool refuse);
    // A fetch with no event queued succeeds and writes nothing (returning 0
    // bytes), as a driver may answer it; otherwise such a fetch fails.
    void AnswerEmptyFetches(bool answer);
    void AcceptEverything();

    // Queues one gesture event and releases the registered semaphore for it.
    // Fails, queueing nothing, when the receiver is unplugged, no semaphore
    // is registered or the semaphore is full.
    bool QueueEvent(std::uint32_t eventCode);

    bool pluggedIn() const;
    bool registered() const;
    std::optional<KernelHandle> registeredSemaphore() const;
    std::optional<std::uint32_t> buttonMask() const;
    std::optional<KeyList::Entries> keyList() const;
    std::size_t queuedEvents() const;
    std::size_t openHandles() const;
    std::size_t fetches() const;
    // Requests made on a handle that was never opened or is already closed.
    std::size_t requestsOnClosedHandles() const;
    std::vector<ReceivedCommand> Commands() const;
    void ClearLog();

private:
    struct Registration {
        KernelHandle device;
        KernelHandle semaphore;
    };

    bool IsOpen(KernelHandle device) const;
    bool IsUsable(KernelHandle device) const;
    bool Execute(KernelHandle device, const DriverCommand& command);
    bool Fetch(std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
               std::uint32_t* bytesReturned);

    Threads& threads_;
    mutable std::mutex mutex_;
    bool pluggedIn_ = false;
    std::uint32_t plugSession_ = 0;
    std::uintptr_t nextHandle_ = 0x5A1C0000;
    // Open handle value and the plug session it was opened in.
    std::vector<std::pair<KernelHandle, std::uint32_t>> open_;
    std::optional<Registration> registration_;
    std::deque<std::uint32_t> queue_;
    std::optional<std::uint32_t> buttonMask_;
    std::optional<KeyList::Entries> keyList_;
    std::set<std::uint32_t> refused_;
    bool refuseAllCommands_ = false;
    bool refuseFetches_ = false;
    bool answerEmptyFetches_ = false;
    std::size_t fetches_ = 0;
    std::size_t requestsOnClosedHandles_ = 0;
    std::vector<ReceivedCommand> log_;
};

}  // namespace q5::sim
