#include "actions/OsRelease.h"

#include <gtest/gtest.h>

#include "platform/sim/SimSystemInfo.h"

namespace q5 {
namespace {

struct VersionCase {
    std::uint32_t platform;
    std::uint32_t major;
    std::uint32_t minor;
    OsRelease expected;
};

TEST(OsRelease, ClassifiesEveryRow) {
    const VersionCase cases[] = {
        {1, 4, 0, 1}, {1, 4, 10, 1}, {1, 4, 89, 1}, {1, 4, 90, 2}, {1, 4, 200, 2}, {1, 5, 0, 0},
        {2, 4, 0, 0}, {2, 5, 0, 3},  {2, 5, 1, 4},  {2, 5, 2, 4},  {2, 6, 0, 5},   {2, 6, 1, 6},
        {2, 6, 2, 7}, {2, 6, 3, 0},  {2, 10, 0, 0}, {0, 6, 1, 0},  {3, 6, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyOsVersion({c.major, c.minor, 0, c.platform}), c.expected)
            << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST(OsRelease, IsReadAtEveryUse) {
    sim::SimSystemInfo system;
    system.SetVersion(sim::SimSystemInfo::VersionOfRelease(4));
    EXPECT_EQ(GetOsRelease(system), 4u);
    system.SetVersion(sim::SimSystemInfo::VersionOfRelease(6));
    EXPECT_EQ(GetOsRelease(system), 6u);
}

TEST(OsRelease, UnreadableVersionIsUnclassified) {
    sim::SimSystemInfo system;
    system.SetFailing(true);
    EXPECT_EQ(GetOsRelease(system), 0u);
}

TEST(OsRelease, SimulatedReleasesClassifyAsThemselves) {
    for (unsigned release = 0; release <= 7; ++release) {
        EXPECT_EQ(ClassifyOsVersion(sim::SimSystemInfo::VersionOfRelease(release)), release);
    }
}

}  // namespace
}  // namespace q5
