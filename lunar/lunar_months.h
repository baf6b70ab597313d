#pragma once
// Lunar month and year lengths from the year table, and the conversion of a day offset (days since
// 1 January 1901) into a lunar date. The first 49 days of 1901 belong to lunar year 1900, whose last two
// months (eleventh: 29 days, twelfth: 30 days) are not in the table and are written out here.
#include "lunar/gregorian.h"
#include "lunar/lunar_year_table.h"

namespace lunar {

// Low 16 bits: days of regular month `month` of `lunarYear`; high 16 bits: days of its leap month when
// `month` is that year's leap month, else 0. Years before 1901 give 30 (the 1900 tail is handled by
// the conversion); years after 2050 and months outside 1..12 give 0.
int LunarMonthDays(int lunarYear, int month) noexcept;

// Days of a lunar year 1901..2050, leap month included.
int LunarYearDays(int lunarYear) noexcept;

struct LunarDate {
  int year = 0;   // the Gregorian year in which the lunar year begins
  int month = 0;  // 1..12; a leap month carries the number of the regular month it follows
  int leap = 0;   // 1 in a leap month
  int day = 0;    // 1..30
};

inline constexpr int kLunarNewYear1901Offset = 49;  // 19 February 1901
// The tail of lunar year 1900 written out in the conversion is that of the first supported year.
static_assert(kFirstYear == 1901, "the conversion's lunar-1900 tail covers 1 January..18 February 1901");
inline constexpr int kLastDayOffset = DayOffset(kLastYear, 12, 31);

// Offset 0..54786 → lunar date. Offsets outside that range give a zero date.
LunarDate LunarDateFromOffset(int offset) noexcept;

}  // namespace lunar
