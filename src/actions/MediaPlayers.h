/*
 * Control of the known media players. Every action finds out which players
 * run now (a process snapshot) and gives each of them, in a fixed order, the
 * keys that player understands: posted to its main window when that window
 * exists, else as a global key chord. When none runs, the system's media
 * keys are pressed.
 */
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "actions/MediaActions.h"
#include "platform/Platform.h"

namespace q5 {

// One bit per running player.
using PlayerSet = unsigned;
inline constexpr PlayerSet kKwMusic = 1;
inline constexpr PlayerSet kKuGou = 2;
inline constexpr PlayerSet kTTPlayer = 4;
inline constexpr PlayerSet kITunes = 8;

enum class MediaCommand { kPlayPause, kStop, kPrevious, kNext };

class MediaPlayers final : public MediaActions {
public:
    explicit MediaPlayers(Platform platform) : platform_(platform) {}

    void MediaPlayPause() override { Perform(MediaCommand::kPlayPause); }
    void MediaStop() override { Perform(MediaCommand::kStop); }
    void MediaPrevious() override { Perform(MediaCommand::kPrevious); }
    void MediaNext() override { Perform(MediaCommand::kNext); }

    // The players running now; none when the snapshot cannot be read.
    PlayerSet DetectPlayers();
    // One key stroke through the window's message queue (WM_KEYDOWN and
    // WM_KEYUP with the key's data), with Ctrl held around it if asked.
    void PostKeyToWindow(WindowHandle window, std::uint8_t vk, bool withCtrl);

private:
    void Perform(MediaCommand command);

    Platform platform_;
};

// StrStrIW: whether `text` contains `part`, ignoring letter case.
bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part);

// Walks a snapshot of the running processes: bit i is set when an executable
// name contains names[i] (ignoring case); of the names one process contains,
// only the first counts. 0 when the snapshot or its first entry cannot be
// read.
std::uint32_t MatchRunningProcesses(Processes& processes,
                                    std::span<const std::u16string_view> names);

}  // namespace q5
