#pragma once
// Gregorian dates as serial day numbers (days since 1970-01-01), for weekday and neighbour tests.
#include <string>

struct CivilDate {
  int year = 0;
  int month = 0;
  int day = 0;

  friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

constexpr int DaysFromCivil(CivilDate date) {
  int const y = date.year - (date.month <= 2);
  int const era = (y >= 0 ? y : y - 399) / 400;
  int const yoe = y - era * 400;                                                       // [0, 399]
  int const doy = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;  // [0, 365]
  int const doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                               // [0, 146096]
  return era * 146097 + doe - 719468;
}

// 0 = Sunday .. 6 = Saturday.
constexpr int Weekday(CivilDate date) {
  return ((DaysFromCivil(date) % 7) + 11) % 7;  // 1970-01-01 was a Thursday
}

constexpr bool IsValidDate(CivilDate date) {
  constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  bool const leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  return date.day <= kLengths[date.month - 1] + (date.month == 2 && leap);
}

static_assert(Weekday({1970, 1, 1}) == 4);
static_assert(Weekday({2015, 10, 10}) == 6);
static_assert(Weekday({1901, 1, 1}) == 2);

// "YYYY-MM-DD" or "YYYYMMDD" to a valid date; false for anything else.
bool ParseDate(const std::string& text, CivilDate& date);
// D8 key: "20150505".
std::string DateKeyOf(CivilDate date);
