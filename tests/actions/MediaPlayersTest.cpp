#include "actions/MediaPlayers.h"

#include <gmock/gmock.h>

#include <array>

#include "DesktopFixture.h"

namespace q5 {
namespace {

using ::testing::IsEmpty;

constexpr std::uint32_t kKeyDown = 0x0100;
constexpr std::uint32_t kKeyUp = 0x0101;

// Scan codes of the United States layout.
constexpr std::uint32_t kF5Data = 0x003F0001;
constexpr std::uint32_t kF6Data = 0x00400001;
constexpr std::uint32_t kLeftData = 0x014B0001;
constexpr std::uint32_t kRightData = 0x014D0001;
constexpr std::uint32_t kSpaceData = 0x00390001;

class MediaPlayersTest : public DesktopFixture {
protected:
    static std::vector<std::string> Posted(WindowHandle window, std::uint8_t vk,
                                           std::uint32_t data) {
        return {Post(window, kKeyDown, vk, data), Post(window, kKeyUp, vk, data | 0xC0000000u)};
    }
    static std::vector<std::string> PostedWithCtrl(WindowHandle window, std::uint8_t vk,
                                                   std::uint32_t data) {
        std::vector<std::string> lines{Key(0x11, 1)};
        Append(lines, Posted(window, vk, data));
        lines.push_back(Key(0x11, 3));
        return lines;
    }
    static std::vector<std::string> Chord(std::initializer_list<std::uint8_t> keys) {
        std::vector<std::string> lines;
        for (const auto key : keys) {
            lines.push_back(Key(key, 1));
        }
        for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
            lines.push_back(Key(*it, 3));
        }
        return lines;
    }

