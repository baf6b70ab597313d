// Table-reading details; every lunar date of the range is checked against the peer in reference_calendar_test.
#include "lunar/lunar_months.h"

#include <gtest/gtest.h>

#include "lunar/gregorian.h"

namespace {

using namespace lunar;

LunarDate Lunar(int y, int m, int d) { return LunarDateFromOffset(DayOffset(y, m, d)); }

void ExpectLunar(const LunarDate& date, int year, int month, int leap, int day) {
  EXPECT_EQ(date.year, year);
  EXPECT_EQ(date.month, month);
  EXPECT_EQ(date.leap, leap);
  EXPECT_EQ(date.day, day);
}

TEST(LunarMonths, YearLengthsIncludeTheLeapMonth) {
  EXPECT_EQ(LunarYearDays(1901), 354);
  EXPECT_EQ(LunarYearDays(1903), 383);
  EXPECT_EQ(LunarYearDays(2023), 384);
  EXPECT_EQ(LunarYearDays(2050), 384);
  EXPECT_EQ(LunarYearDays(2051), 0);
}

TEST(LunarMonths, LeapMonthLengthIsInTheHighHalf) {
  // 1903: 29, 30, 29, 30, 29 (month 5), 29 (leap 5), 30, 29, 29, 30, 30, 29, 30.
  int const regular[] = {29, 30, 29, 30, 29, 30, 29, 29, 30, 30, 29, 30};
  for (int m = 1; m <= 12; ++m) {
    auto const days = LunarMonthDays(1903, m);
    EXPECT_EQ(days & 0xffff, regular[m - 1]) << m;
    EXPECT_EQ(days >> 16, m == 5 ? 29 : 0) << m;
  }
  EXPECT_EQ(LunarMonthDays(1900, 11), 30);
  EXPECT_EQ(LunarMonthDays(2051, 1), 0);
  EXPECT_EQ(LunarMonthDays(2019, 13), 0);
}

TEST(LunarMonths, TheTailOfLunarYear1900OpensTheRange) {
  ExpectLunar(Lunar(1901, 1, 1), 1900, 11, 0, 11);
  ExpectLunar(Lunar(1901, 1, 19), 1900, 11, 0, 29);
  ExpectLunar(Lunar(1901, 1, 20), 1900, 12, 0, 1);
  ExpectLunar(Lunar(1901, 2, 18), 1900, 12, 0, 30);
  ExpectLunar(Lunar(1901, 2, 19), 1901, 1, 0, 1);
}

TEST(LunarMonths, OffsetsOutsideTheRangeGiveNoDate) {
  ExpectLunar(LunarDateFromOffset(-1), 0, 0, 0, 0);
  ExpectLunar(LunarDateFromOffset(kLastDayOffset + 1), 0, 0, 0, 0);
}

}  // namespace
