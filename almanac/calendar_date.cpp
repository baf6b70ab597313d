#include "almanac/calendar_date.h"

#include <cstdio>

#include "lunar/gregorian.h"

std::string DateText(const CalendarDate& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

CalendarDate NextDay(const CalendarDate& d) {
  if (d.day < lunar::DaysInMonth(d.year, d.month)) return {d.year, d.month, d.day + 1};
  if (d.month < 12) return {d.year, d.month + 1, 1};
  return {d.year + 1, 1, 1};
}
