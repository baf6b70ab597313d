#pragma once
// The texts beside the grid for one date: the pickers' indices and the header labels, the almanac's
// favourable and unfavourable words, a cell's festival tooltip and the festival picture. Pure mappings;
// the window sets the labels from them.
#include <optional>
#include <string>

#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"

namespace grid {

struct DayDetails {
  int yearIndex = 0;   // "com_year": YearPickerIndex(year)
  int monthIndex = 0;  // "com_month": the month, 1..12
  std::wstring week;        // "now_week"
  std::wstring day;         // "now_day", two digits at least
  std::wstring yearMonth;   // "now_datetime", "2015/3"
  std::wstring lunar;       // "now_lunar": lunar month then lunar day, no separator
  std::wstring lunarYear;   // "now_lunarYear"
  std::wstring lunarMonth;  // "now_lunarMonth": month and day stem-branch text, or empty
};

// Nothing for an impossible date or a year the lunar engine cannot show (outside 1901..2050): the
// window then leaves the pickers and labels as they are.
std::optional<DayDetails> MakeDayDetails(int year, int month, int day);

struct AlmanacTexts {
  std::wstring yi;     // "lbl_yi": at most two words, 无 without any
  std::wstring ji;     // "lbl_ji"
  std::wstring yiTip;  // the 宜 row's tooltip: every word of the day
  std::wstring jiTip;
};

// The rows' texts when yiji.db gave no words because it is missing, unreadable or locked: the widget says
// so where the words would be.
inline constexpr std::wstring_view kNoAlmanacText = L"未找到黄历数据库 yiji.db";
inline constexpr std::wstring_view kUnreadableAlmanacText = L"黄历数据库 yiji.db 无法读取";
inline constexpr std::wstring_view kBusyAlmanacText = L"黄历数据库被其他程序占用";
inline constexpr std::wstring_view kNoYiJiText = L"暂无宜忌";
inline constexpr std::wstring_view kBusyRetryText = L"换一天时再试";
// A day the almanac lists no word for.
inline constexpr std::wstring_view kNoWordsText = L"无";

// Asks for the "yi" words, then the "ji" words, of the record's date (the two shown, then every word).
AlmanacTexts MakeAlmanacTexts(const DateTimeRecord& date, const AlmanacLookups& lookups);

// A cell's tooltip: the Gregorian festival's text of its month and day, its lunar festival and its solar
// term, one per line (empty on a day with none of them).
std::wstring FestivalTipFor(const DateTimeRecord& date, const AlmanacLookups& lookups);

struct FestivalPicture {
  std::wstring image;    // background image of "lbl_festival"; empty removes it
  std::wstring tooltip;  // the holiday's name; empty when there is no picture
};

FestivalPicture FestivalPictureFor(const DateTimeRecord& date, const AlmanacLookups& lookups);

}  // namespace grid
