#include "almanac/almanac_keys.h"

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string DateKey(const DateTimeRecord& date) {
  return std::to_string(date.year) + TwoDigits(date.month) + TwoDigits(date.day);
}

std::string MonthDayKey(const DateTimeRecord& date) {
  return std::to_string(date.month) + std::to_string(date.day);
}
