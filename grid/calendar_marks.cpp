// CalendarWindow::RefreshHolidayMarks and MarkWorkedDays: the marker rules applied to the cells.
#include "app/calendar_window.h"
#include "grid/grid_constants.h"
#include "grid/holiday_marks.h"
#include "grid/today.h"

namespace {

grid::GridCells Snapshot(const CalendarWindow& window) {
  grid::GridCells cells;
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (const auto* cell = window.DayCell(i)) cells[i - 1] = {cell->date, cell->IsVisible(), cell->GetBkImage()};
  return cells;
}

}  // namespace

void CalendarWindow::RefreshHolidayMarks() {
  auto const marks = grid::PlanHolidayMarks(Snapshot(*this), grid::Today(), almanac);
  for (int i = 1; i <= grid::kCellCount; ++i) {
    auto* cell = DayCell(i);
    if (cell == nullptr) continue;
    const auto& mark = marks[i - 1];
    if (mark.tooltip) cell->SetToolTip(*mark.tooltip);
    cell->SetBkImage(mark.bkImage);
  }
  MarkWorkedDays();
}

void CalendarWindow::MarkWorkedDays() {
  auto const worked = grid::WorkedDayCells(Snapshot(*this), almanac);
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (worked[i - 1]) DayCell(i)->SetBkImage(grid::kWorkedDayImage);
}
