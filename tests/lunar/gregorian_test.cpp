#include "lunar/gregorian.h"

#include <gtest/gtest.h>

namespace {

using namespace lunar;

TEST(Gregorian, LeapYearsFollowTheFourHundredYearRule) {
  EXPECT_EQ(DaysInFebruary(1900), 28);
  EXPECT_EQ(DaysInFebruary(2000), 29);
  EXPECT_EQ(DaysInFebruary(2004), 29);
  EXPECT_EQ(DaysInFebruary(2019), 28);
  EXPECT_EQ(DaysInFebruary(2100), 28);
}

TEST(Gregorian, DaysInMonthRejectsMonthsOutsideTheYear) {
  EXPECT_EQ(DaysInMonth(2019, 4), 30);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2019, 0), 0);
  EXPECT_EQ(DaysInMonth(2019, 13), 0);
  EXPECT_FALSE(IsValidGregorianDate(2019, 2, 29));
  EXPECT_FALSE(IsValidGregorianDate(2019, 5, 0));
  EXPECT_TRUE(IsValidGregorianDate(2000, 2, 29));
}

TEST(Gregorian, DayNumbersCountEveryDayOnceOverTheWholeRange) {
  EXPECT_EQ(DayNumber(1901, 1, 1), 694327);
  auto expected = DayNumber(1900, 1, 1);
  for (int y = 1900; y <= 2051; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInMonth(y, m); ++d) ASSERT_EQ(DayNumber(y, m, d), expected++) << y << "-" << m << "-" << d;
  EXPECT_EQ(DayOffset(2050, 12, 31), 54786);
}

TEST(Gregorian, WeekdaysRunWithTheDayNumber) {
  EXPECT_EQ(WeekdayOf(1901, 1, 1), 2);
  EXPECT_EQ(WeekdayOf(2019, 10, 1), 2);
  EXPECT_EQ(WeekdayOf(2020, 1, 25), 6);
  EXPECT_EQ(WeekdayOf(2000, 3, 1), 3);  // the formula's intermediate value is negative here
  for (int y = 1901; y <= 2050; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInMonth(y, m); ++d)
        ASSERT_EQ(WeekdayOf(y, m, d), (DayOffset(y, m, d) + 1) % 7 + 1) << y << "-" << m << "-" << d;
}

}  // namespace
