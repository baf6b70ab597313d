#include "grid/day_details.h"

#include <vector>

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

namespace {

std::wstring JoinWords(const std::vector<std::string>& words) {
  std::wstring text;
  for (const auto& word : words) text += (text.empty() ? L"" : L" ") + ToWide(word);
  return text;
}

}  // namespace

AlmanacTexts MakeAlmanacTexts(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  std::string yi, ji;
  lookups.queryYiJi(yi, true, date);
  lookups.queryYiJi(ji, false, date);
  std::vector<std::string> yiWords, jiWords;
  auto const answer = lookups.queryYiJiWords(yiWords, true, date);
  lookups.queryYiJiWords(jiWords, false, date);
  switch (answer) {
    case AlmanacAnswer::NoAlmanac:
      return {std::wstring(kNoAlmanacText), std::wstring(kNoYiJiText), {}, {}};
    case AlmanacAnswer::Unreadable:
      return {std::wstring(kUnreadableAlmanacText), std::wstring(kNoYiJiText), {}, {}};
    case AlmanacAnswer::Busy:
      return {std::wstring(kBusyAlmanacText), std::wstring(kBusyRetryText), {}, {}};
    case AlmanacAnswer::Answered:
      break;
  }
  auto shown = [](const std::string& words) { return words.empty() ? std::wstring(kNoWordsText) : ToWide(words); };
  return {shown(yi), shown(ji), JoinWords(yiWords), JoinWords(jiWords)};
}

std::wstring FestivalTipFor(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  std::string gregorian;
  lookups.queryFestival(date, gregorian);
  std::wstring tip = ToWide(gregorian);
  lunar::CalendarDay day;
  if (day.SetDate(date.year, date.month, date.day) == 0) return tip;
  // One line each; a name the tip already says (a Gregorian text naming the same day) is not repeated.
  for (auto const& line : {Utf8ToWide(day.lunarFestivalText.view()), ToWide(day.solarTermText.view())}) {
    if (line.empty() || tip.find(line) != std::wstring::npos) continue;
    tip += (tip.empty() ? L"" : L"\n") + line;
  }
  return tip;
}

FestivalPicture FestivalPictureFor(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  std::string festival, picpath, holidays;
  lookups.queryFestivalDay(date, festival, picpath, holidays);
  if (picpath.empty()) return {};
  return {ToWide(picpath), ToWide(festival)};
}

}  // namespace grid
