#pragma once
// The holiday, worked-day and today markers of the day cells and the choice of a selected cell's image,
// as rules from (cell dates, today, almanac answers) to image names and tooltips.
//
// A holiday mark lies on exactly the official rest days the holiday rows list (each row's "holidays"
// pieces read as two-digit days of the row's month), wherever those days sit in the grid: not on a run of
// cells counted from the festival's cell, which goes wrong whenever a festival is not the first day of its
// holiday.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"
#include "grid/grid_constants.h"

namespace grid {

// What the marker rule needs of a cell: a hidden cell keeps the date of its last fill.
struct CellState {
  DateTimeRecord date;
  bool visible = false;
  std::wstring bkImage;
};

struct CellMarks {
  // The holiday's name as tooltip; nothing on cells without one, which keep the festival tip they have.
  std::optional<std::wstring> tooltip;
  std::wstring bkImage;  // the background the cell ends with
};

using GridCells = std::array<CellState, kCellCount>;
using GridMarks = std::array<CellMarks, kCellCount>;

// The days (1..31) a holiday row lists for its month: pieces that are exactly two digits naming a day of
// that month; empty pieces are skipped and anything else names no day.
std::vector<int> ListedRestDays(std::string_view holidays, int year, int month);

// Asks, in this order: the holiday row of every cell (1..42, hidden ones too, for their tooltips); then
// whether a shown cell is a rest day, only for shown days of a month the grid does not show whole (the rows
// found through the grid cover every day of a month shown whole).
//
// Backgrounds: today's cell (shown or not, any month) gets the today image, and a shown rest day the
// rest-day image, today included (the cell paints today's marker itself, so today keeps its badge). Other
// cells keep their background.
GridMarks PlanHolidayMarks(const GridCells& cells, const DateTimeRecord& today, const AlmanacLookups& lookups);

// The shown cells that are worked days (asked in cell order). They get the worked-day image after the
// holiday marks, today's cell included.
std::array<bool, kCellCount> WorkedDayCells(const GridCells& cells, const AlmanacLookups& lookups);

// The selected image of a cell holding `date`: worked day first, then rest day, else the default image
// (today too: its badge stays while it is selected). Nothing for a date that is not a real Gregorian date.
std::optional<std::wstring_view> ChooseSelectedImageFor(const DateTimeRecord& date, const AlmanacLookups& lookups);

// Whether `date` is a real Gregorian date equal to today's date (the time parts are not compared).
bool IsToday(const DateTimeRecord& date, const DateTimeRecord& today);

}  // namespace grid