    MediaPlayers media{desk.platform()};
};

TEST_F(MediaPlayersTest, NoPlayerTapsTheMediaKeys) {
    desk.processes.AddProcess(u"explorer.exe");
    media.MediaPlayPause();
    media.MediaStop();
    media.MediaPrevious();
    media.MediaNext();
    std::vector<std::string> expected = Tap(0xB3);
    Append(expected, Tap(0xB2));
    Append(expected, Tap(0xB1));
    Append(expected, Tap(0xB0));
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(desk.processes.SnapshotsTaken(), 4u);
    EXPECT_EQ(desk.processes.OpenSnapshots(), 0u);
}

TEST_F(MediaPlayersTest, FailedSnapshotCountsAsNoPlayer) {
    desk.processes.AddProcess(u"KwMusic.exe");
    desk.processes.SetSnapshotFailing(true);
    media.MediaStop();
    EXPECT_EQ(Lines(), Tap(0xB2));
}

TEST_F(MediaPlayersTest, UnreadableFirstEntryCountsAsNoPlayerAndClosesTheSnapshot) {
    desk.processes.AddProcess(u"KwMusic.exe");
    desk.processes.SetFirstEntryFailing(true);
    EXPECT_EQ(media.DetectPlayers(), 0u);
    EXPECT_EQ(desk.processes.SnapshotsTaken(), 1u);
    EXPECT_EQ(desk.processes.OpenSnapshots(), 0u);
}

TEST_F(MediaPlayersTest, DetectionIgnoresCaseAndPosition) {
    desk.processes.AddProcess(u"System");
    desk.processes.AddProcess(u"MYKUGOU.EXE");
    desk.processes.AddProcess(u"ttplayer.exe.bak");
    EXPECT_EQ(media.DetectPlayers(), kKuGou | kTTPlayer);
    EXPECT_EQ(desk.processes.OpenSnapshots(), 0u);
}

TEST_F(MediaPlayersTest, ProcessNamesMustBeContainedWhole) {
    desk.processes.AddProcess(u"KwMusic");
    desk.processes.AddProcess(u"iTunesHelper.exe");
    desk.processes.AddProcess(u"KuGou.ex");
    EXPECT_EQ(media.DetectPlayers(), 0u);
}

TEST_F(MediaPlayersTest, OneProcessSetsOnlyTheFirstPlayerItNames) {
    desk.processes.AddProcess(u"KwMusic.exeKuGou.exe");
    EXPECT_EQ(media.DetectPlayers(), kKwMusic);
}

TEST_F(MediaPlayersTest, KwMusicWithWindowPostsF5AndInjectsNoGlobalKey) {
    desk.processes.AddProcess(u"KwMusic.exe");
    const WindowHandle window = TopLevel(u"kwmusicmaindlg");
    media.MediaPlayPause();
    EXPECT_EQ(Lines(), Posted(window, 0x74, kF5Data));
    EXPECT_EQ(desk.windows.Received(window).size(), 2u);
}

TEST_F(MediaPlayersTest, KwMusicWithoutWindowPreviousIsAGlobalChord) {
    desk.processes.AddProcess(u"KwMusic.exe");
    media.MediaPrevious();
    EXPECT_EQ(Lines(), Chord({0x11, 0xA0, 0x25}));
}

TEST_F(MediaPlayersTest, KuGouAloneStopDoesNothing) {
    desk.processes.AddProcess(u"KuGou.exe");
    media.MediaStop();
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(MediaPlayersTest, ITunesStopAlwaysTapsPlayPause) {
    desk.processes.AddProcess(u"iTunes.exe");
    media.MediaStop();
    const WindowHandle window = TopLevel(u"iTunes");
    media.MediaStop();
    std::vector<std::string> expected = Tap(0xB3);
    Append(expected, Tap(0xB3));
    EXPECT_EQ(Lines(), expected);
    EXPECT_THAT(desk.windows.Received(window), IsEmpty());
}

TEST_F(MediaPlayersTest, TwoPlayersWithWindowsGetNextInOrder) {
    desk.processes.AddProcess(u"TTPlayer.exe");
    desk.processes.AddProcess(u"KwMusic.exe");
    const WindowHandle tt = TopLevel(u"TTPlayer_PlayerWnd");
    const WindowHandle kw = TopLevel(u"kwmusicmaindlg");
    media.MediaNext();
    std::vector<std::string> expected = PostedWithCtrl(kw, 0x27, kRightData);
    Append(expected, PostedWithCtrl(tt, 0x27, kRightData));
    EXPECT_EQ(Lines(), expected);
}

TEST_F(MediaPlayersTest, WindowsAreFoundByTheirWholeClassName) {
    desk.processes.AddProcess(u"KwMusic.exe");
    TopLevel(u"KwMusicMainDlg");
    const WindowHandle child = TopLevel(u"Host");
    Child(child, u"kwmusicmaindlg", {0, 0, 10, 10});
    media.MediaPlayPause();
    EXPECT_EQ(Lines(), Chord({0x11, 0x74}));
}

TEST_F(MediaPlayersTest, PostKeyToWindowKeyData) {
    const WindowHandle window = TopLevel(u"Target");
    media.PostKeyToWindow(window, 0x0D, false);  // Enter: extended
    media.PostKeyToWindow(window, 0x6F, false);  // keypad divide: extended
    media.PostKeyToWindow(window, 'A', true);
    std::vector<std::string> expected = Posted(window, 0x0D, 0x011C0001);
    Append(expected, Posted(window, 0x6F, 0x01350001));
    Append(expected, PostedWithCtrl(window, 'A', 0x001E0001));
    EXPECT_EQ(Lines(), expected);
    EXPECT_FALSE(desk.input.AnythingDown());
}

TEST_F(MediaPlayersTest, PostKeyToNoWindowDoesNothing) {
    media.PostKeyToWindow({}, 0x74, true);
    EXPECT_THAT(Lines(), IsEmpty());
}

// Every combination of running players and present windows, for every
// command: each running player, in the order KwMusic, KuGou, TTPlayer,
// iTunes, gets its row of the player table.
class MediaCombinationTest : public MediaPlayersTest {
protected:
    struct Handles {
        WindowHandle kw, tt, it;
    };

    // The rows of the player table, by command.
    std::vector<std::string> Row(PlayerSet player, const Handles& h, MediaCommand command) {
        const auto c = static_cast<int>(command);
        switch (player) {
            case kKwMusic:
                if (h.kw) {
                    const std::array<std::vector<std::string>, 4> rows = {
                        Posted(h.kw, 0x74, kF5Data), Posted(h.kw, 0x75, kF6Data),
                        PostedWithCtrl(h.kw, 0x25, kLeftData),
                        PostedWithCtrl(h.kw, 0x27, kRightData)};
                    return rows[c];
                } else {
                    const std::array<std::vector<std::string>, 4> rows = {
                        Chord({0x11, 0x74}), Chord({0x11, 0x75}), Chord({0x11, 0xA0, 0x25}),
                        Chord({0x11, 0xA0, 0x27})};
                    return rows[c];
                }
            case kKuGou: {
                const std::array<std::vector<std::string>, 4> rows = {Chord({0xA2, 0xA4, 0x74}),
                                                                      {},
                                                                      Chord({0xA2, 0xA4, 0x25}),
                                                                      Chord({0xA2, 0xA4, 0x27})};
                return rows[c];
            }
            case kTTPlayer:
                if (h.tt) {
                    const std::array<std::vector<std::string>, 4> rows = {
                        Posted(h.tt, 0x74, kF5Data), Posted(h.tt, 0x75, kF6Data),
                        PostedWithCtrl(h.tt, 0x25, kLeftData),
                        PostedWithCtrl(h.tt, 0x27, kRightData)};
                    return rows[c];
                } else {
                    const std::array<std::vector<std::string>, 4> rows = {Tap(0xB3), Tap(0xB3),
                                                                          Tap(0xB1), Tap(0xB0)};
                    return rows[c];
                }
            default:
                if (h.it) {
                    const std::array<std::vector<std::string>, 4> rows = {
                        Posted(h.it, 0x20, kSpaceData), Tap(0xB3),
                        PostedWithCtrl(h.it, 0x25, kLeftData),
                        PostedWithCtrl(h.it, 0x27, kRightData)};
                    return rows[c];
                } else {
                    const std::array<std::vector<std::string>, 4> rows = {Tap(0xB3), Tap(0xB3),
                                                                          Tap(0xB1), Tap(0xB0)};
                    return rows[c];
                }
        }
    }
};

TEST_F(MediaCombinationTest, EveryRowForEveryCombination) {
    const std::u16string processes[] = {u"KwMusic.exe", u"KuGou.exe", u"TTPlayer.exe",
                                        u"iTunes.exe"};
    const std::vector<std::string> none[] = {Tap(0xB3), Tap(0xB2), Tap(0xB1), Tap(0xB0)};
    for (PlayerSet running = 0; running < 16; ++running) {
        for (unsigned windows = 0; windows < 8; ++windows) {
            for (int command = 0; command < 4; ++command) {
                sim::SimPlatform fresh;
                MediaPlayers players(fresh.platform());
                // Started in reverse order: detection does not depend on it.
                for (int p = 3; p >= 0; --p) {
                    if (running & (1u << p)) {
                        fresh.processes.AddProcess(processes[p]);
                    }
                }
                fresh.processes.AddProcess(u"explorer.exe");
                Handles h;
                if (windows & 1) {
                    h.kw = fresh.windows.AddWindow({}, u"kwmusicmaindlg", kScreen);
                }
                if (windows & 2) {
                    h.tt = fresh.windows.AddWindow({}, u"TTPlayer_PlayerWnd", kScreen);
                }
                if (windows & 4) {
                    h.it = fresh.windows.AddWindow({}, u"iTunes", kScreen);
                }
                const auto cmd = static_cast<MediaCommand>(command);
                std::vector<std::string> expected;
                if (running == 0) {
                    expected = none[command];
                }
                for (PlayerSet bit = 1; bit <= 8; bit <<= 1) {
                    if (running & bit) {
                        Append(expected, Row(bit, h, cmd));
                    }
                }
                switch (cmd) {
                    case MediaCommand::kPlayPause:
                        players.MediaPlayPause();
                        break;
                    case MediaCommand::kStop:
                        players.MediaStop();
                        break;
                    case MediaCommand::kPrevious:
                        players.MediaPrevious();
                        break;
                    case MediaCommand::kNext:
                        players.MediaNext();
                        break;
                }
                EXPECT_EQ(fresh.journal.Lines(), expected)
                    << "players " << running << " windows " << windows << " command " << command;
                EXPECT_FALSE(fresh.input.AnythingDown());
            }
        }
    }
}

}  // namespace
}  // namespace q5
