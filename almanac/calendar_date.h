#pragma once
// A Gregorian day as the iCalendar commands carry it, and the two steps they take on it. Kept apart from
// ical_calendar.* so that the program has them without loading libical (almanac/ical_module.h).
#include <compare>
#include <string>

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

// "YYYY-MM-DD".
std::string DateText(const CalendarDate& date);
CalendarDate NextDay(const CalendarDate& date);
