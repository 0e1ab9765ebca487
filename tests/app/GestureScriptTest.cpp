#include "app/GestureScript.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace q5 {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

TEST(GestureScript, EncodesHeaderThenCodeAndPausePerEvent) {
    const TimedEvent events[] = {{0x00008001, 0}, {0x80000008, 50}};
    EXPECT_THAT(EncodeGestureScript(events),
                ElementsAre(0x51, 0x35, 0x47, 0x50,                          // magic
                            0x01, 0x00,                                      // version
                            0x02, 0x00,                                      // two events
                            0x01, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //
                            0x08, 0x00, 0x00, 0x80, 0x32, 0x00, 0x00, 0x00));
}

TEST(GestureScript, DecodesWhatItEncodes) {
    std::vector<TimedEvent> events;
    for (std::uint32_t i = 0; i < kMaxScriptEvents; ++i) {
        events.push_back({0x80000000u + i, i * 200});
    }
    EXPECT_EQ(DecodeGestureScript(EncodeGestureScript(events)), events);
}

TEST(GestureScript, RefusesToEncodeWhatCannotTravel) {
    EXPECT_THAT(EncodeGestureScript({}), ElementsAre());
    const std::vector<TimedEvent> tooMany(kMaxScriptEvents + 1, TimedEvent{0x8001, 0});
    EXPECT_THAT(EncodeGestureScript(tooMany), ElementsAre());
    const TimedEvent tooLate[] = {{0x8001, 0}, {0x8002, kMaxScriptDelayMs + 1}};
    EXPECT_THAT(EncodeGestureScript(tooLate), ElementsAre());
    const TimedEvent longestPause[] = {{0x8001, kMaxScriptDelayMs}};
    EXPECT_EQ(EncodeGestureScript(longestPause).size(), 16u);
}

class BadPayload : public ::testing::Test {
protected:
    Bytes good = EncodeGestureScript(std::vector<TimedEvent>{{0x8001, 0}, {0x101, 5}});
};

TEST_F(BadPayload, TooShortForTheHeader) {
    for (std::size_t size = 0; size < kGestureScriptHeaderSize; ++size) {
        EXPECT_EQ(DecodeGestureScript(Bytes(good.begin(), good.begin() + size)), std::nullopt);
    }
}

TEST_F(BadPayload, WrongMagicOrVersion) {
    Bytes magic = good;
    magic[3] = 0x51;
    EXPECT_EQ(DecodeGestureScript(magic), std::nullopt);
    Bytes version = good;
    version[4] = 2;
    EXPECT_EQ(DecodeGestureScript(version), std::nullopt);
}

TEST_F(BadPayload, SizeDisagreesWithTheCount) {
    Bytes shorter(good.begin(), good.end() - 1);
    EXPECT_EQ(DecodeGestureScript(shorter), std::nullopt);
    Bytes longer = good;
    longer.push_back(0);
    EXPECT_EQ(DecodeGestureScript(longer), std::nullopt);
    Bytes countTooLarge = good;
    countTooLarge[6] = 3;
    EXPECT_EQ(DecodeGestureScript(countTooLarge), std::nullopt);
}

TEST_F(BadPayload, NoEventsOrTooMany) {
    Bytes none(good.begin(), good.begin() + kGestureScriptHeaderSize);
    none[6] = 0;
    EXPECT_EQ(DecodeGestureScript(none), std::nullopt);
    // A count above the limit with a size that matches it.
    const std::size_t count = kMaxScriptEvents + 1;
    Bytes tooMany(kGestureScriptHeaderSize + kGestureScriptEventSize * count, 0);
    std::copy(good.begin(), good.begin() + 6, tooMany.begin());
    tooMany[6] = static_cast<std::uint8_t>(count);
    tooMany[7] = static_cast<std::uint8_t>(count >> 8);
    EXPECT_EQ(DecodeGestureScript(tooMany), std::nullopt);
}

TEST_F(BadPayload, PauseAboveTheLimit) {
    Bytes late = good;
    late[20] = 0x61;  // 0x0000EA61 = 60001 ms
    late[21] = 0xEA;
    EXPECT_EQ(DecodeGestureScript(late), std::nullopt);
    late[20] = 0x60;  // 60000 ms is still taken
    EXPECT_THAT(*DecodeGestureScript(late),
                ElementsAre(TimedEvent{0x8001, 0}, TimedEvent{0x101, 60000}));
}

}  // namespace
}  // namespace q5
