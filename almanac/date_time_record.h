#pragma once
// A date and time as six signed 32-bit integers: the date a day cell holds (time part 0) and the argument
// of the almanac look-ups.
#include <cstdint>

struct DateTimeRecord {
  std::int32_t year = 0;
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  std::int32_t second = 0;

  friend bool operator==(const DateTimeRecord&, const DateTimeRecord&) = default;
};
