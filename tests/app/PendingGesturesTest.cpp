#include "app/PendingGestures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace q5 {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(PendingGestures, NothingPendingAtFirst) {
    PendingGestures pending;
    EXPECT_TRUE(pending.empty());
    EXPECT_EQ(pending.NextDelay(), std::nullopt);
    EXPECT_THAT(pending.TakeDue(), IsEmpty());
}

TEST(PendingGestures, OneEventPerPauseInArrivalOrder) {
    PendingGestures pending;
    const TimedEvent first[] = {{0x8001, 0}, {0x80000008, 50}};
    const TimedEvent second[] = {{0x8002, 20}};
    pending.Append(first);
    pending.Append(second);
    EXPECT_EQ(pending.NextDelay(), 0u);
    EXPECT_THAT(pending.TakeDue(), ElementsAre(0x8001));
    EXPECT_EQ(pending.NextDelay(), 50u);
    EXPECT_THAT(pending.TakeDue(), ElementsAre(0x80000008));
    EXPECT_EQ(pending.NextDelay(), 20u);
    EXPECT_THAT(pending.TakeDue(), ElementsAre(0x8002));
    EXPECT_TRUE(pending.empty());
}

TEST(PendingGestures, EventsWithoutPauseGoWithTheOneBefore) {
    PendingGestures pending;
    const TimedEvent zoom[] = {{0x80000001, 30}, {0x101, 0}, {0x101, 0}, {0x1FF, 5}};
    pending.Append(zoom);
    EXPECT_EQ(pending.NextDelay(), 30u);
    EXPECT_THAT(pending.TakeDue(), ElementsAre(0x80000001, 0x101, 0x101));
    EXPECT_EQ(pending.NextDelay(), 5u);
    EXPECT_THAT(pending.TakeDue(), ElementsAre(0x1FF));
}

}  // namespace
}  // namespace q5
