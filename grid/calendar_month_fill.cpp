// CalendarWindow::HideAllDayCells and FillMonthGrid: the month plan applied to the cells.
#include "app/calendar_window.h"
#include "grid/grid_constants.h"
#include "grid/month_plan.h"
#include "grid/today.h"

void CalendarWindow::HideAllDayCells() {
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (auto* cell = DayCell(i)) cell->SetVisible(false);
}

void CalendarWindow::FillMonthGrid(int year, int month, int selectToday, int selectFirstDay) {
  if (month < 1 || month > 12) return;
  HideAllDayCells();
  auto const plan = grid::PlanMonth(year, month, grid::Today(), {selectToday != 0, selectFirstDay != 0});
  for (const auto& fill : plan.fills) {
    auto* cell = DayCell(fill.cell);
    if (cell == nullptr) continue;
    cell->SetVisible(true);
    cell->date = fill.date;
    cell->Invalidate();
    cell->SetAttribute(L"textcolor", fill.textColour);
    cell->SetBkImage(fill.bkImage);
    if (fill.selectAsFirstDay) {
      cell->Selected(true);
      if (cell->IsVisible()) cell->ChooseSelectedImage();
    }
    if (fill.isToday) {
      ShowFestivalPicture(cell);
      if (fill.selectAsToday) {
        cell->Selected(true);
        // The cell may carry the image of a rest or worked day it held in another month.
        if (cell->IsVisible()) cell->ChooseSelectedImage();
      }
    }
  }
}
