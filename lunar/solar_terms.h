#pragma once
// The solar terms of a Gregorian date, read from the term-day table (no astronomy).
#include "lunar/solar_term_table.h"

namespace lunar {

constexpr int TermEntry(int year, int month) noexcept {
  return SolarTermDays[static_cast<std::size_t>((year - kFirstYear) * 12 + month - 1)];
}

// Day of the first term of a Gregorian month (小寒, 立春, 惊蛰, ...), 3..9. Year 1901..2050, month 1..12.
constexpr int FirstTermDay(int year, int month) noexcept { return 15 - (TermEntry(year, month) >> 4); }

// Day of the second term of a Gregorian month (大寒, 雨水, ...), 18..24.
constexpr int SecondTermDay(int year, int month) noexcept { return 15 + (TermEntry(year, month) & 0xf); }

// Index 1..24 of the term falling on the date (2m - 1 and 2m for month m), 0 on any other day and for
// dates outside 1901..2050.
constexpr int SolarTermIndex(int year, int month, int day) noexcept {
  if (!IsSupportedYear(year) || month < 1 || month > 12) return 0;
  if (day == FirstTermDay(year, month)) return 2 * month - 1;
  if (day == SecondTermDay(year, month)) return 2 * month;
  return 0;
}

static_assert(SolarTermIndex(1901, 1, 6) == 1 && SolarTermIndex(1901, 1, 21) == 2);
static_assert(SolarTermIndex(2050, 12, 22) == 24 && SolarTermIndex(2050, 12, 7) == 23);

}  // namespace lunar
