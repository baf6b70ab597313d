#include "platform/local_clock.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalClock, SystemClockGivesAPlausibleLocalTime) {
  platform::SetClockSource({});
  platform::LocalDateTime now = platform::LocalNow();
  EXPECT_GE(now.year, 2000);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.hour, 23);
}

TEST(LocalClock, AnInstalledSourceReplacesTheSystemClockUntilRemoved) {
  platform::SetClockSource([] { return platform::LocalDateTime{2015, 2, 19, 23, 59, 59}; });
  platform::LocalDateTime now = platform::LocalNow();
  EXPECT_EQ(now.year, 2015);
  EXPECT_EQ(now.second, 59);
  platform::SetClockSource({});
  EXPECT_NE(platform::LocalNow().year, 2015);
}

TEST(LocalClock, FixedDateClockKeepsTheDateAndTheRealTime) {
  platform::SetClockSource(platform::FixedDateClock(2015, 2, 19));
  platform::LocalDateTime now = platform::LocalNow();
  EXPECT_EQ(now.year, 2015);
  EXPECT_EQ(now.month, 2);
  EXPECT_EQ(now.day, 19);
  EXPECT_LE(now.hour, 23);
  platform::SetClockSource({});
}

}  // namespace
