#pragma once
// CalendarDay: one Gregorian date 1901-01-01..2050-12-31 and everything the calendar shows for it — the
// weekday, the lunar year, month and day with their texts, the solar term, the constellation, the month
// and day stem-branch text and the two festival names.
//
// Create one, call SetDate, read the fields. Texts are GBK byte strings (the festival names are the
// almanac's UTF-8 as stored); a text that was never written is null and reads as "".
#include "lunar/gregorian.h"
#include "lunar/lunar_months.h"
#include "lunar/owned_text.h"

namespace lunar {

// A Gregorian date as a caller's clock reads it.
struct YearMonthDay {
  int year = 0;
  int month = 0;
  int day = 0;
};

class CalendarDay {
 public:
  // No date (all zero), nothing computed: `valid` is 0 and every text is null.
  CalendarDay() = default;
  // Today's date as the caller's clock gives it (the engine reads no clock of its own), stored when it is a
  // real date and left zero otherwise; nothing computed, as above.
  explicit CalendarDay(YearMonthDay today) noexcept;

  // Validates, stores and converts. An impossible date (month outside 1..12, day outside the month)
  // returns 0 and changes nothing; a real date outside 1901..2050 is stored, sets `valid` to 0 and
  // returns 0 with the texts as they were; otherwise everything is computed and 1 is returned.
  int SetDate(int year, int month, int day);

  // Derives weekday, solar term, lunar date, their texts and the festivals for the stored date.
  // Returns 0 without doing anything when `valid` is 0.
  int ComputeLunarInfo(int year, int month, int day);
  void ComputeConstellation(int month, int day);

  // Stores the lunar date of the day `offset` days after 1 January 1901.
  void OffsetToLunarDate(int offset);

  const char* MakeWeekdayText(int weekday);
  const char* MakeLunarYearText(int lunarYear);
  const char* MakeLunarMonthText(int lunarMonth, int leapMonth = 0);  // leapMonth 1: "闰" first
  const char* MakeLunarDayText(int lunarDay);

  // Asks the connected festival look-ups (festival_lookup.h) for both festival texts; without a look-up
  // a text is left empty. Runs after the lunar month and day texts are built. May throw what a look-up
  // throws.
  void LookupFestivals();

  // The month and day stem-branch text, e.g. "癸酉月辛未日". Returns 0 and leaves `ganzhiText` as it
  // was when the stored date is impossible or was never converted; else 1.
  int MakeGanzhiText();

  // Days of the stored Gregorian month (0 when no month is stored).
  int DaysInShownMonth() const noexcept { return DaysInMonth(year, month); }

  int year = 0;
  int month = 0;
  int day = 0;
  OwnedText constellationText;
  int valid = 0;
  OwnedText weekdayText;
  OwnedText lunarMonthText;  // "正月" .. "十二月", "闰二月" in a leap month
  OwnedText lunarYearText;   // "癸卯(兔)年"
  OwnedText lunarDayText;    // "初一" .. "三十"
  OwnedText solarTermText;   // the term's name on a term day, empty on any other converted day
  OwnedText ganzhiText;      // written only by MakeGanzhiText
  OwnedText gregorianFestivalText;  // UTF-8
  OwnedText lunarFestivalText;      // UTF-8
  int lunarYear = 0;        // the Gregorian year in which the lunar year begins (1900 early in 1901)
  int lunarMonth = 0;       // 1..12; a leap month keeps the number of the regular month it follows
  int lunarLeapMonth = 0;   // 1 when the day lies in a leap month
  int lunarDay = 0;         // 1..30
};

}  // namespace lunar
