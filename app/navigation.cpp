// The header clock and the navigation actions: today, month steps, day-cell clicks, the midnight rule.
#include "app/clock_text.h"
#include "app/calendar_window.h"
#include "app/midnight_rule.h"
#include "grid/grid_constants.h"
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

void CalendarWindow::FillShownMonth(int year, int month, int selectToday, int selectFirstDay) {
  // The fill puts today's marker on the clock's date of this moment.
  markedToday = grid::Today();
  FillMonthGrid(year, month, selectToday, selectFirstDay);
}

void CalendarWindow::ShowDate(int year, int month, int day, int selectToday, int selectFirstDay) {
  ShowDayDetails(year, month, day);
  RefreshClock();
  FillShownMonth(year, month, selectToday, selectFirstDay);
  RefreshAlmanac(DateTimeRecord{year, month, day, 0, 0, 0});
  RefreshFestivalTips();
  RefreshHolidayMarks();
}

void CalendarWindow::GoToToday() {
  auto const today = grid::Today();
  ShowDate(today.year, today.month, today.day, 1, 0);
}

void CalendarWindow::ShowPreviousMonth() {
  if (comYear == nullptr || comMonth == nullptr) return;
  ShowDate(comYear->GetCurSel() + 1900, comMonth->GetCurSel() - 1, 1, 0, 1);
}

void CalendarWindow::ShowNextMonth() {
  if (comYear == nullptr || comMonth == nullptr) return;
  ShowDate(comYear->GetCurSel() + 1900, comMonth->GetCurSel() + 1, 1, 0, 1);
}

void CalendarWindow::ShowPickedMonth() {
  if (comYear == nullptr || comMonth == nullptr) return;
  ShowDate(comYear->GetCurSel() + 1900, comMonth->GetCurSel(), 1, 0, 1);
}

void CalendarWindow::OnDayCellClick(DayOptionUI* cell) {
  auto const date = cell->date;  // the refill below rewrites the cell
  HideAllDayCells();
  ShowDayDetails(date.year, date.month, date.day);
  FillShownMonth(date.year, date.month, 0, 0);
  // Selected once this click is done: the clicked date now sits in another cell when it was a neighbour
  // month's day.
  PostMessageW(GetHWND(), WM_SELECT_DAY, static_cast<WPARAM>(date.month), static_cast<LPARAM>(date.day));
}

std::optional<DateTimeRecord> CalendarWindow::SelectedShownDate() const {
  for (int i = 1; i <= grid::kCellCount; ++i)
    if (auto* cell = DayCell(i); cell != nullptr && cell->IsSelected() && cell->IsVisible()) return cell->date;
  return std::nullopt;
}

void CalendarWindow::ApplyMidnightRule(const DateTimeRecord& today) {
  switch (DecideMidnightAction(markedToday, today, SelectedShownDate())) {
    case MidnightAction::None:
      return;
    case MidnightAction::FollowToday:
      GoToToday();
      return;
    case MidnightAction::MoveTodayMarker:
      break;
  }
  if (comYear == nullptr || comMonth == nullptr) return;
  // The same month again: the cells keep their places and the selected one stays selected.
  FillShownMonth(comYear->GetCurSel() + 1900, comMonth->GetCurSel(), 0, 0);
  RefreshFestivalTips();
  RefreshHolidayMarks();
  for (int i = 1; i <= grid::kCellCount; ++i) {
    auto* cell = DayCell(i);
    // Its image may have been chosen while it was not yet today (or was today).
    if (cell != nullptr && cell->IsSelected() && cell->IsVisible()) cell->ChooseSelectedImage();
  }
}
