#pragma once
// Gregorian arithmetic: month lengths, the serial day number every conversion goes through, and the
// weekday. Pure and constexpr; used across the program wherever a month length is needed.
#include <array>

#include "lunar/supported_years.h"

namespace lunar {

// Days of months 1..12 in a common year. February is never read from here: DaysInFebruary decides it.
inline constexpr std::array<int, 12> MonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr bool IsGregorianLeapYear(int year) noexcept {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// 29 in a Gregorian leap year, else 28.
constexpr int DaysInFebruary(int year) noexcept { return IsGregorianLeapYear(year) ? 29 : 28; }

// Days of `month` in `year`; 0 when month lies outside 1..12.
constexpr int DaysInMonth(int year, int month) noexcept {
  if (month < 1 || month > 12) return 0;
  return month == 2 ? DaysInFebruary(year) : MonthLengths[month - 1];
}

constexpr bool IsValidGregorianDate(int year, int month, int day) noexcept {
  return day >= 1 && day <= DaysInMonth(year, month);
}

// Days from the start of year 0 (counted as a leap year) to the date, the date included:
// DayNumber(1901, 1, 1) = 694327. Defined for years >= 1 and a valid month.
constexpr int DayNumber(int year, int month, int day) noexcept {
  auto const y = year - 1;                                      // whole years after year 0
  auto const yearDays = 366 + 365 * y + y / 4 - y / 100 + y / 400;  // years 0 .. year - 1
  auto monthDays = 0;
  for (int m = 1; m < month; ++m) monthDays += DaysInMonth(year, m);
  return yearDays + monthDays + day;
}

inline constexpr int kFirstDayNumber = DayNumber(kFirstYear, 1, 1);

// Days since 1 January of kFirstYear: 0 for 1 January 1901, 54786 for 31 December 2050.
constexpr int DayOffset(int year, int month, int day) noexcept {
  return DayNumber(year, month, day) - kFirstDayNumber;
}

// 1 = Monday .. 6 = Saturday, 7 = Sunday.
constexpr int WeekdayOf(int year, int month, int day) noexcept {
  auto const early = month <= 2;  // January and February count as months 13 and 14 of the year before
  auto const y = early ? year - 1 : year;
  auto const cy = y / 100, yy = y % 100, m = early ? month + 12 : month;
  auto const w = yy + yy / 4 + cy / 4 - 2 * cy + 26 * (m + 1) / 10 + day - 1;  // may be negative
  auto const r = ((w % 7) + 7) % 7;                                           // [0, 6]
  return r == 0 ? 7 : r;
}

static_assert(kFirstDayNumber == 694327);
static_assert(DayOffset(2050, 12, 31) == 54786);
static_assert(WeekdayOf(1901, 1, 1) == 2 && WeekdayOf(2000, 3, 1) == 3 && WeekdayOf(2020, 1, 25) == 6);

}  // namespace lunar
