#pragma once
// Stem-branch (干支) numbers of years, months and days. Stems count 1..10 from 甲, branches 1..12 from 子,
// as in the name lists.
#include "lunar/gregorian.h"
#include "lunar/solar_terms.h"

namespace lunar {

struct StemBranch {
  int stem = 0;    // 1..10
  int branch = 0;  // 1..12
};

// The year's stem and branch (1984 is 甲子).
constexpr StemBranch YearStemBranch(int year) noexcept {
  auto const n = year - 4;
  return {((n % 10) + 10) % 10 + 1, ((n % 12) + 12) % 12 + 1};
}

// The year whose 立春 opened the stem-branch year of the date: dates before 立春 belong to the year before.
constexpr int YearByLiChun(int year, int month, int day) noexcept {
  return (month == 1 || (month == 2 && day < FirstTermDay(year, 2))) ? year - 1 : year;
}

// Stem-branch month number N of a date 1901..2050: 1 = 寅 (from 立春) .. 11 = 子, 12 = 丑 (from 小寒). The
// month changes on the first solar term of every Gregorian month, the term day included.
constexpr int MonthNumberByTerms(int year, int month, int day) noexcept {
  auto const n = day >= FirstTermDay(year, month) ? month - 1 : month - 2;  // [-1, 11]
  return n <= 0 ? n + 12 : n;
}

// Month pillar: the branch from the terms; the stem from the 立春 year's stem S: the 寅 month of a 甲 or
// 己 year is 丙寅, and the stem then runs on with the months (stem number N + 2S, counted modulo 10).
constexpr StemBranch MonthStemBranch(int year, int month, int day) noexcept {
  auto const n = MonthNumberByTerms(year, month, day);          // [1, 12]
  auto const s = YearStemBranch(YearByLiChun(year, month, day)).stem;  // [1, 10]
  auto const k = (n + 2 * s) % 10;
  auto const branch = (n + 1) % 12 + 1;  // N = 1 is 寅, branch 3
  return {k == 0 ? 10 : k, branch};
}

// Day pillar: the unbroken sixty-day cycle; 1 January 1901 is 己卯, number 15 counting 甲子 as 0.
constexpr StemBranch DayStemBranch(int year, int month, int day) noexcept {
  auto const cycle = ((DayOffset(year, month, day) + 15) % 60 + 60) % 60;  // [0, 59]
  return {cycle % 10 + 1, cycle % 12 + 1};
}

static_assert(YearStemBranch(1984).stem == 1 && YearStemBranch(1984).branch == 1);
static_assert(DayStemBranch(1901, 1, 1).stem == 6 && DayStemBranch(1901, 1, 1).branch == 4);
static_assert(MonthStemBranch(2019, 10, 1).stem == 10 && MonthStemBranch(2019, 10, 1).branch == 10);  // 癸酉

}  // namespace lunar
