#include "preview_window.h"

#include "platform/local_clock.h"

namespace preview {

void CalendarMonth::Notify(DuiLib::TNotifyUI& msg) {
  if (msg.sType != L"windowinit") return;
  // The order the grid's operations ask for after a change of the shown date (app/calendar_window.h).
  platform::LocalDateTime const today = platform::LocalNow();
  FindGridControls();
  BuildDayCells();
  ShowDayDetails(today.year, today.month, today.day);
  FillMonthGrid(today.year, today.month, 1, 0);
  RefreshAlmanac(DateTimeRecord{today.year, today.month, today.day, 0, 0, 0});
  RefreshFestivalTips();
  RefreshHolidayMarks();
}

}  // namespace preview
