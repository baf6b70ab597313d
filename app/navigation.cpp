// The header clock and the navigation actions: today, month steps, day-cell clicks, the midnight rule.
#include "app/clock_text.h"
#include "app/calendar_window.h"
#include "app/midnight_rule.h"
#include "grid/today.h"
#include "platform/local_clock.h"

using namespace DuiLib;

void CalendarWindow::RefreshClock() {
  if (nowTime == nullptr) return;
  auto const now = platform::LocalNow();
  nowTime->SetText(FormatClockText(now.hour, now.minute, now.second));
}

void CalendarWindow::OnClockTick() {
  RefreshClock();
  ApplyMidnightRule(grid::Today());
}

void CalendarWindow::FillShownMonth(int year, int month, grid::SelectOnFill select) {
  // The fill puts today's marker on the clock's date of this moment.
  markedToday = grid::Today();
  monthGrid.FillMonthGrid(year, month, select);
}

void CalendarWindow::ShowDate(int year, int month, int day, grid::SelectOnFill select) {
  ShowDayDetails(year, month, day);
  RefreshClock();
  FillShownMonth(year, month, select);
  RefreshAlmanac(DateTimeRecord{year, month, day, 0, 0, 0});
  RefreshFestivalTips();
  RefreshHolidayMarks();
}

void CalendarWindow::GoToToday() {
  auto const today = grid::Today();
  ShowDate(today.year, today.month, today.day, grid::kSelectToday);
}

void CalendarWindow::ShowPreviousMonth() {
  if (auto const shown = monthGrid.ShownMonth()) ShowDate(shown->year, shown->month - 1, 1, grid::kSelectFirstDay);
}

void CalendarWindow::ShowNextMonth() {
  if (auto const shown = monthGrid.ShownMonth()) ShowDate(shown->year, shown->month + 1, 1, grid::kSelectFirstDay);
}

void CalendarWindow::ShowPickedMonth() {
  if (auto const shown = monthGrid.ShownMonth()) ShowDate(shown->year, shown->month, 1, grid::kSelectFirstDay);
}

void CalendarWindow::OnDayCellClick(DayOptionUI* cell) {
  ShowChosenDay(cell->date);  // a copy: the refill rewrites the cell
}

void CalendarWindow::ShowChosenDay(const DateTimeRecord& chosen) {
  auto const date = chosen;
  HideAllDayCells();
  ShowDayDetails(date.year, date.month, date.day);
  FillShownMonth(date.year, date.month, grid::kSelectNothing);
  // Selected once this click is done: the clicked date now sits in another cell when it was a neighbour
  // month's day.
  PostMessageW(GetHWND(), WM_SELECT_DAY, static_cast<WPARAM>(date.month), static_cast<LPARAM>(date.day));
}

void CalendarWindow::ApplyMidnightRule(const DateTimeRecord& today) {
  switch (DecideMidnightAction(markedToday, today, monthGrid.SelectedShownDate())) {
    case MidnightAction::None:
      return;
    case MidnightAction::FollowToday:
      GoToToday();
      return;
    case MidnightAction::MoveTodayMarker:
      break;
  }
  auto const shown = monthGrid.ShownMonth();
  if (!shown) return;
  // The same month again: the cells keep their places and the selected one stays selected.
  FillShownMonth(shown->year, shown->month, grid::kSelectNothing);
  RefreshFestivalTips();
  RefreshHolidayMarks();
  monthGrid.RefreshSelectedImage();
}
