#include "platform/sim/SimReceiver.h"

#include <algorithm>
#include <vector>

#include "device/DeviceEvent.h"
#include "device/DriverProtocol.h"
#include "platform/TextFormat.h"

namespace q5::sim {
namespace {

constexpr std::uintptr_t kHandleStep = 4;
constexpr std::uint32_t kReadWrite = kGenericRead | kGenericWrite;

}  // namespace

std::string FormatReceivedCommand(const DriverCommand& command) {
    std::string line = StringPrintf("command %u", command.command());
    if (command.command() == kCommandButtonMask) {
        line += StringPrintf(" mask=0x%08x", command.mask());
    } else if (command.command() == kCommandKeyList) {
        line += " keys=";
        const auto keys = command.keys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            line += StringPrintf(i == 0 ? "%08x" : ",%08x", keys[i]);
        }
    }
    return line;
}

std::string FormatCommandBytes(const DriverCommand& command) {
    std::string hex;
    for (const std::uint8_t byte : command.bytes()) {
        hex += StringPrintf("%02x", byte);
    }
    return hex;
}

KernelHandle SimReceiver::CreateFileW(std::u16string_view path, std::uint32_t access,
                                      std::uint32_t /*shareMode*/,
                                      std::uint32_t creationDisposition, std::uint32_t /*flags*/) {
    std::lock_guard lock(mutex_);
    if (!pluggedIn_ || path != kDriverDevicePath || (access & kReadWrite) != kReadWrite ||
        creationDisposition != kOpenExisting) {
        return {};
    }
    const KernelHandle handle{nextHandle_};
    nextHandle_ += kHandleStep;
    open_.emplace_back(handle, plugSession_);
    return handle;
}

bool SimReceiver::IsOpen(KernelHandle device) const {
    return std::any_of(open_.begin(), open_.end(),
                       [&](const auto& entry) { return entry.first == device; });
}

bool SimReceiver::IsUsable(KernelHandle device) const {
    return pluggedIn_ && std::any_of(open_.begin(), open_.end(), [&](const auto& entry) {
               return entry.first == device && entry.second == plugSession_;
           });
}

bool SimReceiver::DeviceIoControl(KernelHandle device, std::uint32_t controlCode,
                                  std::span<const std::uint8_t> input,
                                  std::span<std::uint8_t> output, std::uint32_t* bytesReturned) {
    if (bytesReturned != nullptr) {
        *bytesReturned = 0;
    }
    std::lock_guard lock(mutex_);
    if (!IsOpen(device)) {
        ++requestsOnClosedHandles_;
        return false;
    }
    if (!IsUsable(device)) {
        return false;
    }
    if (controlCode == kIoctlFetchEvent) {
        return Fetch(input, output, bytesReturned);
    }
    if (controlCode != kIoctlSendCommand || input.size() != DriverCommand::kSize) {
        return false;
    }
    const DriverCommand command = DriverCommand::FromBytes(input.first<DriverCommand::kSize>());
    const bool refused = refuseAllCommands_ || refused_.contains(command.command());
    const bool accepted = !refused && Execute(device, command);
    log_.push_back({command, accepted});
    return accepted;
}

bool SimReceiver::Execute(KernelHandle device, const DriverCommand& command) {
    switch (command.command()) {
        case kCommandRegister:
            if (command.semaphoreValue() == 0) {
                return false;
            }
            registration_ = Registration{device, KernelHandle{command.semaphoreValue()}};
            return true;
        case kCommandButtonMask:
            buttonMask_ = command.mask();
            return true;
        case kCommandKeyList:
            keyList_ = command.keys();
            return true;
        default:
            return false;
    }
}

bool SimReceiver::Fetch(std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                        std::uint32_t* bytesReturned) {
    if (refuseFetches_ || input.size() != DeviceEvent::kSize ||
        output.size() < DeviceEvent::kSize) {
        return false;
    }
    if (queue_.empty()) {
        if (answerEmptyFetches_ && bytesReturned != nullptr) {
            *bytesReturned = 0;
        }
        return answerEmptyFetches_;
    }
    DeviceEvent event;
    std::copy(input.begin(), input.end(), event.bytes().begin());
    event.setEventCode(queue_.front());
    queue_.pop_front();
    ++fetches_;
    std::copy(event.bytes().begin(), event.bytes().end(), output.begin());
    if (bytesReturned != nullptr) {
        *bytesReturned = DeviceEvent::kSize;
    }
    return true;
}

bool SimReceiver::CloseHandle(KernelHandle device) {
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(open_.begin(), open_.end(),
                                    [&](const auto& entry) { return entry.first == device; });
    if (found == open_.end()) {
        return false;
    }
    open_.erase(found);
    if (registration_ && registration_->device == device) {
        registration_.reset();
        queue_.clear();
    }
    return true;
}

void SimReceiver::PlugIn() {
    std::lock_guard lock(mutex_);
    pluggedIn_ = true;
}

void SimReceiver::Unplug() {
    std::lock_guard lock(mutex_);
    if (!pluggedIn_) {
        return;
    }
    pluggedIn_ = false;
    ++plugSession_;
    registration_.reset();
    queue_.clear();
}

void SimReceiver::RefuseCommand(std::uint32_t command) {
    std::lock_guard lock(mutex_);
    refused_.insert(command);
}

void SimReceiver::RefuseCommands() {
    std::lock_guard lock(mutex_);
    refuseAllCommands_ = true;
}

void SimReceiver::RefuseFetches(bool refuse) {
    std::lock_guard lock(mutex_);
    refuseFetches_ = refuse;
}

void SimReceiver::AnswerEmptyFetches(bool answer) {
    std::lock_guard lock(mutex_);
    answerEmptyFetches_ = answer;
}

void SimReceiver::AcceptEverything() {
    std::lock_guard lock(mutex_);
    refused_.clear();
    refuseAllCommands_ = false;
    refuseFetches_ = false;
}

bool SimReceiver::QueueEvent(std::uint32_t eventCode) {
    // The release happens under the lock, so the queue and the semaphore
    // count move together and a failed release can take its event back.
    std::lock_guard lock(mutex_);
    if (!pluggedIn_ || !registration_) {
        return false;
    }
    queue_.push_back(eventCode);
    if (!threads_.ReleaseSemaphore(registration_->semaphore, 1)) {
        queue_.pop_back();
        return false;
    }
    return true;
}

bool SimReceiver::pluggedIn() const {
    std::lock_guard lock(mutex_);
    return pluggedIn_;
}

bool SimReceiver::registered() const {
    std::lock_guard lock(mutex_);
    return registration_.has_value();
}

std::optional<KernelHandle> SimReceiver::registeredSemaphore() const {
    std::lock_guard lock(mutex_);
    if (!registration_) {
        return std::nullopt;
    }
    return registration_->semaphore;
}

std::optional<std::uint32_t> SimReceiver::buttonMask() const {
    std::lock_guard lock(mutex_);
    return buttonMask_;
}

std::optional<KeyList::Entries> SimReceiver::keyList() const {
    std::lock_guard lock(mutex_);
    return keyList_;
}

std::size_t SimReceiver::queuedEvents() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

std::size_t SimReceiver::openHandles() const {
    std::lock_guard lock(mutex_);
    return open_.size();
}

std::size_t SimReceiver::fetches() const {
    std::lock_guard lock(mutex_);
    return fetches_;
}

std::size_t SimReceiver::requestsOnClosedHandles() const {
    std::lock_guard lock(mutex_);
    return requestsOnClosedHandles_;
}

std::vector<ReceivedCommand> SimReceiver::Commands() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void SimReceiver::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

}  // namespace q5::sim
