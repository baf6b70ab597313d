#include "grid/holiday_marks.h"

#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "grid/text_helpers.h"
#include "lunar/gregorian.h"

namespace grid {
namespace {

using MonthKey = std::pair<int, int>;  // year, month
using DayKey = std::tuple<int, int, int>;

DayKey KeyOf(const DateTimeRecord& d) { return {d.year, d.month, d.day}; }

bool IsRealDate(const DateTimeRecord& d) { return lunar::IsValidGregorianDate(d.year, d.month, d.day); }

// Months every day of which is a shown cell.
std::set<MonthKey> MonthsShownWhole(const GridCells& cells) {
  std::map<MonthKey, int> shownDays;
  for (const auto& c : cells)
    if (c.visible && IsRealDate(c.date)) ++shownDays[{c.date.year, c.date.month}];
  std::set<MonthKey> whole;
  for (const auto& [month, count] : shownDays)
    if (count == lunar::DaysInMonth(month.first, month.second)) whole.insert(month);
  return whole;
}

}  // namespace

bool IsToday(const DateTimeRecord& date, const DateTimeRecord& today) {
  return IsRealDate(date) && date.year == today.year && date.month == today.month && date.day == today.day;
}

std::vector<int> ListedRestDays(std::string_view holidays, int year, int month) {
  std::vector<int> days;
  auto const length = lunar::DaysInMonth(year, month);
  while (!holidays.empty()) {
    auto const comma = holidays.find(',');
    auto const piece = holidays.substr(0, comma);
    holidays = comma == std::string_view::npos ? std::string_view() : holidays.substr(comma + 1);
    if (piece.size() != 2 || piece[0] < '0' || piece[0] > '9' || piece[1] < '0' || piece[1] > '9') continue;
    auto const day = (piece[0] - '0') * 10 + (piece[1] - '0');
    if (day >= 1 && day <= length) days.push_back(day);
  }
  return days;
}

GridMarks PlanHolidayMarks(const GridCells& cells, const DateTimeRecord& today, const AlmanacLookups& lookups) {
  GridMarks marks;
  std::set<DayKey> listed;  // rest days named by the rows found through the cells' dates
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto& date = cells[i].date;
    marks[i].bkImage = cells[i].bkImage;
    std::string festival, picpath, holidays;
    lookups.queryFestivalDay(date, festival, picpath, holidays);
    if (!festival.empty()) marks[i].tooltip = ToWide(festival);
    if (!IsRealDate(date)) continue;
    for (int day : ListedRestDays(holidays, date.year, date.month)) listed.insert({date.year, date.month, day});
  }

  auto const whole = MonthsShownWhole(cells);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto& cell = cells[i];
    // Today keeps its rest-day badge: the cell paints today's own marker over any background.
    if (IsToday(cell.date, today)) marks[i].bkImage = kTodayImage;
    if (!cell.visible || !IsRealDate(cell.date)) continue;
    // A month shown whole has all its rows among the cells; a neighbour month's row may lie off the grid.
    auto const rest = listed.contains(KeyOf(cell.date)) ||
                      (!whole.contains({cell.date.year, cell.date.month}) && lookups.queryRestDay(cell.date));
    if (rest) marks[i].bkImage = kRestDayImage;
  }
  return marks;
}

std::array<bool, kCellCount> WorkedDayCells(const GridCells& cells, const AlmanacLookups& lookups) {
  std::array<bool, kCellCount> worked{};
  for (std::size_t i = 0; i < cells.size(); ++i) worked[i] = cells[i].visible && lookups.queryWorkedDay(cells[i].date);
  return worked;
}

std::optional<std::wstring_view> ChooseSelectedImageFor(const DateTimeRecord& date, const AlmanacLookups& lookups) {
  if (!IsRealDate(date)) return std::nullopt;
  if (lookups.queryWorkedDay(date)) return kWorkedDaySelectedImage;
  if (lookups.queryRestDay(date)) return kRestDaySelectedImage;
  return kDefaultSelectedImage;
}

}  // namespace grid
