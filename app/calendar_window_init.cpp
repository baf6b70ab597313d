// CalendarWindow::InitControls: the first fill once the skin is loaded.
#include "app/calendar_window.h"

using namespace DuiLib;

void CalendarWindow::InitControls() {
  monthGrid.FindControls(m_PaintManager);
  nowTime = dynamic_cast<CLabelUI*>(m_PaintManager.FindControl(L"now_time"));
  nowTemp = dynamic_cast<CLabelUI*>(m_PaintManager.FindControl(L"now_temp"));
  // The cells and the clock come before anything that asks the almanac: should the almanac fail (its error
  // is reported at the dispatch), the widget still has its grid and its ticking clock, and the next
  // action fills what this one could not.
  RefreshClock();
  BuildDayCells();
  if (auto* cal = monthGrid.Container()) m_PaintManager.SetTimer(cal, kClockTimerId, kClockTimerMs);
  GoToToday();
}
