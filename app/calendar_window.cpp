// CalendarWindow: construction and the grid operations, which the grid view carries out.
#include "app/calendar_window.h"

#include "grid/store_lookups.h"

CalendarWindow::CalendarWindow() : CalendarWindow(grid::StoreLookups()) {}

CalendarWindow::CalendarWindow(grid::AlmanacLookups lookups) : monthGrid(std::move(lookups)) {}

CalendarWindow::~CalendarWindow() { *self = nullptr; }

void CalendarWindow::BuildDayCells() { monthGrid.BuildDayCells(); }

void CalendarWindow::HideAllDayCells() { monthGrid.HideAllDayCells(); }

void CalendarWindow::FillMonthGrid(int year, int month, int selectToday, int selectFirstDay) {
  monthGrid.FillMonthGrid(year, month, {.today = selectToday != 0, .firstDay = selectFirstDay != 0});
}

void CalendarWindow::ShowDayDetails(int year, int month, int day) {
  monthGrid.ShowDayDetails(year, month, day);
  UpdateMonthSteps();
}

void CalendarWindow::RefreshAlmanac(DateTimeRecord record) { monthGrid.RefreshAlmanac(record); }

void CalendarWindow::RefreshFestivalTips() { monthGrid.RefreshFestivalTips(); }

void CalendarWindow::ShowFestivalPicture(DayOptionUI* cell) { monthGrid.ShowFestivalPicture(cell); }

void CalendarWindow::RefreshHolidayMarks() { monthGrid.RefreshHolidayMarks(); }

void CalendarWindow::MarkWorkedDays() { monthGrid.MarkWorkedDays(); }
