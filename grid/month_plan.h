#pragma once
// The month plan: which date, colour and background each of the 42 day cells gets when a month is laid
// out, and which cell the fill selects. Pure: today is an argument, the framework is not involved.
#include <string_view>
#include <vector>

#include "almanac/date_time_record.h"

namespace grid {

struct SelectOnFill {
  bool today = false;     // select today's cell when it is a day of the shown month
  bool firstDay = false;  // select the cell of day 1
};

// What the window's actions ask a fill to select.
inline constexpr SelectOnFill kSelectNothing{};
inline constexpr SelectOnFill kSelectToday{.today = true};
inline constexpr SelectOnFill kSelectFirstDay{.firstDay = true};

// What the fill does to one cell. A cell that the plan does not list is hidden and keeps its date.
struct CellFill {
  int cell = 0;  // 1..42
  DateTimeRecord date;
  std::wstring_view textColour;  // kShownMonthColour or kNeighbourMonthColour
  std::wstring_view bkImage;     // empty, or kTodayImage on today's cell
  bool selectAsFirstDay = false;
  bool isToday = false;  // today's cell among the days of the shown month
  bool selectAsToday = false;
};

struct MonthPlan {
  int firstColumn = 1;  // 1 (Sunday) .. 7 (Saturday): the column of day 1
  // In the order the fill visits the cells: leading days from the last to the first, then the days of the
  // month, then the trailing days.
  std::vector<CellFill> fills;

  // The fill of cell 1..42, or null when the cell stays hidden.
  const CellFill* Find(int cell) const;
};

// Lays (year, month) out: leading days of the previous month in grey (none in January, whose leading
// cells stay hidden), the month's days in black, then days of the next month in grey up to cell 42 (none
// in December, whose trailing cells stay hidden). Only a day of the shown month is marked as today.
// Requires month 1..12.
MonthPlan PlanMonth(int year, int month, const DateTimeRecord& today, SelectOnFill select);

// Sunday-first column (1..7) of a date.
int ColumnOf(int year, int month, int day);

}  // namespace grid
