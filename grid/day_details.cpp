#include "grid/day_details.h"

#include "grid/grid_constants.h"
#include "grid/text_helpers.h"
#include "lunar/calendar_day.h"

namespace grid {

std::optional<DayDetails> MakeDayDetails(int year, int month, int day) {
  lunar::CalendarDay calendarDay;
  if (calendarDay.SetDate(year, month, day) == 0) return std::nullopt;
  DayDetails details;
  details.yearIndex = YearPickerIndex(year);
  details.monthIndex = month;
  details.week = ToWide(calendarDay.weekdayText.view());
  details.day = FormatTwoDigits(day);
  details.yearMonth = FormatYearMonth(year, month);
  details.lunar = ToWide(calendarDay.lunarMonthText.view()) + ToWide(calendarDay.lunarDayText.view());
  details.lunarYear = ToWide(calendarDay.lunarYearText.view());
  if (calendarDay.MakeGanzhiText() != 0) details.lunarMonth = ToWide(calendarDay.ganzhiText.view());
  return details;
}

AlmanacTexts MakeAlmanacTexts(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  std::string yi, ji;
  lookups.queryYiJi(yi, true, date);
  lookups.queryYiJi(ji, false, date);
  return {ToWide(yi), ToWide(ji)};
}

std::wstring FestivalTipFor(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  std::string tip;
  lookups.queryFestival(date, tip);
  return ToWide(tip);
}

FestivalPicture FestivalPictureFor(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  std::string festival, picpath, holidays;
  lookups.queryFestivalDay(date, festival, picpath, holidays);
  if (picpath.empty()) return {};
  return {ToWide(picpath), ToWide(festival)};
}

}  // namespace grid
