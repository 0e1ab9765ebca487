#include "actions/MediaPlayers.h"

#include <algorithm>
#include <array>

#include "actions/InputSequences.h"
#include "platform/VirtualKeys.h"

namespace q5 {
namespace {

constexpr std::uint8_t kF5 = 0x74;
constexpr std::uint8_t kF6 = 0x75;

// What a player is given for one command.
struct KeyStep {
    enum Kind { kNothing, kPost, kPostWithCtrl, kChord };
    Kind kind = kNothing;
    std::array<std::uint8_t, 3> keys{};
    std::size_t count = 0;
};

constexpr KeyStep Nothing() {
    return {};
}
constexpr KeyStep Post(std::uint8_t vk) {
    return {KeyStep::kPost, {vk}, 1};
}
constexpr KeyStep PostWithCtrl(std::uint8_t vk) {
    return {KeyStep::kPostWithCtrl, {vk}, 1};
}
constexpr KeyStep Tap(std::uint8_t vk) {
    return {KeyStep::kChord, {vk}, 1};
}
constexpr KeyStep Chord(std::uint8_t first, std::uint8_t second) {
    return {KeyStep::kChord, {first, second}, 2};
}
constexpr KeyStep Chord(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
    return {KeyStep::kChord, {first, second, third}, 3};
}

// Steps by command: play/pause, stop, previous, next.
using CommandSteps = std::array<KeyStep, 4>;

struct Player {
    PlayerSet bit;
    std::u16string_view processName;
    const char16_t* windowClass;  // none for a player whose window is not used
    CommandSteps withWindow;
    CommandSteps withoutWindow;
};

constexpr CommandSteps kWindowKeys = {Post(kF5), Post(kF6), PostWithCtrl(vk::kLeft),
                                      PostWithCtrl(vk::kRight)};
constexpr CommandSteps kMediaKeysKeepPlaying = {Tap(vk::kMediaPlayPause), Tap(vk::kMediaPlayPause),
                                                Tap(vk::kMediaPrevTrack), Tap(vk::kMediaNextTrack)};

// In the order in which running players are served; the n-th player's bit
// is 1 << n.
constexpr Player kPlayers[] = {
    {kKwMusic,
     u"KwMusic.exe",
     u"kwmusicmaindlg",
     kWindowKeys,
     {Chord(vk::kControl, kF5), Chord(vk::kControl, kF6),
      Chord(vk::kControl, vk::kLShift, vk::kLeft), Chord(vk::kControl, vk::kLShift, vk::kRight)}},
    {kKuGou,
     u"KuGou.exe",
     nullptr,
     {},
     {Chord(vk::kLControl, vk::kLMenu, kF5), Nothing(), Chord(vk::kLControl, vk::kLMenu, vk::kLeft),
      Chord(vk::kLControl, vk::kLMenu, vk::kRight)}},
    {kTTPlayer, u"TTPlayer.exe", u"TTPlayer_PlayerWnd", kWindowKeys, kMediaKeysKeepPlaying},
    {kITunes,
     u"iTunes.exe",
     u"iTunes",
     {Post(vk::kSpace), Tap(vk::kMediaPlayPause), PostWithCtrl(vk::kLeft),
      PostWithCtrl(vk::kRight)},
     kMediaKeysKeepPlaying},
};

constexpr CommandSteps kNoPlayer = {Tap(vk::kMediaPlayPause), Tap(vk::kMediaStop),
                                    Tap(vk::kMediaPrevTrack), Tap(vk::kMediaNextTrack)};

// Keys whose messages carry the extended-key bit.
constexpr std::uint8_t kExtendedKeys[] = {0x0D, 0x11, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26,
                                          0x27, 0x28, 0x2D, 0x2E, 0x6F, 0xA2, 0xA3};

constexpr std::uint32_t kRepeatOnce = 1;
constexpr int kScanCodeShift = 16;
constexpr std::uint32_t kExtendedBit = 1u << 24;
constexpr std::uint32_t kReleaseBits = 0xC0000000;

char16_t FoldCase(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool IsPost(const KeyStep& step) {
    return step.kind == KeyStep::kPost || step.kind == KeyStep::kPostWithCtrl;
}

static_assert(kPlayers[0].bit == 1 && kPlayers[1].bit == 2 && kPlayers[2].bit == 4 &&
              kPlayers[3].bit == 8);

}  // namespace

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
    const auto found =
        std::search(text.begin(), text.end(), part.begin(), part.end(),
                    [](char16_t a, char16_t b) { return FoldCase(a) == FoldCase(b); });
    return found != text.end() || part.empty();
}

std::uint32_t MatchRunningProcesses(Processes& processes,
                                    std::span<const std::u16string_view> names) {
    const ProcessSnapshot snapshot = processes.CreateProcessSnapshot();
    if (!snapshot) {
        return 0;
    }
    std::uint32_t running = 0;
    std::u16string exeName;
    bool more = processes.Process32FirstW(snapshot, exeName);
    while (more) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (ContainsIgnoringCase(exeName, names[i])) {
                running |= 1u << i;
                break;
            }
        }
        more = processes.Process32NextW(snapshot, exeName);
    }
    processes.CloseSnapshot(snapshot);
    return running;
}

// The players' bits follow their order in the table.
PlayerSet MediaPlayers::DetectPlayers() {
    std::array<std::u16string_view, std::size(kPlayers)> names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kPlayers[i].processName;
    }
    return MatchRunningProcesses(platform_.processes, names);
}

void MediaPlayers::PostKeyToWindow(WindowHandle window, std::uint8_t vk, bool withCtrl) {
    if (!window) {
        return;
    }
    const std::uint32_t scan = platform_.input.MapVirtualKeyW(vk, kMapVkToVsc) & 0xFF;
    std::uint32_t data = kRepeatOnce | scan << kScanCodeShift;
    if (std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), vk) !=
        std::end(kExtendedKeys)) {
        data |= kExtendedBit;
    }
    if (withCtrl) {
        PressKey(platform_.input, vk::kControl);
    }
    platform_.messages.PostMessageW(window, kWmKeyDown, vk, data);
    platform_.messages.PostMessageW(window, kWmKeyUp, vk, data | kReleaseBits);
    if (withCtrl) {
        ReleaseKey(platform_.input, vk::kControl);
    }
}

void MediaPlayers::Perform(MediaCommand command) {
    const auto index = static_cast<std::size_t>(command);
    const PlayerSet running = DetectPlayers();
    if (running == 0) {
        PressChord(platform_.input,
                   std::span(kNoPlayer[index].keys.data(), kNoPlayer[index].count));
        return;
    }
    for (const auto& player : kPlayers) {
        if ((running & player.bit) == 0) {
            continue;
        }
        // The window is looked up only when the player would be given a
        // posted key.
        WindowHandle window;
        if (player.windowClass && IsPost(player.withWindow[index])) {
            window = platform_.windows.FindWindowW(player.windowClass, nullptr);
        }
        const KeyStep& step = window ? player.withWindow[index] : player.withoutWindow[index];
        switch (step.kind) {
            case KeyStep::kNothing:
                break;
            case KeyStep::kPost:
            case KeyStep::kPostWithCtrl:
                PostKeyToWindow(window, step.keys[0], step.kind == KeyStep::kPostWithCtrl);
                break;
            case KeyStep::kChord:
                PressChord(platform_.input, std::span(step.keys.data(), step.count));
                break;
        }
    }
}

}  // namespace q5
