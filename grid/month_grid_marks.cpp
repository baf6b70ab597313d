// MonthGridView: the holiday, worked-day and today marks applied to the cells.
#include "grid/holiday_marks.h"
#include "grid/month_grid_view.h"
#include "grid/today.h"

namespace grid {
namespace {

GridCells Snapshot(const MonthGridView& view) {
  GridCells cells;
  for (int i = 1; i <= kCellCount; ++i)
    if (const auto* cell = view.DayCell(i)) cells[i - 1] = {cell->date, cell->IsVisible(), cell->GetBkImage()};
  return cells;
}

}  // namespace

void MonthGridView::RefreshHolidayMarks() {
  auto const marks = PlanHolidayMarks(Snapshot(*this), Today(), almanac_);
  for (int i = 1; i <= kCellCount; ++i) {
    auto* cell = DayCell(i);
    if (cell == nullptr) continue;
    const auto& mark = marks[i - 1];
    if (mark.tooltip) cell->SetToolTip(*mark.tooltip);
    cell->SetBkImage(mark.bkImage);
  }
  MarkWorkedDays();
}

void MonthGridView::MarkWorkedDays() {
  auto const worked = WorkedDayCells(Snapshot(*this), almanac_);
  for (int i = 1; i <= kCellCount; ++i)
    if (worked[i - 1]) DayCell(i)->SetBkImage(kWorkedDayImage);
}

}  // namespace grid
